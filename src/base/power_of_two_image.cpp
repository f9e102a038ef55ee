#include "base/power_of_two_image.h"

#include <cmath>
#include <new>

namespace ferlo {

std::int64_t nearestPowerOfTwo(std::int64_t size) {
    if (size <= 1) return 1;
    return std::int64_t{1} << std::lround(std::log2(static_cast<double>(size)));
}

void checkTextureSize(const std::string& file, std::int64_t width, std::int64_t height) {
    if (width < 1 || height < 1) throw ImageError(file, "the image is empty");
    if (width > kMaxTextureSide || height > kMaxTextureSide || width * height > kMaxTexturePixels) {
        throw ImageError(file, "the image is " + std::to_string(width) + " x " + std::to_string(height) +
                                   " pixels; a texture image may have at most " + std::to_string(kMaxTextureSide) +
                                   " pixels a side and " + std::to_string(kMaxTexturePixels) + " pixels in all");
    }
}

TextureSize loadPowerOfTwoImage(ImageConverter& converter, const std::string& file, bool turn) {
    try {
        converter.load(file);
        if (turn) converter.turnQuarter();
        checkTextureSize(file, converter.width(), converter.height());
        const std::int64_t width = nearestPowerOfTwo(converter.width());
        const std::int64_t height = nearestPowerOfTwo(converter.height());
        converter.resize(static_cast<int>(width), static_cast<int>(height));
        return {static_cast<std::int32_t>(width), static_cast<std::int32_t>(height)};
    } catch (const std::bad_alloc&) {
        throw ImageError(file, "not enough memory for the image");
    }
}

}  // namespace ferlo
