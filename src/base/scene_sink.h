#pragma once

#include <cstdint>
#include <vector>

#include "base/geometry.h"
#include "base/texture_upload.h"

namespace ferlo {

// What the 3D scene emits, in the order the 3D view hands it to OpenGL: part
// materials, blending, textures and primitives of vertices with their normals
// and texture coordinates, as `Canvas` serves the 2D views. The 3D view's
// implementation makes the OpenGL 1.1 calls (recorded into its display list);
// a recording one serves the tests.
class SceneSink {
public:
    enum class Primitive { TriangleStrip, QuadStrip, Quads };

    virtual ~SceneSink() = default;

    // Ambient and diffuse colour of front and back faces: `rgb` on the
    // 0..255 scale of a part colour, `alpha` 0..1 (shown where blending is on).
    virtual void material(const ColorRGB& rgb, float alpha) = 0;
    virtual void blending(bool on) = 0;
    // A part's texture becomes the current one and texturing is on; `rgb`
    // holds width x height pixels of three bytes, row 0 first.
    virtual void texture(std::int32_t width, std::int32_t height, const std::vector<std::uint8_t>& rgb,
                         TextureWrap wrap) = 0;
    virtual void textureOff() = 0;
    virtual void begin(Primitive primitive) = 0;
    // The normal and texture coordinate of the vertices that follow.
    virtual void normal(const Point3D& n) = 0;
    virtual void texCoord(double u, double v) = 0;
    virtual void vertex(const Point3D& p) = 0;
    virtual void end() = 0;
};

}  // namespace ferlo
