#include "view3d/sdl_joystick.h"

#include <gtest/gtest.h>

namespace ferlo {
namespace {

// The first joystick through SDL: without one attached (as on a test
// machine) it answers nothing, so a flight falls back to the mouse.
TEST(SdlJoystick, AnswersNothingWithoutAJoystick) {
    const std::unique_ptr<Joystick> joystick = openSdlJoystick();
    EXPECT_FALSE(joystick->read().has_value());
    EXPECT_FALSE(joystick->read().has_value());
}

}  // namespace
}  // namespace ferlo
