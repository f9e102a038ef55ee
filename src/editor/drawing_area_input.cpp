#include "editor/drawing_area_input.h"

#include <QCursor>
#include <QMenu>

#include "editor/main_window.h"

namespace ferlo {

namespace {
constexpr int kRightButton = 2;
}  // namespace

DrawingAreaInput::DrawingAreaInput(MainWindow& main) : main_(main) {}

void DrawingAreaInput::mouseDown(int button, int, double, double) {
    if (button == kRightButton) main_.controls().Popup->popup(QCursor::pos());
}

void DrawingAreaInput::mouseMove(int, int, double, double) { main_.controls().DrawArea->setFocus(); }

void DrawingAreaInput::mouseUp(int, int, double, double) {}

void DrawingAreaInput::keyDown(int, int) {}

void DrawingAreaInput::keyUp(int, int) {}

}  // namespace ferlo
