#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "base/texture_context.h"

namespace ferlo {

// The texture fields of a textured part (panel half, fin, fuselage), as
// references into the part.
struct TextureFields {
    const std::string& texture_filename;  // full path; empty for no texture
    bool& texture_loaded;
    std::int32_t& xtex;
    std::int32_t& ytex;
    std::vector<std::uint8_t>& texture_bytes;  // pixel (x, y) at (y * xtex + x) * 3: red, green, blue
};

// What differs between the parts' texture mappings.
struct TextureSteps {
    bool quarterTurn = false;                   // the panel half turns its image
    TextureWrap wrap = TextureWrap::Clamp;      // the fuselage repeats its image
    std::function<void()> afterLoad;            // the part's texture coordinates, once the size is known
};

// The steps of a part's texture that need no OpenGL. Without an image, or
// with the image loaded already, nothing happens. Otherwise it loads the
// image, brings each side to the nearest power of two, copies its pixels into
// the part's texture bytes, marks it loaded and runs `afterLoad`. A failure
// throws ImageError and leaves the part's fields as they were
// (`texture_loaded` stays false, so the next call tries again); the progress
// window is hidden on every way out.
void loadPartTexture(const TextureFields& part, const TextureSteps& steps, ImageConverter& converter,
                     ConversionProgress& progress);

// Turns a part's image into the current OpenGL texture: without an image
// nothing at all; otherwise loadPartTexture, then the upload of the bytes at
// every call. Failures as loadPartTexture's.
void mapPartTexture(const TextureFields& part, const TextureSteps& steps, TextureContext& context);

// mapPartTexture for a part the 3D view draws: a failing image is reported to
// the context's notifier under `message` (the first line the user sees) with
// the file and the reason, once until it loads or `reported` is cleared (the
// part clears it when a new image is assigned); the part is left as it was.
// `reported` holds the image whose failure was reported last.
void mapPartTextureReporting(const TextureFields& part, const TextureSteps& steps, TextureContext& context,
                             const char* message, std::string& reported);

}  // namespace ferlo
