#pragma once

#include <QWidget>

#include "editor/qimage_canvas.h"

namespace ferlo {

// A picture box: a widget that shows the persistent image of its canvas,
// sized with the widget (a new size clears it). Whatever is drawn on the
// canvas is shown at the next repaint, which every drawing call asks for.
class CanvasWidget : public QWidget {
public:
    explicit CanvasWidget(QWidget* parent = nullptr);

    // The canvas, as large as the widget (also before the widget is first
    // shown, when Qt has not yet sent its resize event).
    QImageCanvas& canvas();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    class ScreenCanvas : public QImageCanvas {
    public:
        explicit ScreenCanvas(QWidget& widget) : QImageCanvas(1, 1), widget_(widget) {}
        void lineTo(double x, double y, PaletteColor color) override;
        void line(double x1, double y1, double x2, double y2, PaletteColor color) override;
        void clear() override;

    private:
        QWidget& widget_;
    };

    void fitCanvas();

    ScreenCanvas canvas_;
};

}  // namespace ferlo
