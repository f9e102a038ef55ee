#pragma once

#include <cstdint>
#include <string>

#include "base/image_converter.h"

namespace ferlo {

// The largest texture the program converts, in pixels (16384 x 8192): a
// texture three bytes a pixel stays under 400 MB.
inline constexpr std::int64_t kMaxTexturePixels = std::int64_t{1} << 27;

struct TextureSize {
    std::int32_t width = 0;
    std::int32_t height = 0;
};

// The power of two nearest to `size` (at least 1) on a log2 scale: 300 gives
// 256, 400 gives 512; the threshold between 2^k and 2^(k+1) lies at
// 2^k x sqrt(2), so 181 gives 128 and 182 gives 256. A power of two stays.
std::int64_t nearestPowerOfTwo(std::int64_t size);

// Loads `file` into the converter, turns it a quarter turn when `turn` is set
// and scales it to the nearest power of two on each side; returns that size.
// Throws ImageError for a file that cannot be loaded, an image with a side of
// 0 pixels, or a result above kMaxTexturePixels or too large to hold.
TextureSize loadPowerOfTwoImage(ImageConverter& converter, const std::string& file, bool turn);

}  // namespace ferlo
