#pragma once

#include <memory>

#include <QCursor>

#include "document/mouse_protocol.h"
#include "editor/drawing_area.h"
#include "editor/pointer_shapes.h"

class QObject;

namespace ferlo {

class MainWindow;

// What the drawing area's mouse and keys do (`DrawArea_MouseDown`,
// `DrawArea_MouseMove`, `DrawArea_MouseUp`, `DrawArea_keydown`,
// `DrawArea_KeyUp`), its popup's modifier items and the pointer shape. The
// handlers are plain methods, called by the drawing area's events and
// directly (the demonstration drives gestures through them).
//
// While a part is dragged the drawing area holds a drag picture taken at
// the grab: the parts that do not move are not drawn again, and each move
// repairs only what the moving outlines touched.
class DrawingAreaInput : public DrawingArea::Events {
public:
    explicit DrawingAreaInput(MainWindow& main);
    ~DrawingAreaInput() override;

    // ---- The mouse (drawing_area_input.cpp) ----
    // `button` and `shift` are bit sets (1 left, 2 right, 4 middle; 1 Shift,
    // 2 Ctrl, 4 Alt); x and y are drawing-area pixels.
    void mouseDown(int button, int shift, double x, double y) override;
    void mouseMove(int button, int shift, double x, double y) override;
    void mouseUp(int button, int shift, double x, double y) override;
    // Some part the current view edits is grabbed.
    bool dragUnderWay();
    // Draws the parts of the current view over the drawing area, which the
    // caller has just cleared and given its tracing picture; while a drag is
    // under way as a drag picture.
    void drawView();

    // ---- Keys, popup items and the pointer (drawing_area_keys.cpp) ----
    void keyDown(int keyCode, int shift) override;
    // Any key released: the modifiers cleared and the mouse-up processing.
    void keyUp(int keyCode, int shift) override;
    // The main window's own key-up (`Form_KeyUp`): the view redrawn.
    void formKeyUp();
    // "Change Direction (Shift + Click)" and "Insert/Remove Section (Ctrl + Click)".
    void changeClick();
    void insRemClick();
    // The pointer from what lies under it and the modifiers (`updateMousePointer`).
    void updateMousePointer();

private:
    // The protocol, following the window's view and open tab.
    MouseProtocol& protocol();
    // Clears the drawing area with the view's tracing picture and draws the view.
    void paintView();
    void followGrabWithTab();
    void refillPanels();
    void shortcut(int keyCode, int shift);
    void askFrustumSize();

    MainWindow& main_;
    MouseProtocol mouse_;
    PointerIcon icon_ = PointerIcon::NorthSouth;  // the custom pointer shown with value 99
    std::unique_ptr<QObject> windowKeys_;         // the main window's key-ups
};

}  // namespace ferlo
