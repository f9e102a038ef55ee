#include "base/part_texture.h"

#include <gtest/gtest.h>

#include "support/default_aircraft.h"
#include "support/fake_image_converter.h"
#include "support/recording_texture_upload.h"

namespace ferlo {
namespace {

// The services a part's texture mapping uses, all fakes.
struct Services {
    testing::FakeImageConverter converter;
    testing::RecordingProgress progress;
    RecordingTextureUpload upload;
    TextureErrorLog notifier;
    TextureContext context{converter, progress, upload, notifier};
};

// The u a fin's section point i gets once an image of xtex x ytex is loaded.
double expectedFinU(const VertWingSection& fin, int i, double xtex, double ytex) {
    return (fin.point1Get(i).x - fin.pos1) / fin.span * ytex / xtex;
}

SymWingSections panelWithTexture(const std::string& file) {
    SymWingSections panel = testing::defaultWingPanel();
    panel.create();
    panel.setTexture(file);
    return panel;
}

void expectBytesOf(const std::vector<std::uint8_t>& bytes, std::size_t at, const PixelRGB& pixel) {
    ASSERT_LE(at + 3, bytes.size());
    EXPECT_EQ(bytes[at], pixel.red) << at;
    EXPECT_EQ(bytes[at + 1], pixel.green) << at;
    EXPECT_EQ(bytes[at + 2], pixel.blue) << at;
}

TEST(PartTexture, PanelHalfTurnsItsImageAndLaysItOverThePlanform) {
    Services services;
    services.converter.addImage("/img/wing.bmp", 300, 400);
    SymWingSections panel = panelWithTexture("/img/wing.bmp");
    panel.Left.textureMap(services.context);

    const WingSection& half = panel.Left;
    EXPECT_TRUE(half.texture_loaded);
    EXPECT_EQ(half.xtex, 512);
    EXPECT_EQ(half.ytex, 256);
    ASSERT_EQ(half.textureBytes().size(), 512u * 256u * 3u);
    // The bytes are the converted image, pixel (x, y) at (y * xtex + x) * 3.
    expectBytesOf(half.textureBytes(), 0, services.converter.pixel(0, 0));
    expectBytesOf(half.textureBytes(), 3, services.converter.pixel(1, 0));
    expectBytesOf(half.textureBytes(), 512 * 3, services.converter.pixel(0, 1));
    expectBytesOf(half.textureBytes(), (255 * 512 + 511) * 3, services.converter.pixel(511, 255));
    // The quarter turn is clockwise: the source's bottom-left corner is the top-left.
    EXPECT_EQ(services.converter.pixel(0, 0), testing::FakeImageConverter::pattern(0, 399));
    // The texture coordinates were made with the new size (u = 0.5 x 256 / 512 at the trailing edge).
    EXPECT_DOUBLE_EQ(half.texcoord1Get(1), (230.0 / 700.0) * 256.0 / 512.0);

    ASSERT_EQ(services.upload.calls().size(), 1u);
    const RecordingTextureUpload::Call& call = services.upload.calls()[0];
    EXPECT_EQ(call.width, 512);
    EXPECT_EQ(call.height, 256);
    EXPECT_EQ(call.rgb, half.textureBytes());
    EXPECT_EQ(call.wrap, TextureWrap::Clamp);
    EXPECT_EQ(services.progress.begins, 1);
    EXPECT_EQ(services.progress.ends, 1);
    EXPECT_FALSE(services.progress.visible);
    // The progress runs row by row from 0 to just under 100.
    ASSERT_EQ(services.progress.values.size(), 256u);
    EXPECT_EQ(services.progress.values.front(), 0);
    EXPECT_EQ(services.progress.values.back(), 99);
}

TEST(PartTexture, FinUsesItsImageAsLoadedAndCreatesAfterLoading) {
    Services services;
    services.converter.addImage("/img/fin.bmp", 300, 400);
    services.converter.addImage("/img/small.bmp", 256, 128);
    VertWingSection fin = testing::defaultFin();
    fin.setTexture("/img/fin.bmp");
    fin.textureMap(services.context);
    EXPECT_EQ(fin.xtex, 256);
    EXPECT_EQ(fin.ytex, 512);
    EXPECT_TRUE(fin.texture_loaded);
    // The sections were rebuilt with the new size: the texture coordinates follow it.
    EXPECT_DOUBLE_EQ(fin.texcoord1Get(2), expectedFinU(fin, 2, 256, 512));
    EXPECT_GT(fin.texcoord1Get(2), 0.0);

    fin.setTexture("/img/small.bmp");
    fin.texture_loaded = false;
    fin.textureMap(services.context);
    EXPECT_EQ(fin.xtex, 256);
    EXPECT_EQ(fin.ytex, 128);
    // Not turned, not scaled: the bytes are the image's own pixels.
    expectBytesOf(fin.textureBytes(), 3, testing::FakeImageConverter::pattern(1, 0));
    expectBytesOf(fin.textureBytes(), 256 * 3, testing::FakeImageConverter::pattern(0, 1));
    ASSERT_EQ(services.upload.calls().size(), 2u);
    EXPECT_EQ(services.upload.calls()[1].width, 256);
    EXPECT_EQ(services.upload.calls()[1].height, 128);
}

TEST(PartTexture, WithoutAnImageNothingHappens) {
    Services services;
    SymWingSections panel = panelWithTexture("");
    panel.Left.textureMap(services.context);
    VertWingSection fin = testing::defaultFin();
    fin.textureMap(services.context);
    EXPECT_TRUE(services.upload.calls().empty());
    EXPECT_EQ(services.converter.loads, 0);
    EXPECT_EQ(services.progress.begins, 0);
    EXPECT_FALSE(panel.Left.texture_loaded);
    EXPECT_EQ(fin.texcoord1Get(2), 0.0);
}

TEST(PartTexture, ALoadedTextureIsUploadedAgainWithoutLoading) {
    Services services;
    services.converter.addImage("/img/wing.bmp", 64, 32);
    SymWingSections panel = panelWithTexture("/img/wing.bmp");
    panel.Left.textureMap(services.context);
    // A changed geometry gets its texture coordinates from the loaded image's
    // size, as the fin's does: the trailing edge 400 aft in place of 230.
    const double u = panel.Left.texcoord1Get(1);
    panel.length1 = 400;
    panel.create();
    panel.Left.textureMap(services.context);

    EXPECT_EQ(services.converter.loads, 1);
    EXPECT_EQ(services.progress.begins, 1);
    ASSERT_EQ(services.upload.calls().size(), 2u);
    EXPECT_EQ(services.upload.calls()[1].rgb, services.upload.calls()[0].rgb);
    EXPECT_EQ(services.upload.calls()[1].width, 32);
    EXPECT_DOUBLE_EQ(panel.Left.texcoord1Get(1), u * 400 / 230);
}

// Draws the panel's halves as the 3D view does, once per rendering.
void renderPanel(SymWingSections& panel, TextureContext& context) {
    panel.Left.textureMap(context);
    panel.Right.textureMap(context);
}

TEST(PartTexture, AFailingImageGivesOneMessageAndLeavesTheHalfUnloaded) {
    Services services;
    SymWingSections panel = panelWithTexture("/img/missing.bmp");
    renderPanel(panel, services.context);
    const std::vector<TextureFailure> shown = services.notifier.takePending();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].message, "Error in wingSection texture mapping");
    EXPECT_EQ(shown[0].file, "/img/missing.bmp");
    EXPECT_FALSE(panel.Left.texture_loaded);
    EXPECT_FALSE(panel.Right.texture_loaded);
    EXPECT_EQ(panel.Left.xtex, 0);
    EXPECT_TRUE(services.upload.calls().empty());
    EXPECT_FALSE(services.progress.visible);
    EXPECT_EQ(services.progress.ends, services.progress.begins);

