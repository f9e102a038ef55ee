#include "editor/flying_preview.h"

#include <QAction>
#include <QShortcut>
#include <QStatusBar>
#include <QToolBar>

#include "document/plane.h"
#include "editor/editor.h"
#include "editor/editor_environment.h"
#include "editor/failure_rule.h"
#include "editor/flight_commands.h"
#include "editor/main_controls.h"
#include "editor/render_view.h"
#include "editor/screen_measure.h"
#include "ui_core/joystick.h"

namespace ferlo {

FlyingPreview::FlyingPreview(Editor& main, RenderView& view, FlightCommands& commands)
    : FlyingInfo(new QStatusBar(main.controls().Main)),
      main_(main),
      view_(view),
      commands_(commands),
      escape_(new QShortcut(Qt::Key_Escape, main.controls().Main)) {
    FlyingInfo->setObjectName("FlyingInfo");
    FlyingInfo->setSizeGripEnabled(false);
    FlyingInfo->setAutoFillBackground(true);
    // A window of its own, so it can stand over the 3D view's native window.
    FlyingInfo->setAttribute(Qt::WA_NativeWindow);
    FlyingInfo->hide();
    escape_->setEnabled(false);
    QObject::connect(escape_, &QShortcut::activated, [this] { end(); });
    timer_.setInterval(kFrameInterval);
    QObject::connect(&timer_, &QTimer::timeout, [this] { frame(); });
    commands_.flyingPreview = [this](bool down) { down ? start() : end(); };
}

FlyingPreview::~FlyingPreview() = default;

void FlyingPreview::start() {
    if (flight_.flying) return;
    const EditorEnvironment& env = main_.environment();
    commands_.setFlying(true);
    joystick_ = env.openJoystick ? env.openJoystick() : nullptr;
    startFlight(flight_, joystick_ ? joystick_->read() : std::nullopt);

    // The box covers the window at the screen's size below the toolbar, whose
    // FlyingPreview button ends the flight.
    QWidget& box = *main_.controls().Render;
    renderPlace_ = box.geometry();
    box.setGeometry(QRect(QPoint(0, main_.controls().Bar->geometry().bottom() + 1), env.screen.screenSize()));
    box.show();
    box.raise();
    const QWidget& window = *main_.controls().Main;
    FlyingInfo->setGeometry(0, window.height() - FlyingInfo->sizeHint().height(), window.width(),
                            FlyingInfo->sizeHint().height());
    showSteering();
    FlyingInfo->show();
    FlyingInfo->raise();

    skipOnFailure([&] { view_.initGLFrustum(kFlightFrustumSize); });
    skipOnFailure([&] { view_.setCameraTransform(flightTransform(flight_, main_.plane().units)); });
    main_.follow(Effects::Rebuild3D);
    flight_.flying = true;
    main_.endLongOperation = [this] { end(); };
    escape_->setEnabled(true);
    timer_.start();
}

void FlyingPreview::showSteering() {
    FlyingInfo->showMessage(flight_.useJoystick ? QStringLiteral("Joystick enabled") : QStringLiteral("Mouse enabled"));
}

void FlyingPreview::frame() {
    if (!flight_.flying) return;
    if (flight_.useJoystick) {
        if (const std::optional<JoystickReading> stick = joystick_->read()) {
            steerWithJoystick(flight_, *stick);
        } else {
            // Unplugged: the mouse steers from here on, starting straight ahead.
            flight_.useJoystick = false;
            flight_.turnRateX = flight_.turnRateY = flight_.turnRateZ = 0;
            showSteering();
        }
    }
    advanceFlight(flight_);
    skipOnFailure([&] { view_.setCameraTransform(flightTransform(flight_, main_.plane().units)); });
    skipOnFailure([&] { view_.renderScene(false); });
}

void FlyingPreview::end() {
    if (!flight_.flying) return;
    timer_.stop();
    escape_->setEnabled(false);
    flight_.useJoystick = false;
    flight_.flying = false;
    joystick_.reset();
    main_.controls().Render->setGeometry(renderPlace_);
    skipOnFailure([&] { view_.initGL(); });
    FlyingInfo->hide();
    commands_.setFlying(false);
    main_.controls().button(QStringLiteral("FlyingPreview"))->setChecked(false);
    main_.endLongOperation = nullptr;
}

}  // namespace ferlo
