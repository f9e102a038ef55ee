#pragma once

#include <QSurfaceFormat>

namespace ferlo {

// The OpenGL the 3D view draws with: a compatibility profile (display
// lists, immediate mode, fixed-function lights and materials), double
// buffered RGB with 8 bits a channel and a 24-bit depth buffer (near plane
// 100 and far plane 10000 fight with 16 bits).
QSurfaceFormat sceneSurfaceFormat();

// Makes it the application's default; main() calls it before the
// application object is made.
void setDefaultSurfaceFormat();

}  // namespace ferlo
