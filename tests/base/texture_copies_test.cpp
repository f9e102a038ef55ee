#include "base/texture_copies.h"

#include <gtest/gtest.h>

#include "support/fake_image_converter.h"
#include "support/temp_dir.h"

namespace ferlo {
namespace {

TEST(TextureCopies, JpegCopyNames) {
    struct Case {
        const char* title;
        const char* expected;
    };
    for (const Case c : {Case{"wing.bmp", "wing.jpg"}, Case{"wing.jpeg", "wing.jjpg"}, Case{"wing.jpg", "wing.jpg"},
                         Case{"wing", "wjpg"}, Case{"ab", "ab.jpg"}, Case{"a.b", "a.jpg"},
                         Case{"../../evil.bmp", "evil.jpg"}, Case{"", "source.jpg"}}) {
        EXPECT_EQ(jpgCopyName(c.title, "/images/source.bmp"), c.expected) << c.title;
    }
}

TEST(TextureCopies, NoSourceMeansNoCopy) {
    testing::FakeImageConverter converter;
    const testing::TempDir dir;
    EXPECT_EQ(convertJPG(converter, "", "wing.bmp", dir.path()), "");
    saveTarget(converter, "", "wing.bmp", dir.path());
    EXPECT_EQ(converter.loads, 0);
    EXPECT_TRUE(converter.saves.empty());
}

TEST(TextureCopies, JpegCopyIsTurnedUnlessToldAndPowerOfTwo) {
    testing::FakeImageConverter converter;
    const testing::TempDir dir;
    converter.addImage("/images/wing.bmp", 100, 300);
    converter.addImage("/images/odd.bmp", 181, 182);

    EXPECT_EQ(convertJPG(converter, "/images/wing.bmp", "wing.bmp", dir.path()), "wing.jpg");
    EXPECT_EQ(convertJPG(converter, "/images/odd.bmp", "odd.bmp", dir.path(), true), "odd.jpg");
    ASSERT_EQ(converter.saves.size(), 2u);
    EXPECT_EQ(converter.saves[0].kind, "jpeg");
    EXPECT_EQ(converter.saves[0].path, (dir.path() / "wing.jpg").string());
    EXPECT_EQ(converter.saves[0].width, 256);  // turned to 300 x 100 first
    EXPECT_EQ(converter.saves[0].height, 128);
    EXPECT_EQ(converter.saves[1].width, 128);  // not turned
    EXPECT_EQ(converter.saves[1].height, 256);
}

TEST(TextureCopies, BitmapCopyKeepsItsTitle) {
    testing::FakeImageConverter converter;
    const testing::TempDir dir;
    converter.addImage("/images/photo.jpg", 181, 182);
    saveTarget(converter, "/images/photo.jpg", "photo.jpg", dir.path());
    // A title that points elsewhere still lands in the target folder.
    saveTarget(converter, "/images/photo.jpg", "../photo2.jpg", dir.path());
    ASSERT_EQ(converter.saves.size(), 2u);
    EXPECT_EQ(converter.saves[0].kind, "bmp");
    EXPECT_EQ(converter.saves[0].path, (dir.path() / "photo.jpg").string());
    EXPECT_EQ(converter.saves[0].width, 128);
    EXPECT_EQ(converter.saves[0].height, 256);
    EXPECT_EQ(converter.saves[1].path, (dir.path() / "photo2.jpg").string());
}

TEST(TextureCopies, ACopyNeverReplacesItsSource) {
    testing::FakeImageConverter converter;
    const testing::TempDir dir;
    const std::string jpeg = dir.write("wing.jpg", "the user's photo");
    const std::string bitmap = dir.write("wing.bmp", "the user's bitmap");
    converter.addImage(jpeg, 300, 400);
    converter.addImage(bitmap, 300, 400);

    EXPECT_EQ(convertJPG(converter, jpeg, "wing.jpg", dir.path()), "wing_copy.jpg");
    saveTarget(converter, bitmap, "wing.bmp", dir.path());

    EXPECT_EQ(testing::TempDir::read(jpeg), "the user's photo");
    EXPECT_EQ(testing::TempDir::read(bitmap), "the user's bitmap");
    ASSERT_EQ(converter.saves.size(), 1u);
    EXPECT_EQ(converter.saves[0].path, (dir.path() / "wing_copy.jpg").string());
}

TEST(TextureCopies, AnUnloadableSourceWritesNothing) {
    testing::FakeImageConverter converter;
    const testing::TempDir dir;
    EXPECT_THROW(convertJPG(converter, "/images/missing.bmp", "missing.bmp", dir.path()), ImageError);
    EXPECT_THROW(saveTarget(converter, "/images/missing.bmp", "missing.bmp", dir.path()), ImageError);
    EXPECT_TRUE(converter.saves.empty());
}

}  // namespace
}  // namespace ferlo
