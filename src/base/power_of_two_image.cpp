#include "base/power_of_two_image.h"

#include <cmath>
#include <new>

namespace ferlo {

std::int64_t nearestPowerOfTwo(std::int64_t size) {
    if (size <= 1) return 1;
    return std::int64_t{1} << std::lround(std::log2(static_cast<double>(size)));
}

TextureSize loadPowerOfTwoImage(ImageConverter& converter, const std::string& file, bool turn) {
    try {
        converter.load(file);
        if (turn) converter.turnQuarter();
        if (converter.width() < 1 || converter.height() < 1) throw ImageError(file, "the image is empty");
        const std::int64_t width = nearestPowerOfTwo(converter.width());
        const std::int64_t height = nearestPowerOfTwo(converter.height());
        if (width * height > kMaxTexturePixels) throw ImageError(file, "the image is too large");
        converter.resize(static_cast<int>(width), static_cast<int>(height));
        return {static_cast<std::int32_t>(width), static_cast<std::int32_t>(height)};
    } catch (const std::bad_alloc&) {
        throw ImageError(file, "not enough memory for the image");
    }
}

}  // namespace ferlo