    // The next renderings try again but do not repeat the message.
    renderPanel(panel, services.context);
    EXPECT_EQ(services.converter.loads, 4);
    EXPECT_TRUE(services.notifier.takePending().empty());

    // Assigning the image again makes a failure worth a message again.
    panel.setTexture("/img/missing.bmp");
    renderPanel(panel, services.context);
    EXPECT_EQ(services.notifier.takePending().size(), 1u);
}

TEST(PartTexture, AFailureWhileReadingPixelsHidesTheProgressAndChangesNothing) {
    Services services;
    services.converter.addImage("/img/wing.bmp", 64, 32);
    services.converter.failPixelRead = true;
    SymWingSections panel = panelWithTexture("/img/wing.bmp");
    renderPanel(panel, services.context);
    EXPECT_EQ(services.notifier.takePending().size(), 1u);
    EXPECT_FALSE(services.progress.visible);
    EXPECT_EQ(services.progress.ends, 2);
    EXPECT_FALSE(panel.Left.texture_loaded);
    EXPECT_EQ(panel.Left.xtex, 0);
    EXPECT_TRUE(panel.Left.textureBytes().empty());

    // Once the image reads, the half loads it and the message is not repeated.
    services.converter.failPixelRead = false;
    renderPanel(panel, services.context);
    EXPECT_TRUE(panel.Left.texture_loaded);
    EXPECT_EQ(services.upload.calls().size(), 2u);
    EXPECT_TRUE(services.notifier.takePending().empty());
}

TEST(PartTexture, FinFailuresAreReportedOnceWithTheirReason) {
    Services services;
    services.converter.addImage("/img/huge.bmp", 40000, 40000);
    for (const char* file : {"/img/missing.bmp", "/img/huge.bmp"}) {
        VertWingSection fin = testing::defaultFin();
        fin.setTexture(file);
        fin.textureMap(services.context);
        fin.textureMap(services.context);
        const std::vector<TextureFailure> shown = services.notifier.takePending();
        ASSERT_EQ(shown.size(), 1u) << file;
        EXPECT_EQ(shown[0].message, kFinTextureError);
        EXPECT_EQ(shown[0].file, file);
        EXPECT_EQ(shown[0].text(), std::string(kFinTextureError) + "\n" + file + ": " + shown[0].reason);
        EXPECT_FALSE(fin.texture_loaded);
        EXPECT_EQ(fin.xtex, 0);
        EXPECT_EQ(fin.texcoord1Get(2), 0.0);
    }
    EXPECT_FALSE(services.progress.visible);
    EXPECT_EQ(services.progress.ends, 4);
}

}  // namespace
}  // namespace ferlo
