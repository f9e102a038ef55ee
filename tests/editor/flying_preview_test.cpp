#include "editor/flight/flying_preview.h"

#include <cmath>
#include <string>

#include <QAction>
#include <QApplication>
#include <QMouseEvent>
#include <QStatusBar>
#include <QTabWidget>
#include <QTest>
#include <QToolBar>
#include <QWindow>

#include <gtest/gtest.h>

#include "editor/commands/preferences.h"
#include "editor/drawing/drawing_area.h"
#include "editor/window/render_view.h"
#include "editor/window/scene_view_host.h"
#include "support/editor_window.h"
#include "support/fake_joystick.h"
#include "support/project_text.h"
#include "support/snapshot.h"
#include "view3d/scene_view.h"

namespace ferlo {
namespace {

struct Flight {
    // The editor at 96 dots per inch (15 twips a pixel) on a 1280 x 1024
    // screen, with a joystick when `stick` is given.
    explicit Flight(std::shared_ptr<testing::FakeStick> stick = nullptr) {
        window.screen.dpi = 96;
        if (stick) window.env.openJoystick = [stick] { return std::make_unique<testing::FakeJoystick>(stick); };
    }
    testing::EditorWindow window;
    MainWindow& main = window.startSettled();
    FlyingPreview& flight = main.flyingPreview();
    FlightState& state = flight.state();
    QAction& button = *main.controls().button("FlyingPreview");

