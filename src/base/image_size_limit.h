#pragma once

#include <cstdint>
#include <string>

namespace ferlo {

// The most pixels an image file may claim, for a texture and a tracing
// picture alike: 100 megapixels, a 10 000 x 10 000 scan. Its header decides,
// before any pixel is decoded, so a hostile header costs nothing.
inline constexpr std::int64_t kMaxImagePixels = 100'000'000;

// Throws ImageError naming `file`, the size and the limit for an image with
// a side of 0 pixels or more pixels than kMaxImagePixels.
void checkImageSize(const std::string& file, std::int64_t width, std::int64_t height);

}  // namespace ferlo
