#pragma once

#include "base/conversion_progress.h"
#include "base/image_converter.h"
#include "base/texture_error_notifier.h"
#include "base/texture_upload.h"

namespace ferlo {

// What a part's texture mapping needs from outside: the image workspace and
// its progress window, the 3D view's texture upload and where failures go.
// The 3D view fills it; a test builds it from fakes.
struct TextureContext {
    ImageConverter& converter;
    ConversionProgress& progress;
    TextureUpload& upload;
    TextureErrorNotifier& notifier;
};

}  // namespace ferlo
