#include "view3d/surface_format.h"

#include <QOffscreenSurface>
#include <QOpenGLContext>

#include "view3d/fatal_error.h"

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

bool canMakeSceneContext(const QSurfaceFormat& format) {
    QOpenGLContext context;
    context.setFormat(format);
    if (!context.create() || !usableContext(&context)) return false;
    QOffscreenSurface surface;
    surface.setFormat(context.format());
    surface.create();
    if (!surface.isValid() || !context.makeCurrent(&surface)) return false;
    context.doneCurrent();
    return true;
}

}  // namespace ferlo
