#include "base/power_of_two_image.h"

#include <algorithm>
#include <cmath>
#include <new>

#include "base/image_size_limit.h"

namespace ferlo {

std::int64_t nearestPowerOfTwo(std::int64_t size) {
    if (size <= 1) return 1;
    return std::int64_t{1} << std::lround(std::log2(static_cast<double>(size)));
}

TextureSize textureSize(std::int64_t width, std::int64_t height) {
    const auto side = [](std::int64_t size) {
        return static_cast<std::int32_t>(std::min(nearestPowerOfTwo(size), kMaxTextureSide));
    };
    return {side(width), side(height)};
}

TextureSize loadPowerOfTwoImage(ImageConverter& converter, const std::string& file, bool turn) {
    try {
        TextureSize texture;
        // The decode size is the texture's, before the turn.
        converter.load(file, [&](ImageSize claimed) {
            checkImageSize(file, claimed.width, claimed.height);
            if (turn) {
                texture = textureSize(claimed.height, claimed.width);
                return ImageSize{texture.height, texture.width};
            }
            texture = textureSize(claimed.width, claimed.height);
            return ImageSize{texture.width, texture.height};
        });
        if (turn) converter.turnQuarter();
        converter.resize(texture.width, texture.height);
        return texture;
    } catch (const std::bad_alloc&) {
        throw ImageError(file, "not enough memory for the image");
    }
}

}  // namespace ferlo
