#include "editor/flying_preview.h"

#include <QAction>
#include <QShortcut>
#include <QStatusBar>
#include <QToolBar>

#include "editor/editor_environment.h"
#include "editor/failure_rule.h"
#include "editor/main_window.h"
#include "editor/render_view.h"
#include "editor/screen_measure.h"
#include "editor/toolbar_commands.h"
#include "ui_core/joystick.h"

namespace ferlo {

FlyingPreview::FlyingPreview(MainWindow& main)
    : FlyingInfo(new QStatusBar(&main)), main_(main), escape_(new QShortcut(Qt::Key_Escape, &main)) {
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
    main_.toolbarCommands().flyingPreview = [this](bool down) { down ? start() : end(); };
}

FlyingPreview::~FlyingPreview() = default;

void FlyingPreview::start() {
    if (flight_.flying) return;
    const EditorEnvironment& env = main_.environment();
    main_.toolbarCommands().setFlying(true);
    joystick_ = env.openJoystick ? env.openJoystick() : nullptr;
    startFlight(flight_, joystick_ ? joystick_->read() : std::nullopt);

    // The box covers the window at the screen's size below the toolbar, whose
    // FlyingPreview button ends the flight.
    QWidget& box = *main_.controls().Render;
    renderPlace_ = box.geometry();
    box.setGeometry(QRect(QPoint(0, main_.controls().Bar->geometry().bottom() + 1), env.screen.screenSize()));
    box.show();
    box.raise();
    FlyingInfo->setGeometry(0, main_.height() - FlyingInfo->sizeHint().height(), main_.width(),
                            FlyingInfo->sizeHint().height());
    showSteering();
    FlyingInfo->show();
    FlyingInfo->raise();

    RenderView& view = main_.renderView();
    skipOnFailure([&] { view.initGLFrustum(kFlightFrustumSize); });
    skipOnFailure([&] { view.setCameraTransform(flightTransform(flight_, main_.plane().units)); });
    main_.renderScene(true);
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
    RenderView& view = main_.renderView();
    skipOnFailure([&] { view.setCameraTransform(flightTransform(flight_, main_.plane().units)); });
    main_.renderScene(false);
}

void FlyingPreview::end() {
    if (!flight_.flying) return;
    timer_.stop();
    escape_->setEnabled(false);
    flight_.useJoystick = false;
    flight_.flying = false;
    joystick_.reset();
    main_.controls().Render->setGeometry(renderPlace_);
    skipOnFailure([&] { main_.renderView().initGL(); });
    FlyingInfo->hide();
    main_.toolbarCommands().setFlying(false);
    main_.controls().button(QStringLiteral("FlyingPreview"))->setChecked(false);
    main_.endLongOperation = nullptr;
}

}  // namespace ferlo
