#include "base/texture_upload.h"

#include <gtest/gtest.h>

#include "base/texture_error_notifier.h"

namespace ferlo {
namespace {

TEST(TextureUpload, ShrinkTakesTheNearestPixel) {
    // 4 x 2 pixels, pixel (x, y) coloured (x, y, 9).
    std::vector<std::uint8_t> rgb;
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 4; ++x) rgb.insert(rgb.end(), {std::uint8_t(x), std::uint8_t(y), 9});
    }
    EXPECT_EQ(shrinkTexture(rgb, 4, 2, 2, 1), (std::vector<std::uint8_t>{0, 0, 9, 2, 0, 9}));
    EXPECT_EQ(shrinkTexture(rgb, 4, 2, 4, 1), (std::vector<std::uint8_t>{0, 0, 9, 1, 0, 9, 2, 0, 9, 3, 0, 9}));
    // Bytes too few for the stated size give nothing rather than a read past them.
    EXPECT_TRUE(shrinkTexture(rgb, 4, 4, 2, 2).empty());
    EXPECT_TRUE(shrinkTexture(rgb, 4, 2, 0, 1).empty());
}

TEST(TextureErrorLog, KeepsEachFailingImageOnceUntilTaken) {
    TextureErrorLog log;
    log.textureFailed({"Bad texture", "/a.bmp", "missing"});
    log.textureFailed({"Bad texture", "/a.bmp", "missing"});
    log.textureFailed({"Bad texture", "/b.bmp", "unreadable"});
    const std::vector<TextureFailure> taken = log.takePending();
    ASSERT_EQ(taken.size(), 2u);
    EXPECT_EQ(taken[0].file, "/a.bmp");
    EXPECT_EQ(taken[1].file, "/b.bmp");
    EXPECT_TRUE(log.takePending().empty());
    log.textureFailed({"Bad texture", "/a.bmp", "missing"});
    EXPECT_EQ(log.takePending().size(), 1u);
}

}  // namespace
}  // namespace ferlo
