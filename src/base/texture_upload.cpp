#include "base/texture_upload.h"

#include <cstddef>

namespace ferlo {

std::vector<std::uint8_t> shrinkTexture(const std::vector<std::uint8_t>& rgb, std::int32_t width,
                                        std::int32_t height, std::int32_t newWidth, std::int32_t newHeight) {
    if (width < 1 || height < 1 || newWidth < 1 || newHeight < 1 ||
        rgb.size() < static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 3) {
        return {};
    }
    std::vector<std::uint8_t> shrunk(static_cast<std::size_t>(newWidth) * static_cast<std::size_t>(newHeight) * 3);
    for (std::int64_t y = 0; y < newHeight; ++y) {
        const std::int64_t fromY = y * height / newHeight;
        for (std::int64_t x = 0; x < newWidth; ++x) {
            const std::int64_t fromX = x * width / newWidth;
            const auto from = static_cast<std::size_t>((fromY * width + fromX) * 3);
            const auto to = static_cast<std::size_t>((y * newWidth + x) * 3);
            for (std::size_t channel = 0; channel < 3; ++channel) shrunk[to + channel] = rgb[from + channel];
        }
    }
    return shrunk;
}

}  // namespace ferlo
