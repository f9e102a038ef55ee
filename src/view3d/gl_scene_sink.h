#pragma once

#include <array>
#include <vector>

#include "base/scene_sink.h"
#include "view3d/gl_texture_upload.h"

namespace ferlo {

// The scene on OpenGL 1.1 calls in the current context (and so recorded into
// a display list while one is being compiled). Each primitive's vertices are
// gathered with their normals (and texture coordinates while a texture is
// on) into one array and drawn with one glDrawArrays, which a display list
// takes in whole: a vertex costs no call of its own. The arrays are kept
// from one primitive to the next, so they hold one primitive at a time.
class GlSceneSink : public SceneSink {
public:
    ~GlSceneSink() override;

    void material(const ColorRGB& rgb, float alpha) override;
    void blending(bool on) override;
    void texture(std::int32_t width, std::int32_t height, const std::vector<std::uint8_t>& rgb,
                 TextureWrap wrap) override;
    void textureOff() override;
    void begin(Primitive primitive) override;
    void normal(const Point3D& n) override;
    void texCoord(double u, double v) override;
    void vertex(const Point3D& p) override;
    void end() override;

private:
    // One vertex as glInterleavedArrays reads GL_T2F_N3F_V3F.
    using Vertex = std::array<float, 8>;

    GlTextureUpload upload_;
    bool textured_ = false;
    unsigned int mode_ = 0;
    // What a vertex takes when none is given before it: OpenGL's initial
    // current values, then the last given, as immediate mode would.
    std::array<float, 2> texCoord_{0, 0};
    std::array<float, 3> normal_{0, 0, 1};
    std::vector<Vertex> vertices_;
    bool arraysSet_ = false;  // client arrays enabled by this sink
};

}  // namespace ferlo
