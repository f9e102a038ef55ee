#pragma once

#include <memory>
#include <optional>

#include "ui_core/joystick.h"

namespace ferlo::testing {

// A joystick whose stick the test sets: `reading` is what every poll
// answers (nothing: unplugged); `polls` counts them.
struct FakeStick {
    std::optional<JoystickReading> reading;
    int polls = 0;
};

class FakeJoystick : public Joystick {
public:
    explicit FakeJoystick(std::shared_ptr<FakeStick> stick) : stick_(std::move(stick)) {}
    std::optional<JoystickReading> read() override {
        ++stick_->polls;
        return stick_->reading;
    }

private:
    std::shared_ptr<FakeStick> stick_;
};

}  // namespace ferlo::testing
