#include "view3d/surface_format.h"

namespace ferlo {

QSurfaceFormat sceneSurfaceFormat() {
    QSurfaceFormat format;
    format.setRenderableType(QSurfaceFormat::OpenGL);
    format.setProfile(QSurfaceFormat::CompatibilityProfile);
    format.setSwapBehavior(QSurfaceFormat::DoubleBuffer);
    format.setRedBufferSize(8);
    format.setGreenBufferSize(8);
    format.setBlueBufferSize(8);
    format.setDepthBufferSize(24);
    return format;
}

void setDefaultSurfaceFormat() { QSurfaceFormat::setDefaultFormat(sceneSurfaceFormat()); }

}  // namespace ferlo
