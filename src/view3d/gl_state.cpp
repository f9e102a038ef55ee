#include "view3d/gl_state.h"

#include <GL/gl.h>

namespace ferlo {

void applyFixedState() {
    glEnable(GL_NORMALIZE);
    glEnable(GL_DITHER);
    glDepthFunc(GL_LEQUAL);
    glEnable(GL_DEPTH_TEST);
    glClearDepth(1.0);
    glClearColor(0, 0, 0, 0);
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);

    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    const GLfloat lightFromBelowAhead[] = {
        static_cast<GLfloat>(kFixedLightPosition[0]), static_cast<GLfloat>(kFixedLightPosition[1]),
        static_cast<GLfloat>(kFixedLightPosition[2]), static_cast<GLfloat>(kFixedLightPosition[3])};
    glLightfv(GL_LIGHT0, GL_POSITION, lightFromBelowAhead);

    const GLfloat black[] = {0, 0, 0, 1};
    const GLfloat noEmission[] = {0, 0, 0, 0};
    glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE, black);
    glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, black);
    glMaterialfv(GL_FRONT_AND_BACK, GL_EMISSION, noEmission);
    const GLfloat ambient[] = {0.45f, 0.45f, 0.45f, 0};
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, ambient);
}

void loadProjection(const Frustum& frustum) {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glFrustum(frustum.left, frustum.right, frustum.bottom, frustum.top, frustum.nearPlane, frustum.farPlane);
    glMatrixMode(GL_MODELVIEW);
}

void loadCamera(const CameraTransform& camera) {
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    const GLfloat light[] = {static_cast<GLfloat>(camera.lightPosition[0]),
                             static_cast<GLfloat>(camera.lightPosition[1]),
                             static_cast<GLfloat>(camera.lightPosition[2]),
                             static_cast<GLfloat>(camera.lightPosition[3])};
    glLightfv(GL_LIGHT0, GL_POSITION, light);
    glLoadMatrixd(camera.modelView.data());
}

}  // namespace ferlo
