#pragma once

#include <memory>

class QWidget;

namespace ferlo {

class Plane;
class RenderView;
class UserDialogs;

// The one place where the editor makes its 3D view: the OpenGL scene view of
// `plane` inside the 3D box `box`, with the program's image conversion, its
// progress window and the fatal error's box. Texture images that fail while
// the scene is rebuilt (when the view next draws) are shown through
// `dialogs` once the event loop is back.
std::unique_ptr<RenderView> createSceneView(Plane& plane, QWidget& box, UserDialogs& dialogs);

}  // namespace ferlo
