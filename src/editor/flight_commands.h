#pragma once

#include <functional>

namespace ferlo {

// What the flying preview registers with and asks of the commands: the
// FlyingPreview button's hook, and every other command put aside while it
// flies.
class FlightCommands {
public:
    virtual ~FlightCommands() = default;

    // The flying preview's start (true) and end (false), run by the
    // FlyingPreview button as it goes down and up; none until the flight
    // registers.
    std::function<void(bool down)> flyingPreview;
    // During a flight every command but the FlyingPreview button is
    // disabled: the other toolbar buttons, the parameter tabs and the
    // drawing area. False gives each back the state it had.
    virtual void setFlying(bool flying) = 0;
};

}  // namespace ferlo