    void click(QPoint at, Qt::MouseButton button) {
        QWidget* box = main.renderView().widget();
        QMouseEvent press(QEvent::MouseButtonPress, at, box->mapToGlobal(at), button, button, Qt::NoModifier);
        QApplication::sendEvent(box, &press);
        QMouseEvent release(QEvent::MouseButtonRelease, at, box->mapToGlobal(at), button, Qt::NoButton,
                            Qt::NoModifier);
        QApplication::sendEvent(box, &release);
    }
    void hover(QPoint at) {
        QWidget* box = main.renderView().widget();
        QMouseEvent move(QEvent::MouseMove, at, box->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(box, &move);
    }
};

// Without a joystick the mouse steers: the status bar says so, the 3D box
// covers the window below the toolbar at the screen's size, the scene is
// rebuilt under the
// flight's projection, and every command but the flight's button is off.
// A left click then a right click leave the speed at 0.75 times 10 and start
// no drag; a move sets the x and y rates from the pointer's offset from the
// screen's middle (twips over 500) and nothing else. Releasing the button
// puts everything back.
TEST(FlyingPreview, TheMouseSteersWithoutAJoystick) {
    Flight f;
    const QRect place = f.main.controls().Render->geometry();
    f.button.trigger();
    ASSERT_TRUE(f.state.flying);
    EXPECT_FALSE(f.state.useJoystick);
    EXPECT_TRUE(f.flight.FlyingInfo->isVisible());
    EXPECT_EQ(f.flight.FlyingInfo->currentMessage(), "Mouse enabled");
    EXPECT_EQ(f.main.controls().Render->geometry(),
              QRect(QPoint(0, f.main.controls().Bar->geometry().bottom() + 1), QSize(1280, 1024)));
    EXPECT_EQ(f.window.render->calls, (std::vector<std::string>{"frustum", "transform", "rebuild"}));
    EXPECT_EQ(f.window.render->frustumSizes, std::vector<double>{50});
    EXPECT_TRUE(f.flight.frameTimer()->isActive());
    EXPECT_FALSE(f.main.controls().button("Save")->isEnabled());
    EXPECT_FALSE(f.main.controls().DrawArea->isEnabled());

    f.click({300, 200}, Qt::LeftButton);
    f.click({300, 200}, Qt::RightButton);
    EXPECT_DOUBLE_EQ(f.state.flightSpeed, 7.5);
    const CameraState& camera = f.main.renderView().camera();
    EXPECT_FALSE(camera.rotateDrag || camera.zoomDrag || camera.panDrag);
    EXPECT_EQ(f.state.turnRateX, 0);

    f.hover({100, 700});
    EXPECT_DOUBLE_EQ(f.state.turnRateX, (1280 * 15 / 2.0 - 100 * 15) / 500);
    EXPECT_DOUBLE_EQ(f.state.turnRateY, (700 * 15 - 1024 * 15 / 2.0) / 500);
    EXPECT_EQ(f.state.turnRateZ, 0);
    EXPECT_DOUBLE_EQ(f.state.flightSpeed, 7.5);
    EXPECT_EQ(f.window.render->count("camera"), 0);

    f.window.render->calls.clear();
    f.flight.frame();
    EXPECT_EQ(f.window.render->calls, (std::vector<std::string>{"transform", "render"}));

    f.button.trigger();
    EXPECT_FALSE(f.state.flying);
    EXPECT_FALSE(f.flight.frameTimer()->isActive());
    EXPECT_FALSE(f.flight.FlyingInfo->isVisible());
    EXPECT_EQ(f.main.controls().Render->geometry(), place);
    EXPECT_EQ(f.window.render->calls.back(), "initGL");
    EXPECT_TRUE(f.main.controls().button("Save")->isEnabled());
    EXPECT_TRUE(f.main.controls().DrawArea->isEnabled());
    // Outside a flight a click starts a drag again.
    f.click({300, 200}, Qt::LeftButton);
    EXPECT_DOUBLE_EQ(f.state.flightSpeed, 7.5);
}

// With a joystick: "Joystick enabled"; the stick's starting position is
// neutral (zero rates, straight ahead); the rates are the offset over 4000,
// x about x and y about y, or with a button held the x offset rolls about z
// and the x rate stays; the mouse changes no rate. Unplugged, the mouse
// steers from straight ahead.
TEST(FlyingPreview, AJoystickSteersAndUnpluggedHandsOverToTheMouse) {
    auto stick = std::make_shared<testing::FakeStick>();
    stick->reading = JoystickReading{30000, 34000, false};
    Flight f(stick);
    f.button.trigger();
    ASSERT_TRUE(f.state.useJoystick);
    EXPECT_EQ(f.flight.FlyingInfo->currentMessage(), "Joystick enabled");

    struct Step {
        JoystickReading stick;
        double x, y, z;
    };
    const Step steps[] = {
        {{30000, 34000, false}, 0, 0, 0},
        {{34000, 34000, false}, -1, 0, 0},
        {{26000, 36000, false}, 1, 0.5, 0},
        {{32000, 30000, true}, 1, -1, -0.5},
        {{32000, 30000, false}, -0.5, -1, 0},
    };
    for (const Step& s : steps) {
        stick->reading = s.stick;
        f.flight.frame();
        EXPECT_DOUBLE_EQ(f.state.turnRateX, s.x);
        EXPECT_DOUBLE_EQ(f.state.turnRateY, s.y);
        EXPECT_DOUBLE_EQ(f.state.turnRateZ, s.z);
    }
    f.hover({10, 10});
    EXPECT_DOUBLE_EQ(f.state.turnRateX, -0.5);

    stick->reading.reset();
    f.flight.frame();
    EXPECT_FALSE(f.state.useJoystick);
    EXPECT_EQ(f.flight.FlyingInfo->currentMessage(), "Mouse enabled");
    EXPECT_EQ(f.state.turnRateX, 0);
    EXPECT_EQ(f.state.turnRateY, 0);
    const int polls = stick->polls;
    f.flight.frame();
    EXPECT_EQ(stick->polls, polls);
    f.hover({10, 10});
    EXPECT_GT(f.state.turnRateX, 0);
    f.button.trigger();
}

// The flight moves the view, never the model: every stored length is the
// same, bit for bit, during and after a flight, in millimetres and in
// inches; the flight's picture shows the model at 0.1 times its millimetres
// (2 times its inches): the model's point 10 (or 0.5) along x lands where
// the flight's own point 1 does.
TEST(FlyingPreview, TheModelIsTheSameBitForBitAfterAFlight) {
    for (LengthUnit units : {LengthUnit::Millimeters, LengthUnit::Inches}) {
        Flight f;
        if (units == LengthUnit::Inches) {
            f.main.prefs().selectUnitOption(units);
            f.main.prefs().applyPreferences();
        }
        ASSERT_EQ(f.main.plane().units, units);
        const std::string before = testing::projectText(f.main.plane());
        f.button.trigger();
        for (int i = 0; i < 5; ++i) f.flight.frame();
        EXPECT_EQ(testing::projectText(f.main.plane()), before);
        const CameraTransform shown = f.window.render->transforms.back();
        const double along = units == LengthUnit::Millimeters ? 10 : 0.5;
        const auto model = transformPoint(shown.modelView, along, 0, 0);
        const auto flight = transformPoint(f.state.modelView, 1, 0, 0);
        for (int k = 0; k < 4; ++k) EXPECT_NEAR(model[k], flight[k], 1e-9);
        f.button.trigger();
        EXPECT_EQ(testing::projectText(f.main.plane()), before);
    }
}

// With the real 3D view: a few frames of a turning flight written as PNG
// files; then the window is closed in the middle of the flight, which ends
// the flight first (box back in place, frames stopped, commands enabled)
// and takes the window down cleanly.
TEST(FlyingPreview, FramesOfARealFlightAndClosingTheWindowMidFlight) {
    testing::EditorWindow window;
    window.env.makeRenderView = [&](Plane& plane, QWidget& box) { return createSceneView(plane, box, window.dialogs); };
    MainWindow& m = window.start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !m.controls().Timer1->isActive(); }, 5000));
    const QRect place = m.controls().Render->geometry();
    m.controls().button("FlyingPreview")->trigger();
    FlyingPreview& flight = m.flyingPreview();
    auto* scene = m.controls().Render->findChild<SceneView*>();
    ASSERT_NE(scene, nullptr);
    QTest::qWait(50);
    flight.frameTimer()->stop();  // the frames are stepped here
    flight.state().turnRateX = 1;
    flight.state().turnRateY = 0.4;
    int lit = 0;
    for (int picture = 1; picture <= 4; ++picture) {
        for (int i = 0; i < 8; ++i) flight.frame();
        const QImage frame = scene->grabFramebuffer();
        EXPECT_EQ(frame.size(), QSize(1280, 1024));
        for (int y = 0; y < frame.height(); y += 4) {
            for (int x = 0; x < frame.width(); x += 4) lit += qGray(frame.pixel(x, y)) > 40;
        }
        testing::saveOutputPng(frame, "flight_frame_" + std::to_string(picture));
    }
    EXPECT_GT(lit, 100);
    flight.frameTimer()->start();
    QTest::qWait(60);

