#pragma once

#include <QSurfaceFormat>

namespace ferlo {

// The OpenGL the 3D view draws with: a compatibility profile (display
// lists, immediate mode, fixed-function lights and materials), double
// buffered RGB with 8 bits a channel and a 24-bit depth buffer (near plane
// 100 and far plane 10000 fight with 16 bits).
QSurfaceFormat sceneSurfaceFormat();

// Makes it the application's default; the program sets it before its
// application object is made.
void setDefaultSurfaceFormat();

// Whether the display gives a context of `format` that the 3D view can draw
// with (see usableContext) and that can be made current. Where it gives none
// (no GLX or EGL), a window holding the 3D view cannot be shown at all, so
// the program asks before it shows one.
bool canMakeSceneContext(const QSurfaceFormat& format);

}  // namespace ferlo
