#pragma once

#include <QWidget>

#include "editor/drawing/qimage_canvas.h"

namespace ferlo {

// A picture box: a widget that shows the persistent image of its canvas,
// sized with the widget (a new size clears it). What is drawn on the canvas
// is flushed as soon as the event loop runs, unless a caller flushes it
// first, and each flush repaints the part of the widget it changed.
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

    protected:
        void changed(const QRegion& area) override { widget_.update(area); }
        void drawingWaits() override;

    private:
        QWidget& widget_;
    };

    void fitCanvas();

    ScreenCanvas canvas_;
};

}  // namespace ferlo
