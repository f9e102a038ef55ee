#include "base/part_texture.h"

#include <algorithm>
#include <cstddef>
#include <new>
#include <span>

#include "base/huge_page_bytes.h"
#include "base/power_of_two_image.h"

namespace ferlo {

namespace {

// Keeps the progress window's conversion open for one scope, so that it is
// hidden however the conversion ends.
class ProgressScope {
public:
    explicit ProgressScope(ConversionProgress& progress) : progress_(progress) { progress_.begin(); }
    ~ProgressScope() { progress_.end(); }
    ProgressScope(const ProgressScope&) = delete;
    ProgressScope& operator=(const ProgressScope&) = delete;

private:
    ConversionProgress& progress_;
};

// Rows asked of the converter at a time: enough for a turned image to be
// read in runs of 512 bytes from each of its rows.
constexpr std::size_t kBandRows = 128;

// The current image of the converter as texture bytes, row by row as the
// progress window counts them. Rows are copied a band at a time straight to
// their place in the bytes.
std::vector<std::uint8_t> readPixels(const ImageConverter& converter, TextureSize size,
                                     ConversionProgress& progress) {
    const auto height = static_cast<std::size_t>(size.height);
    const std::size_t rowBytes = static_cast<std::size_t>(size.width) * 3;
    std::vector<std::uint8_t> bytes = hugePageBytes(rowBytes * height);
    for (std::size_t y = 0; y < height; ++y) {
        progress.setValue(static_cast<int>(y * 100 / height));
        if (y % kBandRows == 0) {
            const std::size_t rows = std::min(kBandRows, height - y);
            converter.copyRows(static_cast<int>(y), static_cast<int>(rows),
                               std::span(bytes).subspan(y * rowBytes, rows * rowBytes));
        }
    }
    return bytes;
}

}  // namespace

void loadPartTexture(const TextureFields& part, const TextureSteps& steps, ImageConverter& converter,
                     ConversionProgress& progress) {
    if (part.texture_filename.empty() || part.texture_loaded) return;
    TextureSize size;
    std::vector<std::uint8_t> bytes;
    {
        ProgressScope scope(progress);
        size = loadPowerOfTwoImage(converter, part.texture_filename, steps.quarterTurn);
        try {
            bytes = readPixels(converter, size, progress);
        } catch (const std::bad_alloc&) {
            throw ImageError(part.texture_filename, "not enough memory for the texture");
        }
    }
    part.xtex = size.width;
    part.ytex = size.height;
    part.texture_bytes = std::move(bytes);
    part.texture_loaded = true;
    if (steps.afterLoad) steps.afterLoad();
}

void mapPartTexture(const TextureFields& part, const TextureSteps& steps, TextureContext& context) {
    if (part.texture_filename.empty()) return;
    loadPartTexture(part, steps, context.converter, context.progress);
    context.upload.upload(part.xtex, part.ytex, part.texture_bytes, steps.wrap);
}

void mapPartTextureReporting(const TextureFields& part, const TextureSteps& steps, TextureContext& context,
                             const char* message, std::string& reported) {
    try {
        mapPartTexture(part, steps, context);
    } catch (const ImageError& error) {
        if (reported == part.texture_filename) return;
        reported = part.texture_filename;
        context.notifier.textureFailed({message, part.texture_filename, error.reason()});
        return;
    }
    reported.clear();
}

}  // namespace ferlo
