#pragma once

#include <optional>
#include <vector>

#include "base/scene_sink.h"

namespace ferlo {

// A scene sink that keeps what it is given, for tests of what the scene
// draws: every primitive with the material, blending and texturing it was
// drawn with, the blending switches and the textures in order.
class RecordingSceneSink : public SceneSink {
public:
    struct Vertex {
        Point3D position;
        Point3D normal;
        std::optional<Point2D> texCoord;  // given just before this vertex, if at all
    };

    struct Shape {
        Primitive primitive = Primitive::TriangleStrip;
        ColorRGB colour;
        float alpha = 1.0f;
        bool blending = false;
        bool textured = false;
        std::vector<Vertex> vertices;
    };

    struct Texture {
        std::int32_t width = 0;
        std::int32_t height = 0;
        TextureWrap wrap = TextureWrap::Clamp;
    };

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

    const std::vector<Shape>& shapes() const { return shapes_; }
    const std::vector<bool>& blendingSwitches() const { return blendingSwitches_; }
    const std::vector<Texture>& textures() const { return textures_; }
    // Whether every begin was ended and no vertex came outside a primitive.
    bool balanced() const { return balanced_ && !open_; }

private:
    Shape state_;  // the material, blending and texturing of the next shape
    Point3D normal_;
    std::optional<Point2D> texCoord_;
    bool open_ = false;
    bool balanced_ = true;
    std::vector<Shape> shapes_;
    std::vector<bool> blendingSwitches_;
    std::vector<Texture> textures_;
};

}  // namespace ferlo
