#pragma once

#include "editor/drawing_area.h"

namespace ferlo {

class MainWindow;

// What the drawing area's mouse and keys do (`DrawArea_MouseDown`,
// `DrawArea_MouseMove`, `DrawArea_MouseUp`, `DrawArea_keydown`,
// `DrawArea_KeyUp`), callable directly as well (the demonstration does).
class DrawingAreaInput : public DrawingArea::Events {
public:
    explicit DrawingAreaInput(MainWindow& main);

    // The right button alone opens the popup menu at the pointer.
    void mouseDown(int button, int shift, double x, double y) override;
    // The drawing area takes the keyboard focus, so its keys act under the pointer.
    void mouseMove(int button, int shift, double x, double y) override;
    void mouseUp(int button, int shift, double x, double y) override;
    void keyDown(int keyCode, int shift) override;
    void keyUp(int keyCode, int shift) override;

private:
    MainWindow& main_;
};

}  // namespace ferlo
