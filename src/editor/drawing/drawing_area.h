#pragma once

#include <QCursor>

#include "editor/drawing/canvas_widget.h"
#include "editor/drawing/pointer_shapes.h"

namespace ferlo {

// The 2D drawing area (`DrawArea`): the picture box the four views are drawn
// on, with mouse tracking, the keyboard focus and a pointer shape chosen by
// value. It passes its mouse and key events on to an `Events` handler in the
// values the window's handlers work with: buttons as a bit set (1 left,
// 2 right, 4 middle), modifiers as a bit set (1 Shift, 2 Ctrl, 4 Alt; a
// modifier key's own press counts), positions in pixels and the key's code.
// The releases of a held key's repeats are not passed on, so a drag goes on
// while a key is held.
class DrawingArea : public CanvasWidget {
public:
    class Events {
    public:
        virtual ~Events() = default;
        virtual void mouseDown(int button, int shift, double x, double y) = 0;
        virtual void mouseMove(int button, int shift, double x, double y) = 0;
        virtual void mouseUp(int button, int shift, double x, double y) = 0;
        virtual void keyDown(int keyCode, int shift) = 0;
        virtual void keyUp(int keyCode, int shift) = 0;
    };

    explicit DrawingArea(QWidget* parent = nullptr);

    void setEvents(Events* events) { events_ = events; }

    int mousePointer() const { return pointer_; }
    // A value other than those of `PointerValue` shows the default arrow.
    void setMousePointer(int value);
    // The shape of the value kPointerCustom.
    void setMouseIcon(const QCursor& icon);

    static int buttonValue(Qt::MouseButtons buttons);
    static int shiftValue(Qt::KeyboardModifiers modifiers);
    // The modifiers of a key event: with the key itself when it is Shift, Ctrl or Alt.
    static int keyShiftValue(int key, Qt::KeyboardModifiers modifiers);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    Events* events_ = nullptr;
    int pointer_ = kPointerDefault;
    QCursor mouseIcon_;
};

}  // namespace ferlo
