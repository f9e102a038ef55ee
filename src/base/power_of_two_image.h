#pragma once

#include <cstdint>
#include <string>

#include "base/image_converter.h"

namespace ferlo {

// The largest image the texture path takes: no side above kMaxTextureSide,
// the largest texture side OpenGL implementations offer, and no more than
// kMaxTexturePixels in all (2048 x 2048), so that its power-of-two texture
// stays under 8.4 million pixels (32 MB) and converts in a blink.
inline constexpr std::int64_t kMaxTextureSide = 16384;
inline constexpr std::int64_t kMaxTexturePixels = std::int64_t{1} << 22;

struct TextureSize {
    std::int32_t width = 0;
    std::int32_t height = 0;
};

// The power of two nearest to `size` (at least 1) on a log2 scale: 300 gives
// 256, 400 gives 512; the threshold between 2^k and 2^(k+1) lies at
// 2^k x sqrt(2), so 181 gives 128 and 182 gives 256. A power of two stays.
std::int64_t nearestPowerOfTwo(std::int64_t size);

// Throws ImageError naming `file` and the size for an image the texture path
// does not take: a side of 0 pixels, or a size above the limits. Converters
// call it with the size an image file's header gives, before decoding it.
void checkTextureSize(const std::string& file, std::int64_t width, std::int64_t height);

// Loads `file` into the converter, turns it a quarter turn when `turn` is set
// and scales it to the nearest power of two on each side; returns that size.
// Throws ImageError for a file that cannot be loaded, an image that
// checkTextureSize refuses, or a result too large to hold.
TextureSize loadPowerOfTwoImage(ImageConverter& converter, const std::string& file, bool turn);

}  // namespace ferlo
