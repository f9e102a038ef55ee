#include "editor/render_mouse.h"

#include <QMouseEvent>

#include "editor/drawing_area.h"
#include "editor/failure_rule.h"
#include "editor/render_view.h"
#include "editor/screen_measure.h"
#include "ui_core/camera_drag.h"
#include "ui_core/flight.h"

namespace ferlo {

namespace {

constexpr double kTwipsPerInch = 1440;

}  // namespace

RenderMouse::RenderMouse(const ScreenMeasure& screen, RenderView& view, FlightState& flight)
    : screen_(screen), view_(view), flight_(flight) {
    QWidget* widget = view_.widget();
    widget->setMouseTracking(true);
    widget->installEventFilter(this);
}

double RenderMouse::twips(double pixels) const {
    return pixels * kTwipsPerInch / screen_.logicalDpi();
}

bool RenderMouse::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove && type != QEvent::MouseButtonRelease) {
        return QObject::eventFilter(watched, event);
    }
    const auto* mouse = static_cast<QMouseEvent*>(event);
    const double x = twips(mouse->position().x());
    const double y = twips(mouse->position().y());
    const int shift = DrawingArea::shiftValue(mouse->modifiers());
    switch (type) {
    case QEvent::MouseButtonPress:
        render_MouseDown(DrawingArea::buttonValue(mouse->button()), shift, x, y);
        break;
    case QEvent::MouseMove:
        Render_MouseMove(DrawingArea::buttonValue(mouse->buttons()), shift, x, y);
        break;
    default:
        Render_MouseUp(DrawingArea::buttonValue(mouse->button()), shift, x, y);
        break;
    }
    return true;
}

void RenderMouse::render_MouseDown(int button, int shift, double x, double y) {
    FlightState& flight = flight_;
    if (flight.flying) {
        clickFlightSpeed(flight, button);
        return;
    }
    startCameraDrags(view_.camera(), button, shift, x, y);
}

void RenderMouse::Render_MouseMove(int, int, double x, double y) {
    FlightState& flight = flight_;
    if (flight.flying) {
        if (flight.useJoystick) return;
        const QSize screen = screen_.screenSize();
        steerWithMouse(flight, x, y, twips(screen.width()), twips(screen.height()));
        return;
    }
    RenderView& view = view_;
    for (const CameraPose& pose : dragPoses(view.camera(), x, y)) {
        skipOnFailure([&] { view.setViewTransform(pose.panX, pose.panY, pose.zoom, pose.yaw, pose.pitch); });
        skipOnFailure([&] { view.renderScene(false); });
    }
}

// A zoom released outside its bounds is not committed: the picture goes
// back to the committed camera, so the next drag starts from what is shown.
void RenderMouse::Render_MouseUp(int, int, double x, double y) {
    RenderView& view = view_;
    const bool zoomRefused = endCameraDrags(view.camera(), x, y);
    if (!zoomRefused || flight_.flying) return;
    const CameraPose pose = committedPose(view.camera());
    skipOnFailure([&] { view.setViewTransform(pose.panX, pose.panY, pose.zoom, pose.yaw, pose.pitch); });
    skipOnFailure([&] { view.renderScene(false); });
}

}  // namespace ferlo
