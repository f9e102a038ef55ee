#include "view3d/gl_scene_sink.h"

#include <GL/gl.h>

namespace ferlo {

void GlSceneSink::material(const ColorRGB& rgb, float alpha) {
    const GLfloat colour[] = {static_cast<GLfloat>(rgb.red / 255), static_cast<GLfloat>(rgb.green / 255),
                              static_cast<GLfloat>(rgb.blue / 255), alpha};
    glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE, colour);
}

void GlSceneSink::blending(bool on) {
    if (on) {
        glEnable(GL_BLEND);
    } else {
        glDisable(GL_BLEND);
    }
}

void GlSceneSink::texture(std::int32_t width, std::int32_t height, const std::vector<std::uint8_t>& rgb,
                          TextureWrap wrap) {
    upload_.upload(width, height, rgb, wrap);
}

void GlSceneSink::textureOff() { glDisable(GL_TEXTURE_2D); }

void GlSceneSink::begin(Primitive primitive) {
    switch (primitive) {
        case Primitive::TriangleStrip:
            glBegin(GL_TRIANGLE_STRIP);
            break;
        case Primitive::QuadStrip:
            glBegin(GL_QUAD_STRIP);
            break;
        case Primitive::Quads:
            glBegin(GL_QUADS);
            break;
    }
}

void GlSceneSink::normal(const Point3D& n) { glNormal3d(n.x, n.y, n.z); }

void GlSceneSink::texCoord(double u, double v) { glTexCoord2d(u, v); }

void GlSceneSink::vertex(const Point3D& p) { glVertex3d(p.x, p.y, p.z); }

void GlSceneSink::end() { glEnd(); }

}  // namespace ferlo