    window.dialogs.answers = {true};
    ASSERT_TRUE(m.close());
    EXPECT_FALSE(flight.state().flying);
    EXPECT_FALSE(flight.frameTimer()->isActive());
    EXPECT_EQ(m.controls().Render->geometry(), place);
    EXPECT_TRUE(m.controls().Parameters->isEnabled());
    EXPECT_FALSE(m.endLongOperation);
    window.main.reset();
}

// The editor with the real 3D view on a 1280 x 1024 screen at 96 dots per
// inch, after the start-up timer's tick, its window active.
MainWindow& startWithRealView(testing::EditorWindow& window) {
    window.screen.dpi = 96;
    window.env.makeRenderView = [&](Plane& plane, QWidget& box) { return createSceneView(plane, box, window.dialogs); };
    MainWindow& m = window.start();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !m.controls().Timer1->isActive(); }, 5000));
    EXPECT_TRUE(window.activate());
    return m;
}

// The 3D view's native window, inside the main window.
QWindow* sceneWindow(MainWindow& m) {
    for (QWindow* child : m.windowHandle()->findChildren<QWindow*>()) {
        if (child->surfaceType() == QSurface::OpenGLSurface) return child;
    }
    return nullptr;
}

// Through the real window: during a flight the toolbar stays above the 3D
// box (and the status bar over it), so a click at the FlyingPreview
// button's place reaches the button and ends the flight; so does Escape,
// also after a click into the 3D view (which changes the speed and takes no
// keys). The window is as it was afterwards and every length of the model
// the same, bit for bit.
TEST(FlyingPreview, EndedByTheToolbarButtonOrByEscapeThroughTheWindow) {
    for (const bool byEscape : {false, true}) {
        SCOPED_TRACE(byEscape ? "Escape" : "button");
        testing::EditorWindow window;
        MainWindow& m = startWithRealView(window);
        const std::string lengths = testing::projectText(m.plane());
        const QRect place = m.controls().Render->geometry();
        QAction* action = m.controls().button("FlyingPreview");
        QWidget* button = m.controls().Bar->widgetForAction(action);
        const QPoint onButton = button->mapTo(&m, button->rect().center());
        FlyingPreview& flight = m.flyingPreview();

        QTest::mouseClick(m.windowHandle(), Qt::LeftButton, {}, onButton);
        ASSERT_TRUE(flight.state().flying);
        QTest::qWait(60);  // a few frames
        EXPECT_EQ(m.childAt(onButton), button);
        const QPoint onStatusBar = flight.FlyingInfo->geometry().center();
        EXPECT_EQ(m.childAt(onStatusBar)->window(), &m);
        EXPECT_TRUE(m.childAt(onStatusBar) == flight.FlyingInfo || flight.FlyingInfo->isAncestorOf(m.childAt(onStatusBar)));
        if (byEscape) {
            QWindow* scene = sceneWindow(m);
            ASSERT_NE(scene, nullptr);
            QTest::mouseClick(scene, Qt::LeftButton, {}, QPoint(300, 300));
            EXPECT_DOUBLE_EQ(flight.state().flightSpeed, 5);
            // Other tests' windows share the display, which has no window
            // manager: one of them may have taken the focus meanwhile.
            ASSERT_TRUE(window.activate());
            QWindow* focus = QGuiApplication::focusWindow();
            ASSERT_NE(focus, nullptr);
            QTest::keyClick(focus, Qt::Key_Escape);
        } else {
            QTest::mouseClick(m.windowHandle(), Qt::LeftButton, {}, onButton);
        }
        EXPECT_FALSE(flight.state().flying);
        EXPECT_FALSE(action->isChecked());
        EXPECT_FALSE(flight.FlyingInfo->isVisible());
        EXPECT_EQ(m.controls().Render->geometry(), place);
        EXPECT_TRUE(m.controls().DrawArea->isEnabled());
        EXPECT_EQ(testing::projectText(m.plane()), lengths);
    }
}

}  // namespace
}  // namespace ferlo
