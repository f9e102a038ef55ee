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

TEST(PowerOfTwoImage, UnusableImagesAreImageErrors) {
    testing::FakeImageConverter converter;
    converter.addImage("flat.bmp", 0, 10);
    converter.addImage("narrow.bmp", 10, 0);
    converter.addImage("too wide.bmp", 16385, 1);
    converter.addImage("too many pixels.bmp", 2048, 2049);
    converter.addImage("huge.bmp", 30000, 20000);
    for (const char* file : {"missing.bmp", "flat.bmp", "narrow.bmp", "too wide.bmp", "too many pixels.bmp", "huge.bmp"}) {
        EXPECT_THROW(loadPowerOfTwoImage(converter, file, false), ImageError) << file;
    }
    // The largest sizes allowed still convert.
    converter.addImage("square.bmp", 2048, 2048);
    EXPECT_EQ(loadPowerOfTwoImage(converter, "square.bmp", true).width, 2048);
    converter.addImage("wide.bmp", 16384, 256);
    EXPECT_EQ(loadPowerOfTwoImage(converter, "wide.bmp", true).height, 16384);
}

}  // namespace
}  // namespace ferlo
