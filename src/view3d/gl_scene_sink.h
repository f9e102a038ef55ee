#pragma once

#include "base/scene_sink.h"
#include "view3d/gl_texture_upload.h"

namespace ferlo {

// The scene on OpenGL 1.1 immediate-mode calls, made in the current context
// (and so recorded into a display list while one is being compiled).
class GlSceneSink : public SceneSink {
public:
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
    GlTextureUpload upload_;
};

}  // namespace ferlo
