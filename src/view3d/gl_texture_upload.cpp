#include "view3d/gl_texture_upload.h"

#include <algorithm>
#include <cstddef>

#include <GL/gl.h>

namespace ferlo {

void GlTextureUpload::upload(std::int32_t width, std::int32_t height, const std::vector<std::uint8_t>& rgb,
                             TextureWrap wrap) {
    if (width < 1 || height < 1 ||
        rgb.size() < static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 3) {
        return;
    }
    GLint maxSize = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &maxSize);
    const std::uint8_t* pixels = rgb.data();
    std::vector<std::uint8_t> shrunk;
    if (maxSize > 0 && (width > maxSize || height > maxSize)) {
        const std::int32_t fitWidth = std::min<std::int32_t>(width, maxSize);
        const std::int32_t fitHeight = std::min<std::int32_t>(height, maxSize);
        shrunk = shrinkTexture(rgb, width, height, fitWidth, fitHeight);
        pixels = shrunk.data();
        width = fitWidth;
        height = fitHeight;
    }
    // Rows of three bytes a pixel are not 4-byte aligned when the texture
    // is 1 or 2 pixels wide: read them tightly packed.
    GLint alignment = 4;
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignment);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, 3, width, height, 0, GL_RGB, GL_UNSIGNED_BYTE, pixels);
    glPixelStorei(GL_UNPACK_ALIGNMENT, alignment);

    const auto wrapMode = static_cast<GLfloat>(wrap == TextureWrap::Repeat ? GL_REPEAT : GL_CLAMP);
    glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, wrapMode);
    glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, wrapMode);
    glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_DECAL);
    glEnable(GL_TEXTURE_2D);
}

}  // namespace ferlo
