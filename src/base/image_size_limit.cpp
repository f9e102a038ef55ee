#include "base/image_size_limit.h"

#include "base/image_converter.h"

namespace ferlo {

void checkImageSize(const std::string& file, std::int64_t width, std::int64_t height) {
    if (width < 1 || height < 1) throw ImageError(file, "the image is empty");
    // Divided, not multiplied, so that no claimed size overflows.
    if (width > kMaxImagePixels / height) {
        throw ImageError(file, "the image is " + std::to_string(width) + " x " + std::to_string(height) +
                                   " pixels; an image may have at most " + std::to_string(kMaxImagePixels) +
                                   " pixels (100 megapixels)");
    }
}

}  // namespace ferlo
