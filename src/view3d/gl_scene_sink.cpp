#include "view3d/gl_scene_sink.h"

#include <GL/gl.h>

namespace ferlo {

GlSceneSink::~GlSceneSink() {
    if (!arraysSet_) return;
    glDisableClientState(GL_VERTEX_ARRAY);
    glDisableClientState(GL_NORMAL_ARRAY);
    glDisableClientState(GL_TEXTURE_COORD_ARRAY);
}

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
    textured_ = true;
}

void GlSceneSink::textureOff() {
    glDisable(GL_TEXTURE_2D);
    textured_ = false;
}

void GlSceneSink::begin(Primitive primitive) {
    switch (primitive) {
    case Primitive::TriangleStrip: mode_ = GL_TRIANGLE_STRIP; break;
    case Primitive::QuadStrip: mode_ = GL_QUAD_STRIP; break;
    case Primitive::Quads: mode_ = GL_QUADS; break;
    }
    vertices_.clear();
}

void GlSceneSink::normal(const Point3D& n) {
    normal_ = {static_cast<float>(n.x), static_cast<float>(n.y), static_cast<float>(n.z)};
}

void GlSceneSink::texCoord(double u, double v) { texCoord_ = {static_cast<float>(u), static_cast<float>(v)}; }

void GlSceneSink::vertex(const Point3D& p) {
    vertices_.push_back({texCoord_[0], texCoord_[1], normal_[0], normal_[1], normal_[2], static_cast<float>(p.x),
                         static_cast<float>(p.y), static_cast<float>(p.z)});
}

void GlSceneSink::end() {
    if (vertices_.empty()) return;
    // Without a texture the coordinates would only take room in the list.
    const float* data = vertices_.front().data();
    if (textured_) {
        glInterleavedArrays(GL_T2F_N3F_V3F, sizeof(Vertex), data);
    } else {
        glInterleavedArrays(GL_N3F_V3F, sizeof(Vertex), data + 2);
    }
    arraysSet_ = true;
    glDrawArrays(mode_, 0, static_cast<GLsizei>(vertices_.size()));
}

}  // namespace ferlo
