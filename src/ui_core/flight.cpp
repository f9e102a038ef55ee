#include "ui_core/flight.h"

#include "ui_core/camera_drag.h"

namespace ferlo {

namespace {

constexpr double kJoystickDivisor = 4000;
constexpr double kMouseDivisor = 500;

}  // namespace

void startFlight(FlightState& flight, const std::optional<JoystickReading>& probe) {
    flight.useJoystick = probe.has_value();
    flight.turnRateX = flight.turnRateY = flight.turnRateZ = 0;
    flight.flightSpeed = kStartFlightSpeed;
    flight.modelView = translation(0, 0, -1000) * rotation(-90, 1, 0, 0) * rotation(-45, 0, 0, 1);
    if (probe) {
        flight.joyCentreX = probe->x;
        flight.joyCentreY = probe->y;
    }
}

void steerWithJoystick(FlightState& flight, const JoystickReading& stick) {
    const double across = -(stick.x - flight.joyCentreX) / kJoystickDivisor;
    if (stick.buttonHeld) {
        flight.turnRateZ = across;
    } else {
        flight.turnRateX = across;
        flight.turnRateZ = 0;
    }
    flight.turnRateY = (stick.y - flight.joyCentreY) / kJoystickDivisor;
}

void steerWithMouse(FlightState& flight, double x, double y, double width, double height) {
    flight.turnRateX = (width / 2 - x) / kMouseDivisor;
    flight.turnRateY = (y - height / 2) / kMouseDivisor;
}

void clickFlightSpeed(FlightState& flight, int button) {
    if (button == kMouseLeft) flight.flightSpeed *= 0.5;
    if (button == kMouseRight) flight.flightSpeed *= 1.5;
}

void advanceFlight(FlightState& flight) {
    flight.modelView = flight.modelView * rotation(flight.turnRateY, 0, 1, 0) * rotation(flight.turnRateX, 1, 0, 0) *
                       rotation(flight.turnRateZ, 0, 0, 1) * translation(-flight.flightSpeed, 0, 0);
}

double flightScale(LengthUnit units) { return units == LengthUnit::Millimeters ? 0.1 : 2.0; }

CameraTransform flightTransform(const FlightState& flight, LengthUnit units) {
    CameraTransform transform;
    transform.modelView = flight.modelView * scaling(flightScale(units));
    transform.lightPosition = kFixedLightPosition;
    return transform;
}

}  // namespace ferlo
