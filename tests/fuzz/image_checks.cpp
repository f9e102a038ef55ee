#include <fstream>

#include "base/power_of_two_image.h"
#include "fuzz/fuzz_checks.h"
#include "view3d/qt_image_converter.h"

namespace ferlo::fuzz {

namespace {

bool isPowerOfTwo(std::int64_t size) { return size > 0 && (size & (size - 1)) == 0; }

}  // namespace

std::string checkImageFile(const std::string& bytes, const std::filesystem::path& folder) {
    const std::filesystem::path file = folder / "input.image";
    std::ofstream(file, std::ios::binary | std::ios::trunc).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    QtImageConverter converter;
    const bool turn = !bytes.empty() && (bytes.back() & 1) != 0;
    try {
        const TextureSize size = loadPowerOfTwoImage(converter, file.string(), turn);
        if (!isPowerOfTwo(size.width) || !isPowerOfTwo(size.height) || size.width > kMaxTextureSide ||
            size.height > kMaxTextureSide) {
            return "the texture is " + std::to_string(size.width) + " x " + std::to_string(size.height);
        }
        if (converter.width() != size.width || converter.height() != size.height) {
            return "the converter holds another size than the texture's";
        }
        converter.pixel(size.width - 1, size.height - 1);
    } catch (const ImageError&) {
        // Refused: the texture path reports it.
    }
    return {};
}

}  // namespace ferlo::fuzz
