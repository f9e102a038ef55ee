#include "view3d/gl_texture_upload.h"

#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QSurfaceFormat>

#include <GL/gl.h>

#include <gtest/gtest.h>

namespace ferlo {
namespace {

// An OpenGL context of the kind the 3D view uses, current on a hidden surface.
class GlTextureUploadTest : public ::testing::Test {
protected:
    void SetUp() override {
        QSurfaceFormat format;
        format.setRenderableType(QSurfaceFormat::OpenGL);
        format.setProfile(QSurfaceFormat::CompatibilityProfile);
        context_.setFormat(format);
        ASSERT_TRUE(context_.create());
        surface_.setFormat(context_.format());
        surface_.create();
        ASSERT_TRUE(context_.makeCurrent(&surface_));
        while (glGetError() != GL_NO_ERROR) {
        }
    }
    void TearDown() override { context_.doneCurrent(); }

    static GLint texParameter(GLenum name) {
        GLint value = 0;
        glGetTexParameteriv(GL_TEXTURE_2D, name, &value);
        return value;
    }

    QOpenGLContext context_;
    QOffscreenSurface surface_;
};

TEST_F(GlTextureUploadTest, UploadsTheBytesAsTheCurrentTexture) {
    // 2 x 2 pixels: rows of 6 bytes, not 4-byte aligned.
    const std::vector<std::uint8_t> rgb{255, 0, 0, 0, 255, 0, 0, 0, 255, 10, 20, 30};
    GlTextureUpload upload;
    upload.upload(2, 2, rgb, TextureWrap::Clamp);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));

    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
    GLint width = 0, height = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &height);
    EXPECT_EQ(width, 2);
    EXPECT_EQ(height, 2);
    std::vector<std::uint8_t> back(rgb.size() + 2, 0);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGB, GL_UNSIGNED_BYTE, back.data());
    back.resize(rgb.size());
    EXPECT_EQ(back, rgb);

    EXPECT_EQ(texParameter(GL_TEXTURE_WRAP_S), GL_CLAMP);
    EXPECT_EQ(texParameter(GL_TEXTURE_WRAP_T), GL_CLAMP);
    EXPECT_EQ(texParameter(GL_TEXTURE_MIN_FILTER), GL_NEAREST);
    EXPECT_EQ(texParameter(GL_TEXTURE_MAG_FILTER), GL_NEAREST);
    GLint mode = 0;
    glGetTexEnviv(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, &mode);
    EXPECT_EQ(mode, GL_DECAL);
    GLint alignment = 0;
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignment);
    EXPECT_EQ(alignment, 4);  // left as it was

    upload.upload(2, 2, rgb, TextureWrap::Repeat);
    EXPECT_EQ(texParameter(GL_TEXTURE_WRAP_S), GL_REPEAT);
    EXPECT_EQ(texParameter(GL_TEXTURE_WRAP_T), GL_REPEAT);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(GlTextureUploadTest, TooFewBytesAreNotUploaded) {
    GlTextureUpload upload;
    upload.upload(4, 4, std::vector<std::uint8_t>(12), TextureWrap::Clamp);
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

}  // namespace
}  // namespace ferlo
