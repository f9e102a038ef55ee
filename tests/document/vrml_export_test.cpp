#include "document/vrml_export.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <limits>
#include <sstream>
#include <vector>

#include <gtest/gtest.h>

#include "document/vrml_writer.h"
#include "support/default_plane.h"
#include "support/fake_image_converter.h"
#include "support/scoped_locale.h"
#include "support/temp_dir.h"
#include "support/text_lines.h"

namespace ferlo {
namespace {

namespace fs = std::filesystem;
using testing::FakeImageConverter;
using testing::TempDir;

std::vector<std::string> lines(const std::string& text) { return testing::splitCrlfLines(text); }

// The group names of a world, in order ("    # Name" lines).
std::vector<std::string> groupNames(const std::vector<std::string>& world) {
    std::vector<std::string> names;
    for (const std::string& line : world)
        if (line.starts_with("    # ")) names.push_back(line.substr(6));
    return names;
}

// The urls of a world, in order.
std::vector<std::string> urls(const std::vector<std::string>& world) {
    std::vector<std::string> result;
    for (const std::string& line : world)
        if (line.starts_with("            url ")) result.push_back(line.substr(16));
    return result;
}

class VrmlExportTest : public ::testing::Test {
protected:
    void SetUp() override { testing::setUpDefaultPlane(plane); }
    std::vector<std::string> exportWorld() {
        result = exportVRML(plane, world, converter, progress);
        return lines(TempDir::read(world));
    }
    Plane plane;
    TempDir dir;
    fs::path world = dir.path() / "plane.wrl";
    FakeImageConverter converter;
    testing::RecordingProgress progress;
    VrmlExportResult result;
};

TEST_F(VrmlExportTest, DefaultAircraftGivesSevenGroupsAndAnExactBox) {
    const auto text = exportWorld();
    EXPECT_EQ(groupNames(text), (std::vector<std::string>{"WingLeft", "WingRight", "StabLeft", "StabRight",
                                                          "Fuselage", "Rudder", "Equipment"}));
    ASSERT_GE(text.size(), 7u);
    EXPECT_EQ(text[0], "#VRML V2.0 utf8");
    EXPECT_EQ(text[text.size() - 2], "  ]");
    EXPECT_EQ(text.back(), "}");
    EXPECT_TRUE(result.textureCopyErrors.empty());
    EXPECT_TRUE(converter.saves.empty());

    // The box group: translation at the box centre, colour by kind.
    const ElectroBox& box = plane.equipment.box(1);
    const Point3D c = box.centerGet(), s = box.sizeGet();
    const ColorRGB colour = box.colorGet();
    const auto start = std::find(text.begin(), text.end(), "    # Equipment");
    ASSERT_NE(start, text.end());
    const std::vector<std::string> group(start, start + 29);
    const std::vector<std::string> expected = {
        "    # Equipment", "    Transform", "    {",
        "      translation " + vrmlReal(c.x) + " " + vrmlReal(c.y) + " " + vrmlReal(c.z),
        "      children", "      [", "        Shape", "        {", "        geometry  Box ", "        {",
        "          size" + vrmlReal(s.x) + " " + vrmlReal(s.y) + " " + vrmlReal(s.z), "        }",
        "          appearance Appearance", "          {", "            material Material", "            {",
        "              diffuseColor " + vrmlReal(colour.red / 255) + " " + vrmlReal(colour.green / 255) +
            " " + vrmlReal(colour.blue / 255),
        "              transparency 0", "            }", "            texture ImageTexture {",
        "            repeatS FALSE", "            repeatT FALSE", "            url \"\"",
        "                       }", "          }", "        }", "      ]", "    }", "  ]"};
    EXPECT_EQ(group, expected);
}

TEST_F(VrmlExportTest, PairsTwinsHiddenFuselagesAndTheCurrentOne) {
    ASSERT_TRUE(plane.fuselages.addFuselage(false, plane.units, plane.defaultColor));
    ASSERT_TRUE(plane.fuselages.addFuselage(false, plane.units, plane.defaultColor));
    plane.fuselages.fuselage(2).shift = 40;
    plane.fuselages.setShown(3, false);
    plane.fuselages.currentFuselage = 1;
    plane.fin.offset2 = 15;
    ASSERT_TRUE(plane.equipment.addBox(plane.units));

    const auto text = exportWorld();
    EXPECT_EQ(groupNames(text),
              (std::vector<std::string>{"WingLeft", "WingRight", "StabLeft", "StabRight", "Fuselage", "Fuselage",
                                        "Fuselage", "Fuselage", "Rudder", "Rudder", "Equipment", "Equipment"}));
    EXPECT_EQ(plane.fuselages.currentFuselage, 1);  // the fuselage panel's one stays current
    EXPECT_TRUE(plane.fuselages.shown(3));
    EXPECT_EQ(std::count(text.begin(), text.end(), "            repeatS TRUE"), 4);
}

TEST_F(VrmlExportTest, TexturesAreCopiedOncePerPartUnderDistinctNames) {
    TempDir images;
    const std::string wood = images.write("wood.bmp", "image"), other = (images.path() / "x" / "wood.bmp").string();
    fs::create_directories(images.path() / "x");
    std::ofstream(other) << "image";
    converter.addImage(wood, 40, 20);
    converter.addImage(other, 40, 20);
    plane.mainWing.wing(1).setTexture(wood);
    plane.fuselages.fuselage(1).setTexture(other);  // same title, another image
    plane.fin.setTexture((images.path() / "missing.png").string());
    const std::string planeWorld = dir.write("plane.jpg", "a picture beside the world");

    const auto text = exportWorld();
    EXPECT_EQ(urls(text), (std::vector<std::string>{"\"wood.jpg\"", "\"wood.jpg\"", "\"\"", "\"\"",
                                                    "\"wood_2.jpg\"", "\"missing.jpg\"", "\"\""}));
    ASSERT_EQ(converter.saves.size(), 2u);
    EXPECT_EQ(converter.saves[0].path, (dir.path() / "wood.jpg").string());
    EXPECT_EQ(converter.saves[1].path, (dir.path() / "wood_2.jpg").string());
    // The wing's copy is turned a quarter turn, the fuselage's is not.
    EXPECT_GT(converter.saves[0].height, converter.saves[0].width);
    EXPECT_GT(converter.saves[1].width, converter.saves[1].height);
    ASSERT_EQ(result.textureCopyErrors.size(), 1u);
    EXPECT_NE(result.textureCopyErrors[0].find("missing.png"), std::string::npos);
    EXPECT_EQ(TempDir::read(planeWorld), "a picture beside the world");
}

// The texture coordinates of each group's texture block, in order.
std::vector<std::vector<std::string>> textureBlocks(const std::vector<std::string>& world) {
    std::vector<std::vector<std::string>> blocks;
    bool inBlock = false;
    for (std::size_t k = 0; k < world.size(); ++k) {
        if (world[k] == "          texCoord TextureCoordinate ") {
            blocks.emplace_back();
            inBlock = true;
            k += 3;  // "{", "point", "["
        } else if (inBlock && world[k] == "            ]") {
            inBlock = false;
        } else if (inBlock) {
            blocks.back().push_back(world[k]);
        }
    }
    return blocks;
}

// Textured panels and fins whose images the 3D view has not loaded get their
// texture coordinates all the same: u of a first-surface root point is its
// distance aft of the root's leading edge over the span, times the image's
// aspect (16 x 8: turned for the panel, 8 x 16, as it is for the fin).
TEST_F(VrmlExportTest, TexturedPanelsAndTheFinGetTheirTextureCoordinates) {
    const std::string image = dir.write("wood.bmp", "image");
    converter.addImage(image, 16, 8);
    plane.mainWing.wing(1).setTexture(image);
    plane.fin.setTexture(image);

    const auto text = exportWorld();

    const auto blocks = textureBlocks(text);
    ASSERT_EQ(blocks.size(), 3u);  // the two wing halves and the fin
    const SymWingSections& panel = plane.mainWing.wing(1);
    const VertWingSection& fin = plane.fin;
    ASSERT_EQ(blocks[0].size(), 2u * static_cast<std::size_t>(panel.nb));
    ASSERT_EQ(blocks[2].size(), 2u * static_cast<std::size_t>(fin.nb));
    for (int i = 1; i <= 4; ++i) {
        const auto at = static_cast<std::size_t>(i - 1);
        EXPECT_EQ(blocks[0][at], vrmlReal((panel.Left.point1Get(i).x - panel.pos1) / panel.span * 2) + " 1 ") << i;
        EXPECT_EQ(blocks[1][at], vrmlReal((panel.Right.point1Get(i).x - panel.pos1) / panel.span * 2) + " 1 ") << i;
        EXPECT_EQ(blocks[2][at], vrmlReal((fin.point1Get(i).x - fin.pos1) / fin.span / 2) + " 0 ") << i;
    }
    EXPECT_NE(blocks[0][0], " 0 1 ");
    EXPECT_NE(blocks[2][1], " 0 0 ");
    EXPECT_TRUE(result.textureCopyErrors.empty());
}

TEST_F(VrmlExportTest, ACopyNeverReplacesAPartsImage) {
    const std::string jpeg = dir.write("skin.jpg", "the fuselage's own image");
    const std::string bitmap = dir.write("skin.bmp", "the fin's image");
    converter.addImage(jpeg, 16, 16);
    converter.addImage(bitmap, 16, 16);
    plane.fuselages.fuselage(1).setTexture(jpeg);
    plane.fin.setTexture(bitmap);

    const auto text = exportWorld();
    const auto names = urls(text);
    ASSERT_EQ(names.size(), 7u);
    EXPECT_EQ(names[4], "\"skin_2.jpg\"");
    EXPECT_EQ(names[5], "\"skin_3.jpg\"");
    EXPECT_EQ(TempDir::read(jpeg), "the fuselage's own image");
}

TEST_F(VrmlExportTest, AFailedExportLeavesThePreviousWorldAndWritesNoCopies) {
    const std::string image = dir.write("wood.bmp", "image");
    converter.addImage(image, 16, 16);
    plane.fin.setTexture(image);

    EXPECT_THROW(exportVRML(plane, dir.path() / "no folder" / "plane.wrl", converter, progress), WriteError);

    dir.write("plane.wrl", "previous world");
    plane.fuselages.fuselage(1).shift = std::numeric_limits<double>::quiet_NaN();
    EXPECT_THROW(exportVRML(plane, world, converter, progress), WriteError);
    EXPECT_EQ(TempDir::read(world), "previous world");
    EXPECT_TRUE(converter.saves.empty());
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 2);
}

TEST_F(VrmlExportTest, TheWorldIsTheSameOnACommaDecimalLocale) {
    plane.fuselages.fuselage(1).shift = 12.5;
    const std::string plain = (exportWorld(), TempDir::read(world));
    testing::ScopedLocale german("de_DE.UTF-8");
    if (!german.active()) GTEST_SKIP() << "no de_DE.UTF-8 locale";
    exportWorld();
    EXPECT_EQ(TempDir::read(world), plain);
    EXPECT_NE(plain.find(" 12.5"), std::string::npos);
}

}  // namespace
}  // namespace ferlo
