#pragma once

#include <memory>

#include "ui_core/joystick.h"

namespace ferlo {

// The first joystick through SDL2's joystick subsystem, which lives as long
// as the object.
std::unique_ptr<Joystick> openSdlJoystick();

}  // namespace ferlo
