#pragma once

#include <optional>

#include "base/units.h"
#include "ui_core/camera.h"
#include "ui_core/joystick.h"
#include "ui_core/matrix4.h"

namespace ferlo {

// The flying preview's state (`Flying`). The flight moves the view, never
// the model: `modelView` is the flight's own view, built up frame by frame in
// flight units, and the model is shown scaled into them (`flightScale`).
struct FlightState {
    bool flying = false;       // a flight runs
    bool useJoystick = false;  // the joystick answered and steers
    double turnRateX = 0.0;    // degrees per frame about x
    double turnRateY = 0.0;    // about y
    double turnRateZ = 0.0;    // about z (joystick with a button held only)
    double flightSpeed = 0.0;  // flight units per frame along x
    double joyCentreX = 0.0;   // the stick at the start, taken as neutral
    double joyCentreY = 0.0;
    Matrix4 modelView = identityMatrix();
};

// The near half-width of the flight's projection and the starting speed.
inline constexpr double kFlightFrustumSize = 50;
inline constexpr double kStartFlightSpeed = 10;

// A flight starts: the joystick steers when `probe` holds a reading (its
// stick position becomes neutral), else the mouse; the rates are zero, the
// speed 10 and the view the starting one: 1000 units ahead, the model's z
// axis up the screen, turned by -45 degrees about it.
void startFlight(FlightState& flight, const std::optional<JoystickReading>& probe);

// The joystick's rates for this frame: the offset from neutral over 4000; x
// turns about x, or with a button held rolls about z (the x rate kept);
// y turns about y.
void steerWithJoystick(FlightState& flight, const JoystickReading& stick);

// The mouse's rates, without a joystick: the pointer's offset from the
// middle of a screen of `width` x `height`, over 500 (all in the 3D box's
// twips); the z rate stays as it is.
void steerWithMouse(FlightState& flight, double x, double y, double width, double height);

// A click during the flight: the left button halves the speed, the right
// one multiplies it by 1.5; others change nothing.
void clickFlightSpeed(FlightState& flight, int button);

// One frame's motion: turns by the y, x and z rates, then forward by the
// speed, each multiplied onto the flight's view.
void advanceFlight(FlightState& flight);

// The model's size in the flight: 0.1 times its millimetres, 2 times its inches.
double flightScale(LengthUnit units);

// The camera of the flight as it stands: its view with the model scaled into
// it, and light 0 where the fixed state puts it.
CameraTransform flightTransform(const FlightState& flight, LengthUnit units);

}  // namespace ferlo
