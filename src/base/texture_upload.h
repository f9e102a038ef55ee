#pragma once

#include <cstdint>
#include <vector>

namespace ferlo {

// How texture coordinates outside 0..1 read the image: clamped to its edge
// (wing halves, fin) or repeating it (fuselage).
enum class TextureWrap { Clamp, Repeat };

// Hands a part's texture to the 3D view as the current 2D texture and enables
// texturing; called with the 3D view's rendering context current. `rgb` holds
// three bytes (red, green, blue) a pixel, row after row, row 0 first.
class TextureUpload {
public:
    virtual ~TextureUpload() = default;

    virtual void upload(std::int32_t width, std::int32_t height, const std::vector<std::uint8_t>& rgb,
                        TextureWrap wrap) = 0;
};

// The texture scaled down (nearest pixel) to `newWidth` x `newHeight`, for a
// renderer that cannot hold it at full size. `rgb` holds width x height pixels.
std::vector<std::uint8_t> shrinkTexture(const std::vector<std::uint8_t>& rgb, std::int32_t width,
                                        std::int32_t height, std::int32_t newWidth, std::int32_t newHeight);

}  // namespace ferlo
