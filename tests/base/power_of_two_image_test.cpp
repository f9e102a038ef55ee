#include "base/power_of_two_image.h"

#include <gtest/gtest.h>

#include "support/fake_image_converter.h"

namespace ferlo {
namespace {

TEST(PowerOfTwoImage, NearestPowerOfTwoOnALogScale) {
    struct Case {
        std::int64_t size, expected;
    };
    for (const Case c : {Case{1, 1}, Case{2, 2}, Case{3, 4}, Case{60, 64}, Case{90, 64}, Case{91, 128},
                         Case{100, 128}, Case{181, 128}, Case{182, 256}, Case{256, 256}, Case{300, 256},
                         Case{362, 256}, Case{363, 512}, Case{400, 512}, Case{640, 512}, Case{725, 1024},
                         Case{2147483647, std::int64_t{1} << 31}}) {
        EXPECT_EQ(nearestPowerOfTwo(c.size), c.expected) << c.size;
    }
}

TEST(PowerOfTwoImage, LoadsTurnsAndScales) {
    testing::FakeImageConverter converter;
    converter.addImage("a.bmp", 300, 400);
    const TextureSize turned = loadPowerOfTwoImage(converter, "a.bmp", true);
    EXPECT_EQ(turned.width, 512);
    EXPECT_EQ(turned.height, 256);
    EXPECT_EQ(converter.width(), 512);
    EXPECT_EQ(converter.height(), 256);
    const TextureSize asLoaded = loadPowerOfTwoImage(converter, "a.bmp", false);
    EXPECT_EQ(asLoaded.width, 256);
    EXPECT_EQ(asLoaded.height, 512);
}

// Each side goes to its nearest power of two first, then to at most 4096:
// 3000 lies nearer 4096 than 2048 on the log scale.
TEST(PowerOfTwoImage, TextureSidesArePowersOfTwoOfAtMost4096) {
    struct Case {
        std::int64_t width, height;
        std::int32_t textureWidth, textureHeight;
    };
    for (const Case c : {Case{4000, 3000, 4096, 4096}, Case{4096, 4096, 4096, 4096}, Case{3000, 1400, 4096, 1024},
                         Case{8192, 8192, 4096, 4096}, Case{2048, 2048, 2048, 2048}, Case{2896, 2897, 2048, 4096},
                         Case{1, 100'000'000, 1, 4096}}) {
        const TextureSize size = textureSize(c.width, c.height);
        EXPECT_EQ(size.width, c.textureWidth) << c.width << " x " << c.height;
        EXPECT_EQ(size.height, c.textureHeight) << c.width << " x " << c.height;
    }
}

TEST(PowerOfTwoImage, UnusableImagesAreImageErrorsNamingTheSizeAndTheLimit) {
    testing::FakeImageConverter converter;
    converter.addImage("flat.bmp", 0, 10);
    converter.addImage("narrow.bmp", 10, 0);
    converter.addImage("huge.bmp", 10001, 10000);
    converter.addImage("long.bmp", 1, 100'000'001);
    struct Case {
        const char* file;
        const char* reason;
    };
    for (const Case c : {Case{"missing.bmp", "no such image"}, Case{"flat.bmp", "the image is empty"},
                         Case{"narrow.bmp", "the image is empty"},
                         Case{"huge.bmp", "the image is 10001 x 10000 pixels; an image may have at most 100000000 "
                                          "pixels (100 megapixels)"},
                         Case{"long.bmp", "the image is 1 x 100000001 pixels; an image may have at most 100000000 "
                                          "pixels (100 megapixels)"}}) {
        try {
            loadPowerOfTwoImage(converter, c.file, false);
            ADD_FAILURE() << c.file << " loaded";
        } catch (const ImageError& e) {
            EXPECT_EQ(e.reason(), c.reason);
            EXPECT_EQ(std::string(e.what()), std::string(c.file) + ": " + c.reason);
        }
    }
    // The largest images allowed still convert, to at most 4096 a side.
    converter.addImage("scan.bmp", 10000, 10000);
    const TextureSize scan = loadPowerOfTwoImage(converter, "scan.bmp", true);
    EXPECT_EQ(scan.width, 4096);
    EXPECT_EQ(converter.width(), 4096);
    converter.addImage("strip.bmp", 1, 100'000'000);
    const TextureSize strip = loadPowerOfTwoImage(converter, "strip.bmp", true);
    EXPECT_EQ(strip.width, 4096);
    EXPECT_EQ(strip.height, 1);
}

}  // namespace
}  // namespace ferlo
