#pragma once

#include <memory>

class QWidget;

namespace ferlo {

class Plane;
class RenderView;

// The one place where the editor makes its 3D view, for `plane`, inside the
// 3D box `box`.
std::unique_ptr<RenderView> createSceneView(Plane& plane, QWidget& box);

}  // namespace ferlo
