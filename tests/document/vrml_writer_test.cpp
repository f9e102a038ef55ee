#include "document/vrml_writer.h"

#include <algorithm>
#include <limits>
#include <sstream>
#include <vector>

#include <gtest/gtest.h>

#include "document/plane_operations.h"
#include "support/default_plane.h"
#include "support/scoped_locale.h"
#include "support/text_lines.h"
#include "support/view_testing.h"

namespace ferlo {
namespace {

using testing::crlfLines;

// The lines one writer call produced; the text must end with CR LF.
template <typename Write>
std::vector<std::string> writtenLines(Write write) {
    std::ostringstream text;
    LineWriter out(text, "world");
    write(out);
    EXPECT_TRUE(text.str().ends_with("\r\n"));
    return testing::splitCrlfLines(text.str());
}

template <typename Write>
std::string writtenText(Write write) {
    std::ostringstream text;
    LineWriter out(text, "world");
    write(out);
    return text.str();
}

std::vector<std::string> between(const std::vector<std::string>& lines, const std::string& opening,
                                 std::size_t skip = 0) {
    auto start = std::find(lines.begin(), lines.end(), opening);
    EXPECT_NE(start, lines.end()) << opening;
    if (start == lines.end()) return {};
    start += 2 + static_cast<std::ptrdiff_t>(skip);  // the list keyword and "["
    auto end = std::find_if(start, lines.end(), [](const std::string& l) { return l.find(']') != std::string::npos; });
    return {start, end};
}

TEST(VrmlReal, WritesTheWorldFileNumberForm) {
    const std::pair<double, const char*> cases[] = {
        {180, " 180"},        {0.5, " .5"},          {-2.25, "-2.25"},         {0, " 0"},
        {-0.0, " 0"},         {-0.25, "-.25"},        {200.0 / 255, " .784313725490196"},
        {1e-20, " 1E-20"},    {-3.5e21, "-3.5E+21"}, {123456.75, " 123456.75"}, {1.0 / 3, " .333333333333333"},
    };
    for (const auto& [value, text] : cases) EXPECT_EQ(vrmlReal(value), text) << value;
    EXPECT_THROW(vrmlReal(std::numeric_limits<double>::quiet_NaN()), std::invalid_argument);
}

TEST(VrmlReal, IsTheSameOnACommaDecimalLocale) {
    testing::ScopedLocale german("de_DE.UTF-8");
    EXPECT_EQ(vrmlReal(-2.25), "-2.25");
    EXPECT_EQ(vrmlReal(200.0 / 255), " .784313725490196");
}

TEST(VrmlNodes, FixedLinesAreWrittenExactly) {
    EXPECT_EQ(writtenText([](LineWriter& out) {
                  writeVrmlHeader(out);
                  writeVrmlGroup(out, "Equipment");
                  writeVrmlTranslation(out, {10, -0.5, 0});
                  writeVrmlBox(out, {30, 15, 25});
                  writeVrmlAppearance(out, {200, 200, 200}, "", false);
                  closeVrmlShape(out);
                  closeVrmlFile(out);
              }),
              crlfLines({"#VRML V2.0 utf8",
                         "#File produced with Ferlo V 2.2.1",
                         "Transform",
                         "{",
                         "  children",
                         "  [",
                         "    NavigationInfo { headlight TRUE  type    \"EXAMINE\"}",
                         "    # Equipment",
                         "    Transform",
                         "    {",
                         "      translation  10 -.5  0",
                         "      children",
                         "      [",
                         "        Shape",
                         "        {",
                         "        geometry  Box ",
                         "        {",
                         "          size 30  15  25",
                         "        }",
                         "          appearance Appearance",
                         "          {",
                         "            material Material",
                         "            {",
                         "              diffuseColor  .784313725490196  .784313725490196  .784313725490196",
                         "              transparency 0",
                         "            }",
                         "            texture ImageTexture {",
                         "            repeatS FALSE",
                         "            repeatT FALSE",
                         "            url \"\"",
                         "                       }",
                         "          }",
                         "        }",
                         "      ]",
                         "    }",
                         "  ]",
                         "}"}));
}

TEST(VrmlNodes, AppearanceRepeatsAndEscapesTheUrl) {
    const auto lines = writtenLines([](LineWriter& out) { writeVrmlAppearance(out, {0, 0, 255}, "a\"b\\c.jpg", true); });
    ASSERT_EQ(lines.size(), 13u);
    EXPECT_EQ(lines[4], "              diffuseColor  0  0  1");
    EXPECT_EQ(lines[8], "            repeatS TRUE");
    EXPECT_EQ(lines[9], "            repeatT TRUE");
    EXPECT_EQ(lines[10], "            url \"a\\\"b\\\\c.jpg\"");
    // Read back as written, escapes undone; no other line holds a url.
    EXPECT_EQ(vrmlUrlOf(lines[10]), "a\"b\\c.jpg");
    EXPECT_EQ(vrmlUrlOf(lines[9]), std::nullopt);
    EXPECT_EQ(vrmlUrlOf("            url \"no end"), std::nullopt);
}

class VrmlMeshTest : public ::testing::Test {
protected:
    void SetUp() override {
        testing::setUpDefaultPlane(plane);
        createAll(plane);
    }
    Plane plane;
};

TEST_F(VrmlMeshTest, WingHalfWithoutTextureHasPointsAndRingFacesOnly) {
    const WingSection& half = plane.mainWing.wing(1).Left;
    const int n = half.nb;
    ASSERT_GE(n, 3);
    const auto lines = writtenLines([&](LineWriter& out) { writeVrmlWingMesh(out, half, "left"); });
    EXPECT_EQ(lines[2], "          creaseAngle 60");

    const auto points = between(lines, "            point", 0);
    ASSERT_EQ(points.size(), static_cast<std::size_t>(2 * n));
    const Point3D root = half.point1Get(1), tip = half.point2Get(n);
    EXPECT_EQ(points.front(), vrmlReal(root.x) + " " + vrmlReal(root.y) + " " + vrmlReal(root.z) + ",");
    EXPECT_EQ(points.back(), vrmlReal(tip.x) + " " + vrmlReal(tip.y) + " " + vrmlReal(tip.z));

    const auto faces = between(lines, "          coordIndex");
    ASSERT_EQ(faces.size(), static_cast<std::size_t>(2 * n));
    EXPECT_EQ(faces[0], " 0 ,  " + std::to_string(n + 1) + " ,  " + std::to_string(n) + " , -1,");
    EXPECT_EQ(faces[n - 1], " " + std::to_string(n - 1) + " ,  " + std::to_string(n) + " ,  " +
                                std::to_string(2 * n - 1) + " , -1,");
    EXPECT_EQ(faces.back(), " " + std::to_string(n - 1) + " ,  0 ,  " + std::to_string(n) + " , -1");
    for (std::size_t i = 0; i + 1 < faces.size(); ++i) EXPECT_TRUE(faces[i].ends_with(", -1,")) << i;

    EXPECT_EQ(std::count(lines.begin(), lines.end(), "          texCoordIndex"), 0);
    const auto closing = std::find(lines.begin(), lines.end(), "          ]");
    ASSERT_NE(closing, lines.end());
    EXPECT_EQ(*(closing + 1), "          solid FALSE");
    EXPECT_EQ(lines.back(), "        }");
}

TEST_F(VrmlMeshTest, TextureUOfARightHalfIsNegatedButNeverTheFins) {
    WingSection half = plane.mainWing.wing(1).Right;
    half.setTexture("wood.bmp");
    half.xtex = half.ytex = 64;
    half.create_texcoords();
    const int n = half.nb;
    ASSERT_NE(half.texcoord1Get(2), 0.0);
    for (const auto& [side, sign] : {std::pair{"left", 1.0}, std::pair{"right", -1.0}}) {
        const auto lines = writtenLines([&](LineWriter& out) { writeVrmlWingMesh(out, half, side); });
        const auto texturePoints = between(lines, "          texCoord TextureCoordinate ", 2);
        ASSERT_EQ(texturePoints.size(), static_cast<std::size_t>(2 * n)) << side;
        EXPECT_EQ(texturePoints[1], vrmlReal(sign * half.texcoord1Get(2)) + " 1 ") << side;
        EXPECT_EQ(texturePoints[n + 1], vrmlReal(sign * half.texcoord2Get(2)) + " 0 ") << side;
        EXPECT_EQ(between(lines, "          texCoordIndex"), between(lines, "          coordIndex")) << side;
    }

    VertWingSection& fin = plane.fin;
    fin.setTexture("fin.bmp");
    fin.offset1 = 20;
    fin.texture_loaded = true;
    fin.xtex = fin.ytex = 64;
    fin.create();
    ASSERT_NE(fin.texcoord1Get(2), 0.0);
    const auto twin = writtenLines([&](LineWriter& out) { writeVrmlFinMesh(out, fin, true); });
    const auto points = between(twin, "            point", 0);
    const Point3D p = fin.point1Get(1, true);
    EXPECT_EQ(points.front(), vrmlReal(p.x) + " " + vrmlReal(p.y) + " " + vrmlReal(p.z) + ",");
    const auto texturePoints = between(twin, "          texCoord TextureCoordinate ", 2);
    ASSERT_EQ(texturePoints.size(), static_cast<std::size_t>(2 * fin.nb));
    EXPECT_EQ(texturePoints[1], vrmlReal(fin.texcoord1Get(2)) + " 0 ");
    EXPECT_EQ(texturePoints[fin.nb + 1], vrmlReal(fin.texcoord2Get(2)) + " 1 ");
}

TEST_F(VrmlMeshTest, OpaqueAndTransparentFuselageFaces) {
    MeshSections fuselage = plane.fuselages.fuselage(1);
    const int ns = fuselage.nb_sections, nc = fuselage.nb_cross;
    ASSERT_GE(ns, 2);
    ASSERT_GE(nc, 4);
    auto v = [nc](int i, int j) { return (i - 1) * nc + (j - 1); };
    auto face = [](int a, int b, int c, const char* end) {
        return " " + std::to_string(a) + " ,  " + std::to_string(b) + " ,  " + std::to_string(c) + " " + end;
    };

    const auto opaque = writtenLines([&](LineWriter& out) { writeVrmlFuselageMesh(out, fuselage, false); });
    EXPECT_EQ(opaque[2], "          creaseAngle 70");
    EXPECT_EQ(between(opaque, "            point", 0).size(), static_cast<std::size_t>(ns * nc));
    const auto faces = between(opaque, "          coordIndex");
    ASSERT_EQ(faces.size(), static_cast<std::size_t>(2 * (ns - 1) * nc));
    EXPECT_EQ(faces[0], face(v(1, 1), v(2, 2), v(2, 1), ", -1,"));
    EXPECT_EQ(faces[nc - 1], face(v(1, nc), v(2, 1), v(2, nc), ", -1,"));
    const std::size_t secondPass = static_cast<std::size_t>((ns - 1) * nc);
    EXPECT_EQ(faces[secondPass], face(v(1, 1), v(1, 2), v(2, 2), ", -1,"));
    EXPECT_EQ(faces[secondPass + nc - 1], face(v(1, nc), v(1, 1), v(2, 1), ", -1"));
    EXPECT_EQ(faces.back(), face(v(ns - 1, nc), v(ns - 1, 1), v(ns, 1), ", -1"));

    fuselage.transparent = true;
    fuselage.setTexture("skin.bmp");
    const auto clear = writtenLines([&](LineWriter& out) { writeVrmlFuselageMesh(out, fuselage, false); });
    const auto band = between(clear, "          coordIndex");
    const int first = nc / 4 + 1, last = nc - (nc + 3) / 4;  // floor(nc/4 + 1) and floor(nc - nc/4)
    ASSERT_EQ(band.size(), static_cast<std::size_t>(2 * (ns - 1) * (last - first + 1)));
    EXPECT_EQ(band[0], face(v(1, first), v(2, first + 1), v(2, first), ", -1,"));
    for (const std::string& line : band) EXPECT_TRUE(line.ends_with(", -1,")) << line;
    EXPECT_EQ(between(clear, "          texCoordIndex"), band);
    const auto texturePoints = between(clear, "          texCoord TextureCoordinate ", 2);
    ASSERT_EQ(texturePoints.size(), static_cast<std::size_t>(ns * nc));
    const Point2D uv = fuselage.texcoordGet(2, 1);
    EXPECT_EQ(texturePoints[1], vrmlReal(uv.x) + " " + vrmlReal(-uv.y));

    const auto mirrored = writtenLines([&](LineWriter& out) { writeVrmlFuselageMesh(out, fuselage, true); });
    const Point3D p = fuselage.pointGet(1, 1, true);
    EXPECT_EQ(between(mirrored, "            point", 0).front(),
              vrmlReal(p.x) + " " + vrmlReal(p.y) + " " + vrmlReal(p.z) + ",");
}

// A fuselage is written as its mesh was built, whatever its counts have
// become since (a section inserted, the outline points set to 1, which keeps
// the mesh): 3 sections of 8 points, 48 faces.
TEST_F(VrmlMeshTest, AFuselageIsWrittenAsItsMeshWasBuilt) {
    MeshSections fuselage = plane.fuselages.fuselage(1);
    const auto built = writtenLines([&](LineWriter& out) { writeVrmlFuselageMesh(out, fuselage, false); });
    fuselage.sel_sec = 2;
    fuselage.insertSection(testing::pressedAt(100));
    ASSERT_EQ(fuselage.nb_sections, 4);
    fuselage.nb_cross = 1;
    fuselage.create();
    EXPECT_EQ(fuselage.meshSectionCount(), 3);
    EXPECT_EQ(fuselage.meshPointCount(), 8);
    const auto lines = writtenLines([&](LineWriter& out) { writeVrmlFuselageMesh(out, fuselage, false); });
    EXPECT_EQ(lines, built);
    EXPECT_EQ(between(lines, "            point", 0).size(), 24u);
    EXPECT_EQ(between(lines, "          coordIndex").size(), 2u * 2u * 8u);
}

// A fuselage whose mesh was never built with two outline points or more has
// neither points nor faces.
TEST_F(VrmlMeshTest, AFuselageWithoutMeshGetsNoFaces) {
    MeshSections fuselage;
    fuselage.nb_cross = 1;
    fuselage.create();
    EXPECT_EQ(fuselage.meshPointCount(), 0);
    const auto lines = writtenLines([&](LineWriter& out) { writeVrmlFuselageMesh(out, fuselage, false); });
    EXPECT_TRUE(between(lines, "            point", 0).empty());
    EXPECT_TRUE(between(lines, "          coordIndex").empty());
    EXPECT_EQ(lines.back(), "        }");
}

}  // namespace
}  // namespace ferlo
