#pragma once

#include <cstdint>
#include <string>

#include "base/image_converter.h"

namespace ferlo {

// The largest texture side. A larger power of two is brought down to it: a
// 4096 x 4096 texture holds 48 MB of bytes, and its bitmap copy beside the
// project is as large; above that the 3D view shows nothing more.
inline constexpr std::int64_t kMaxTextureSide = 4096;

struct TextureSize {
    std::int32_t width = 0;
    std::int32_t height = 0;
};

// The power of two nearest to `size` (at least 1) on a log2 scale: 300 gives
// 256, 400 gives 512; the threshold between 2^k and 2^(k+1) lies at
// 2^k x sqrt(2), so 181 gives 128 and 182 gives 256. A power of two stays.
std::int64_t nearestPowerOfTwo(std::int64_t size);

// The texture size of an image of `width` x `height` pixels (as turned):
// each side the nearest power of two, then at most kMaxTextureSide.
TextureSize textureSize(std::int64_t width, std::int64_t height);

// Loads `file` into the converter, decoded straight at about its texture
// size, turns it a quarter turn when `turn` is set and scales it to the
// texture size; returns that size. Throws ImageError for a file that cannot
// be loaded, a header claiming more than checkImageSize allows, or a result
// too large to hold.
TextureSize loadPowerOfTwoImage(ImageConverter& converter, const std::string& file, bool turn);

}  // namespace ferlo
