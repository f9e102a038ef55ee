#pragma once

#include "base/texture_upload.h"

namespace ferlo {

// The texture upload on OpenGL 1.1: the image becomes the current 2D texture
// (no texture objects; each textured part re-specifies it before it is
// drawn), nearest filtering without mipmaps, decal mode, texturing enabled.
// A side above the renderer's maximum texture size is scaled down to it.
class GlTextureUpload : public TextureUpload {
public:
    void upload(std::int32_t width, std::int32_t height, const std::vector<std::uint8_t>& rgb,
                TextureWrap wrap) override;
};

}  // namespace ferlo
