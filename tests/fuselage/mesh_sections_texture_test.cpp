#include <gtest/gtest.h>

#include "fuselage/mesh_sections.h"
#include "support/fake_image_converter.h"
#include "support/recording_texture_upload.h"

namespace ferlo {
namespace {

using testing::FakeImageConverter;

// The services a texture mapping uses, all fakes.
struct Services {
    FakeImageConverter converter;
    testing::RecordingProgress progress;
    RecordingTextureUpload upload;
    TextureErrorLog notifier;
    TextureContext context{converter, progress, upload, notifier};
};

// A default fuselage with its mesh built and the image assigned.
MeshSections fuselageWithTexture(const std::string& file) {
    MeshSections fuselage;
    fuselage.create();
    fuselage.setTexture(file);
    return fuselage;
}

PixelRGB pixelAt(const MeshSections& fuselage, int x, int y) {
    const auto at = static_cast<std::size_t>((y * fuselage.xtex + x) * 3);
    const std::vector<std::uint8_t>& bytes = fuselage.textureBytes();
    return {bytes.at(at), bytes.at(at + 1), bytes.at(at + 2)};
}

TEST(MeshSectionsTexture, WithoutAnImageNothingHappens) {
    Services services;
    MeshSections fuselage = fuselageWithTexture("");
    fuselage.textureMap(services.context);
    EXPECT_TRUE(services.upload.calls().empty());
    EXPECT_EQ(services.converter.loads, 0);
    EXPECT_EQ(services.progress.begins, 0);
    EXPECT_FALSE(fuselage.texture_loaded);
}

TEST(MeshSectionsTexture, TheImageIsUsedUnturnedAtPowerOfTwoSizesAndRepeats) {
    const struct {
        int width, height, xtex, ytex;
    } cases[] = {{100, 60, 128, 64}, {64, 64, 64, 64}, {60, 100, 64, 128}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.width);
        Services services;
        services.converter.addImage("/img/skin.bmp", c.width, c.height);
        MeshSections fuselage = fuselageWithTexture("/img/skin.bmp");
        fuselage.textureMap(services.context);

        EXPECT_TRUE(fuselage.texture_loaded);
        EXPECT_EQ(fuselage.xtex, c.xtex);
        EXPECT_EQ(fuselage.ytex, c.ytex);
        ASSERT_EQ(fuselage.textureBytes().size(), static_cast<std::size_t>(c.xtex * c.ytex * 3));
        // Pixel (x, y) of the image, stretched to the new size, not turned.
        for (const auto& [x, y] : {std::pair{0, 0}, {1, 0}, {0, 1}, {c.xtex - 1, c.ytex - 1}}) {
            EXPECT_EQ(pixelAt(fuselage, x, y), FakeImageConverter::pattern(x * c.width / c.xtex, y * c.height / c.ytex))
                << x << ", " << y;
        }
        ASSERT_EQ(services.upload.calls().size(), 1u);
        const RecordingTextureUpload::Call& call = services.upload.calls()[0];
        EXPECT_EQ(call.width, c.xtex);
        EXPECT_EQ(call.height, c.ytex);
        EXPECT_EQ(call.rgb, fuselage.textureBytes());
        EXPECT_EQ(call.wrap, TextureWrap::Repeat);
        EXPECT_FALSE(services.progress.visible);
    }
}

TEST(MeshSectionsTexture, ALoadedTextureIsOnlyUploadedAgainAndTheTextureCoordinatesStay) {
    Services services;
    services.converter.addImage("/img/skin.bmp", 32, 16);
    MeshSections fuselage = fuselageWithTexture("/img/skin.bmp");
    // The coordinates come from the last mesh: u is the share of the rear end's position.
    fuselage.textureMap(services.context);
    EXPECT_EQ(fuselage.texcoordGet(1, 2), (Point2D{0.25, 0}));
    fuselage.sel_sec = 2;
    fuselage.posSet(400);
    fuselage.textureMap(services.context);

    EXPECT_EQ(services.converter.loads, 1);
    EXPECT_EQ(services.progress.begins, 1);
    ASSERT_EQ(services.upload.calls().size(), 2u);
    EXPECT_EQ(services.upload.calls()[1].rgb, services.upload.calls()[0].rgb);
    EXPECT_EQ(fuselage.texcoordGet(1, 2), (Point2D{0.25, 0}));
    fuselage.create();
    EXPECT_EQ(fuselage.texcoordGet(1, 2), (Point2D{0.5, 0}));
}

// A failing image is reported once with its reason, tried again at every
// call, and reported again once a new image is assigned.
TEST(MeshSectionsTexture, AFailingImageIsReportedOnceAndTriedAgain) {
    Services services;
    services.converter.addImage("/img/huge.bmp", 40000, 40000);
    struct Case {
        const char* file;
        const char* reason;
    };
    for (const Case c : {Case{"/img/missing.bmp", "no such image"},
                         Case{"/img/huge.bmp", "the image is 40000 x 40000 pixels; an image may have at most "
                                               "100000000 pixels (100 megapixels)"}}) {
        SCOPED_TRACE(c.file);
        MeshSections fuselage = fuselageWithTexture(c.file);
        fuselage.textureMap(services.context);
        EXPECT_EQ(services.notifier.takePending(),
                  (std::vector<TextureFailure>{{kFuselageTextureError, c.file, c.reason}}));
        EXPECT_FALSE(fuselage.texture_loaded);
        EXPECT_EQ(fuselage.xtex, 0);
        EXPECT_TRUE(fuselage.textureBytes().empty());
        const int loads = services.converter.loads;
        fuselage.textureMap(services.context);
        EXPECT_EQ(services.converter.loads, loads + 1);
        EXPECT_TRUE(services.notifier.takePending().empty());
        fuselage.setTexture(c.file);
        fuselage.textureMap(services.context);
        EXPECT_EQ(services.notifier.takePending().size(), 1u);
    }
    EXPECT_TRUE(services.upload.calls().empty());
    EXPECT_FALSE(services.progress.visible);
}

}  // namespace
}  // namespace ferlo
