#include "editor/drawing/drawing_area.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace ferlo {

DrawingArea::DrawingArea(QWidget* parent) : CanvasWidget(parent) {
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
}

void DrawingArea::setMousePointer(int value) {
    if (value == pointer_) return;
    pointer_ = value;
    switch (value) {
    case kPointerCross:
        setCursor(Qt::CrossCursor);
        break;
    case kPointerSizeAll:
        setCursor(Qt::SizeAllCursor);
        break;
    case kPointerSizeNS:
        setCursor(Qt::SizeVerCursor);
        break;
    case kPointerSizeWE:
        setCursor(Qt::SizeHorCursor);
        break;
    case kPointerCustom:
        setCursor(mouseIcon_);
        break;
    default:
        setCursor(Qt::ArrowCursor);
        break;
    }
}

void DrawingArea::setMouseIcon(const QCursor& icon) {
    mouseIcon_ = icon;
    if (pointer_ == kPointerCustom) setCursor(mouseIcon_);
}

int DrawingArea::buttonValue(Qt::MouseButtons buttons) {
    return (buttons & Qt::LeftButton ? 1 : 0) | (buttons & Qt::RightButton ? 2 : 0) |
           (buttons & Qt::MiddleButton ? 4 : 0);
}

int DrawingArea::shiftValue(Qt::KeyboardModifiers modifiers) {
    return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0) |
           (modifiers & Qt::AltModifier ? 4 : 0);
}

// A press reports every button held, the new one included; a release the
// button released; a move the buttons held.
void DrawingArea::mousePressEvent(QMouseEvent* event) {
    if (events_ == nullptr) return;
    const QPointF p = event->position();
    events_->mouseDown(buttonValue(event->buttons()), shiftValue(event->modifiers()), p.x(), p.y());
}

void DrawingArea::mouseMoveEvent(QMouseEvent* event) {
    if (events_ == nullptr) return;
    const QPointF p = event->position();
    events_->mouseMove(buttonValue(event->buttons()), shiftValue(event->modifiers()), p.x(), p.y());
}

void DrawingArea::mouseReleaseEvent(QMouseEvent* event) {
    if (events_ == nullptr) return;
    const QPointF p = event->position();
    events_->mouseUp(buttonValue(event->button()), shiftValue(event->modifiers()), p.x(), p.y());
}

int DrawingArea::keyShiftValue(int key, Qt::KeyboardModifiers modifiers) {
    const int own = key == Qt::Key_Shift ? 1 : key == Qt::Key_Control ? 2 : key == Qt::Key_Alt ? 4 : 0;
    return shiftValue(modifiers) | own;
}

void DrawingArea::keyPressEvent(QKeyEvent* event) {
    if (events_ != nullptr) events_->keyDown(event->key(), keyShiftValue(event->key(), event->modifiers()));
}

void DrawingArea::keyReleaseEvent(QKeyEvent* event) {
    if (event->isAutoRepeat() || events_ == nullptr) return;
    events_->keyUp(event->key(), keyShiftValue(event->key(), event->modifiers()));
}

}  // namespace ferlo
