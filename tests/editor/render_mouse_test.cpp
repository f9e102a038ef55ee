#include "editor/flight/render_mouse.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTest>

#include <gtest/gtest.h>

#include "editor/window/render_view.h"
#include "support/editor_window.h"

namespace ferlo {
namespace {

using Camera = testing::RecordingRenderView::Camera;

// The editor with its 3D box under the mouse, at a given resolution (96
// dots per inch: 15 twips a pixel; 72: 20).
struct Box {
    explicit Box(double dpi) {
        window.screen.dpi = dpi;
        window.startSettled();
        camera().viewYaw = 900;
        camera().viewPitch = 200;
        window.render->calls.clear();
    }
    testing::EditorWindow window;
    QWidget& widget() { return *window.render->widget(); }
    CameraState& camera() { return window.render->camera(); }

    void send(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held,
              Qt::KeyboardModifiers mods = {}) {
        QMouseEvent event(type, at, widget().mapToGlobal(at), button, held, mods);
        QApplication::sendEvent(&widget(), &event);
    }
    void press(QPoint at, Qt::MouseButton button, Qt::KeyboardModifiers mods = {}) {
        send(QEvent::MouseButtonPress, at, button, button, mods);
    }
    void move(QPoint at, Qt::MouseButtons held, Qt::KeyboardModifiers mods = {}) {
        send(QEvent::MouseMove, at, Qt::NoButton, held, mods);
    }
    void release(QPoint at, Qt::MouseButton button, Qt::KeyboardModifiers mods = {}) {
        send(QEvent::MouseButtonRelease, at, button, Qt::NoButton, mods);
    }
    bool dragging() { return camera().rotateDrag || camera().zoomDrag || camera().panDrag; }
};

// A 10-pixel left drag to the right at 96 dots per inch turns the view by
// 150 tenths of a degree: shown while dragging, committed on release with
// no further picture. Ctrl, or Shift with Ctrl, turns as well.
TEST(RenderMouse, ALeftDragTurnsTheViewAndCommitsOnRelease) {
    for (Qt::KeyboardModifiers mods : {Qt::KeyboardModifiers(), Qt::KeyboardModifiers(Qt::ControlModifier),
                                       Qt::KeyboardModifiers(Qt::ShiftModifier | Qt::ControlModifier)}) {
        SCOPED_TRACE(static_cast<int>(mods));
        Box box(96);
        box.press({100, 80}, Qt::LeftButton, mods);
        box.move({110, 80}, Qt::LeftButton, mods);
        ASSERT_EQ(box.window.render->cameras.size(), 1u);
        EXPECT_EQ(box.window.render->cameras[0], (Camera{0, 0, 0, 1050, 200}));
        EXPECT_EQ(box.camera().viewYaw, 900);  // not yet committed
        box.move({110, 84}, Qt::LeftButton, mods);
        EXPECT_EQ(box.window.render->cameras.back(), (Camera{0, 0, 0, 1050, 260}));
        EXPECT_EQ(box.window.render->calls, (std::vector<std::string>{"camera", "render", "camera", "render"}));

        box.release({110, 84}, Qt::LeftButton, mods);
        EXPECT_EQ(box.camera().viewYaw, 1050);
        EXPECT_EQ(box.camera().viewPitch, 260);
        EXPECT_FALSE(box.dragging());
        EXPECT_EQ(box.window.render->calls.size(), 4u);
    }
}

// The left button with Shift alone zooms by the vertical travel (20 twips
// a pixel at 72 dots per inch). The release commits a zoom strictly between
// -200 and 1800; outside, the committed zoom stays and the picture returns
// to it at once.
TEST(RenderMouse, TheShiftZoomIsCommittedWithinItsBounds) {
    struct Case {
        int pixels;
        double zoomAfter;
        bool redrawn;
    };
    const Case cases[] = {
        {-11, 0, true}, {-10, 0, true}, {-9, -180, false}, {0, 0, false},
        {89, 1780, false}, {90, 0, true}, {91, 0, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pixels);
        Box box(72);
        box.press({50, 200}, Qt::LeftButton, Qt::ShiftModifier);
        box.move({50, 200 + c.pixels}, Qt::LeftButton, Qt::ShiftModifier);
        EXPECT_EQ(box.window.render->cameras.back(), (Camera{0, 0, 20.0 * c.pixels, 900, 200}));
        box.window.render->calls.clear();
        box.release({50, 200 + c.pixels}, Qt::LeftButton, Qt::ShiftModifier);
        EXPECT_EQ(box.camera().viewZoom, c.zoomAfter);
        if (c.redrawn) {
            EXPECT_EQ(box.window.render->calls, (std::vector<std::string>{"camera", "render"}));
            EXPECT_EQ(box.window.render->cameras.back(), (Camera{0, 0, 0, 900, 200}));
        } else {
            EXPECT_TRUE(box.window.render->calls.empty());
        }
        // The next drag starts from the committed zoom.
        box.press({50, 300}, Qt::LeftButton, Qt::ShiftModifier);
        box.move({50, 301}, Qt::LeftButton, Qt::ShiftModifier);
        EXPECT_EQ(box.window.render->cameras.back().zoom, c.zoomAfter + 20);
    }
}

// The right button shifts the view: right adds to the x pan, down
// subtracts from the y pan. The middle button starts nothing.
TEST(RenderMouse, TheRightButtonPansAndTheMiddleOneDoesNothing) {
    Box box(96);
    box.camera().viewPanX = 30;
    box.camera().viewPanY = -45;
    box.press({200, 100}, Qt::RightButton);
    box.move({210, 105}, Qt::RightButton);
    EXPECT_EQ(box.window.render->cameras.back(), (Camera{180, -120, 0, 900, 200}));
    box.move({190, 90}, Qt::RightButton);
    EXPECT_EQ(box.window.render->cameras.back(), (Camera{-120, 105, 0, 900, 200}));
    box.release({190, 90}, Qt::RightButton);
    EXPECT_EQ(box.camera().viewPanX, -120);
    EXPECT_EQ(box.camera().viewPanY, 105);

    box.window.render->calls.clear();
    box.press({100, 100}, Qt::MiddleButton);
    EXPECT_FALSE(box.dragging());
    box.move({140, 160}, Qt::MiddleButton);
    box.release({140, 160}, Qt::MiddleButton);
    EXPECT_TRUE(box.window.render->calls.empty());
    EXPECT_EQ(box.camera().viewYaw, 900);
    EXPECT_EQ(box.camera().viewPanX, -120);
}

}  // namespace
}  // namespace ferlo
