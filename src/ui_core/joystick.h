#pragma once

#include <optional>

namespace ferlo {

// What the first joystick reports: the stick's two axes on 0..65535 (the
// middle about 32768) and whether any button is held.
struct JoystickReading {
    double x = 0.0;
    double y = 0.0;
    bool buttonHeld = false;
};

// The first joystick, polled once a frame by the flying preview.
class Joystick {
public:
    virtual ~Joystick() = default;
    // The stick and buttons now; nothing when no joystick answers (none
    // attached, or unplugged since).
    virtual std::optional<JoystickReading> read() = 0;
};

}  // namespace ferlo
