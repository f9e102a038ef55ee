#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "base/number_text.h"
#include "document/plane_operations.h"
#include "document/scene_drawing.h"
#include "support/fake_image_converter.h"
#include "support/scene_recording.h"
#include "support/temp_dir.h"

namespace ferlo {
namespace {

using testing::expectSamePoints;
using testing::pointsAt;
using testing::positions;

Point3D mirrored(const Point3D& p) { return {p.x, -p.y, p.z}; }

// A closed airfoil of `nb` points round an ellipse, from the trailing edge
// over the upper side, as an ".xy" file.
std::string ellipseAirfoil(int nb) {
    std::string text = "ellipse\n";
    for (int k = 0; k < nb; ++k) {
        const double angle = 2 * std::numbers::pi * k / nb;
        text += formatNumber((1 + std::cos(angle)) / 2) + " " + formatNumber(0.06 * std::sin(angle)) + "\n";
    }
    return text;
}

// The strip of a wing half: root and tip point i by i, closed on point 1.
std::vector<Point3D> wingStrip(const WingSection& half) {
    std::vector<Point3D> points;
    for (int i = 1; i <= half.nb + 1; ++i) {
        const int point = i > half.nb ? 1 : i;
        points.push_back(half.point1Get(point));
        points.push_back(half.point2Get(point));
    }
    return points;
}

struct CapCase {
    int nb;
    std::vector<int> capPoints;  // tip points in the order of the cap strip
};

class WingHalfTest : public ::testing::TestWithParam<CapCase> {};

TEST_P(WingHalfTest, StripRoundBothSectionsThenTipCapPairs) {
    const CapCase& c = GetParam();
    testing::TempDir dir;
    SymWingSections panel;
    panel.init();
    panel.span = 500;
    panel.length1 = 200;
    panel.length2 = 120;
    panel.loadAirfoilFile(dir.write("ellipse.xy", ellipseAirfoil(c.nb)));
    panel.create();
    ASSERT_EQ(panel.Left.nb, c.nb);

    for (const bool right : {false, true}) {
        const WingSection& half = right ? panel.Right : panel.Left;
        RecordingSceneSink sink;
        (right ? drawWingPanelRight : drawWingPanelLeft)(half, sink);
        const std::string what = std::string(right ? "right" : "left") + " nb " + std::to_string(c.nb);
        ASSERT_EQ(sink.shapes().size(), 2u) << what;
        EXPECT_TRUE(sink.balanced());
        EXPECT_EQ(sink.shapes()[0].primitive, SceneSink::Primitive::TriangleStrip);
        expectSamePoints(positions(sink.shapes()[0]), wingStrip(half), what + " strip");
        expectSamePoints(positions(sink.shapes()[1]), pointsAt(c.capPoints, [&](int i) { return half.point2Get(i); }),
                         what + " cap");
        // The closing pair and the cap carry fixed normals.
        const auto& strip = sink.shapes()[0].vertices;
        EXPECT_EQ(strip[strip.size() - 1].normal, (Point3D{1, 0, 0})) << what;
        EXPECT_EQ(strip[strip.size() - 2].normal, (Point3D{1, 0, 0})) << what;
        for (const auto& vertex : sink.shapes()[1].vertices) {
            EXPECT_EQ(vertex.normal, (Point3D{0, right ? -1.0 : 1.0, 0})) << what;
        }
    }
}

// Pairs of the tip cap: n - i + 1 with i for i up to n / 2 rounded half to
// even; with nb 11 the middle point 6 comes twice.
INSTANTIATE_TEST_SUITE_P(
    CapPairs, WingHalfTest,
    ::testing::Values(CapCase{9, {9, 1, 8, 2, 7, 3, 6, 4}},
                      CapCase{11, {11, 1, 10, 2, 9, 3, 8, 4, 7, 5, 6, 6}},
                      CapCase{16, {16, 1, 15, 2, 14, 3, 13, 4, 12, 5, 11, 6, 10, 7, 9, 8}}));

class WingPanelSceneTest : public ::testing::Test {
protected:
    void SetUp() override {
        newPlane(plane);
        createAll(plane);
    }
    SymWingSections& panel() { return plane.mainWing.wing(1); }
    // Left then right half of panel 1.
    std::pair<RecordingSceneSink, RecordingSceneSink> drawHalves() {
        std::pair<RecordingSceneSink, RecordingSceneSink> sinks;
        drawWingPanelLeft(panel().Left, sinks.first);
        drawWingPanelRight(panel().Right, sinks.second);
        return sinks;
    }
    Plane plane;
};

TEST_F(WingPanelSceneTest, RightHalfNormalsAreTheMirroredLeftOnesAndFaceOutwards) {
    const auto [left, right] = drawHalves();
    const auto& l = left.shapes()[0].vertices;
    const auto& r = right.shapes()[0].vertices;
    ASSERT_EQ(l.size(), r.size());
    for (std::size_t k = 0; k < l.size(); ++k) testing::expectNear(r[k].normal, mirrored(l[k].normal), "vertex " + std::to_string(k));

    // Away from the section's chord line on either side (the chord line
    // joins the trailing edge, point 1, and the leading edge), the normal
    // points up on the upper side and down on the lower side.
    const WingSection& half = panel().Left;
    const int n = half.nb;
    const Point3D te = half.point1Get(1);
    int leading = 1;
    for (int i = 2; i <= n; ++i) {
        if (half.point1Get(i).x < half.point1Get(leading).x) leading = i;
    }
    const Point3D le = half.point1Get(leading);
    for (int i = 2; i <= n - 1; ++i) {
        const Point3D p = half.point1Get(i);
        const double chordZ = le.z + (te.z - le.z) * (p.x - le.x) / (te.x - le.x);
        if (std::abs(p.z - chordZ) < 1e-6) continue;
        const double nz = l[static_cast<std::size_t>(2 * (i - 1))].normal.z;
        EXPECT_EQ(nz > 0, p.z > chordZ) << "root point " << i;
    }
}

TEST_F(WingPanelSceneTest, TextureCoordinatesRootAtZeroTipAtOneRightHalfNegated) {
    testing::FakeImageConverter converter;
    testing::RecordingProgress progress;
    TextureErrorLog errors;
    converter.addImage("wood.bmp", 32, 32);
    panel().setTexture("wood.bmp");
    decodeSceneTextures(plane, converter, progress, errors);
    ASSERT_TRUE(panel().Left.texture_loaded);
    ASSERT_TRUE(panel().Right.texture_loaded);

    const auto [left, right] = drawHalves();
    for (const bool isRight : {false, true}) {
        const RecordingSceneSink& sink = isRight ? right : left;
        const WingSection& half = isRight ? panel().Right : panel().Left;
        const double sign = isRight ? -1.0 : 1.0;
        ASSERT_EQ(sink.textures().size(), 1u);
        EXPECT_EQ(sink.textures()[0].wrap, TextureWrap::Clamp);
        EXPECT_EQ(sink.textures()[0].width, 32);
        EXPECT_TRUE(sink.shapes()[0].textured);
        const auto& strip = sink.shapes()[0].vertices;
        for (int i = 1; i <= half.nb; ++i) {
            const auto& root = strip[static_cast<std::size_t>(2 * (i - 1))];
            const auto& tip = strip[static_cast<std::size_t>(2 * (i - 1) + 1)];
            ASSERT_TRUE(root.texCoord && tip.texCoord) << i;
            EXPECT_EQ(root.texCoord->x, sign * half.texcoord1Get(i)) << i;
            EXPECT_EQ(root.texCoord->y, 0.0);
            EXPECT_EQ(tip.texCoord->x, sign * half.texcoord2Get(i)) << i;
            EXPECT_EQ(tip.texCoord->y, 1.0);
        }
        EXPECT_FALSE(strip.back().texCoord);  // the closing pair has none
    }
    // The same image shows on both halves the same way round.
    EXPECT_EQ(-panel().Right.texcoord1Get(3), panel().Left.texcoord1Get(3));
}

TEST_F(WingPanelSceneTest, UntexturedHalfGivesNoTextureCoordinates) {
    const auto [left, right] = drawHalves();
    for (const RecordingSceneSink* sink : {&left, &right}) {
        EXPECT_TRUE(sink->textures().empty());
        for (const auto& shape : sink->shapes()) {
            EXPECT_FALSE(shape.textured);
            for (const auto& vertex : shape.vertices) EXPECT_FALSE(vertex.texCoord);
        }
    }
}

TEST_F(WingPanelSceneTest, RightHalfCoordinateNegatedToMinusOneIsNone) {
    // The tip's trailing edge lies a whole span ahead of the root's leading
    // edge, and the image is square: its u is -1 on the left half and 1 on
    // the right half, which negated is -1 too.
    testing::FakeImageConverter converter;
    testing::RecordingProgress progress;
    TextureErrorLog errors;
    converter.addImage("wood.bmp", 32, 32);
    panel().pos1 = 0;
    panel().span = 300;
    panel().length2 = 100;
    panel().pos2 = -400;
    panel().create();
    panel().setTexture("wood.bmp");
    decodeSceneTextures(plane, converter, progress, errors);
    ASSERT_EQ(panel().Left.texcoord2Get(1), -1.0);
    ASSERT_EQ(panel().Right.texcoord2Get(1), 1.0);

    const auto [left, right] = drawHalves();
    for (const RecordingSceneSink* sink : {&left, &right}) {
        const auto& strip = sink->shapes()[0].vertices;
        EXPECT_FALSE(strip[1].texCoord);  // tip point 1
        EXPECT_TRUE(strip[0].texCoord);   // root point 1
        EXPECT_TRUE(strip[3].texCoord);   // tip point 2
    }
}

TEST_F(WingPanelSceneTest, HalvesAndFinOfFewPointsDrawNothingOrWithoutFaces) {
    // Fewer than 2 points: nothing at all (and nothing read outside the sections).
    for (const int nb : {-3, 0, 1}) {
        WingSection half = panel().Left;
        half.nb = static_cast<std::int16_t>(nb);
        VertWingSection fin = plane.fin;
        fin.nb = static_cast<std::int16_t>(nb);
        RecordingSceneSink sink;
        drawWingPanelLeft(half, sink);
        drawWingPanelRight(half, sink);
        drawFin(fin, sink);
        EXPECT_TRUE(sink.shapes().empty()) << nb;
    }
    // Two points: no face is computed, so every normal of the strip is (1, 0, 0).
    WingSection half = panel().Left;
    half.nb = 2;
    half.create();
    RecordingSceneSink sink;
    drawWingPanelLeft(half, sink);
    ASSERT_EQ(sink.shapes().size(), 2u);
    expectSamePoints(positions(sink.shapes()[0]), wingStrip(half), "strip");
    for (const auto& vertex : sink.shapes()[0].vertices) EXPECT_EQ(vertex.normal, (Point3D{1, 0, 0}));
    expectSamePoints(positions(sink.shapes()[1]), {half.point2Get(2), half.point2Get(1)}, "cap");
}

struct FinCase {
    int nb;
    std::vector<int> capPoints;
};

// The program's own fin has 16 points; a file may bring other counts.
constexpr int kProgramFinPoints = 16;

class FinSceneTest : public ::testing::TestWithParam<FinCase> {};

// The fin's strip: root and tip point 1 to n - 1, closed on point 1; point n
// is not emitted. Its cap pairs tip point n - i + 1 with i + 1.
TEST_P(FinSceneTest, StripClosesOnPointOneAndCapPairsSkipPointOne) {
    const FinCase& c = GetParam();
    VertWingSection fin;
    fin.init();
    fin.nb = static_cast<std::int16_t>(c.nb);
    fin.create();
    RecordingSceneSink sink;
    drawFin(fin, sink);
    ASSERT_EQ(sink.shapes().size(), 2u);
    std::vector<Point3D> strip;
    for (int i = 1; i <= c.nb; ++i) {
        const int point = i == c.nb ? 1 : i;
        strip.push_back(fin.point1Get(point));
        strip.push_back(fin.point2Get(point));
    }
    const std::string what = "nb " + std::to_string(c.nb);
    expectSamePoints(positions(sink.shapes()[0]), strip, what + " strip");
    expectSamePoints(positions(sink.shapes()[1]), pointsAt(c.capPoints, [&](int i) { return fin.point2Get(i); }),
                     what + " cap");
    for (const auto& vertex : sink.shapes()[1].vertices) EXPECT_EQ(vertex.normal, (Point3D{0, 0, 1}));

    // The faces of the program's fin turn outwards: a point on the positive
    // side of the fin's plane has a normal towards positive y, one on the
    // other side towards negative y. (With an odd count the rows of the
    // normals leave two points next to the middle without a face normal.)
    if (c.nb != kProgramFinPoints) return;
    const auto& vertices = sink.shapes()[0].vertices;
    for (int i = 2; i <= c.nb - 1; ++i) {
        const auto& root = vertices[static_cast<std::size_t>(2 * (i - 1))];
        if (std::abs(root.position.y) < 1e-9) continue;
        EXPECT_EQ(root.normal.y > 0, root.position.y > 0) << what << " root point " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(CapPairs, FinSceneTest,
                         ::testing::Values(FinCase{16, {16, 2, 15, 3, 14, 4, 13, 5, 12, 6, 11, 7, 10, 8}},
                                           FinCase{15, {15, 2, 14, 3, 13, 4, 12, 5, 11, 6, 10, 7}}));

TEST(FinTwinScene, TwinRepeatsTheFinMovedAcrossWithItsNormalsAndTexture) {
    testing::FakeImageConverter converter;
    testing::RecordingProgress progress;
    TextureErrorLog errors;
    converter.addImage("fin.bmp", 16, 64);
    Plane plane;
    newPlane(plane);
    plane.fin.offset1 = 20;
    plane.fin.offset2 = 5;
    plane.fin.setTexture("fin.bmp");
    createAll(plane);
    decodeSceneTextures(plane, converter, progress, errors);
    ASSERT_TRUE(plane.fin.texture_loaded);

    RecordingSceneSink sink;
    drawFin(plane.fin, sink);
    ASSERT_EQ(sink.shapes().size(), 4u);
    ASSERT_EQ(sink.textures().size(), 1u);
    const VertWingSection& fin = plane.fin;
    const int n = fin.nb;
    for (std::size_t part = 0; part < 2; ++part) {
        const auto& single = sink.shapes()[part].vertices;
        const auto& twin = sink.shapes()[part + 2].vertices;
        ASSERT_EQ(single.size(), twin.size());
        for (std::size_t k = 0; k < single.size(); ++k) {
            // Root points move by 2 offset1, tip points by 2 (offset1 + offset2);
            // the strip alternates root and tip, the cap holds tip points only.
            const bool tip = part == 1 || k % 2 == 1;
            const double moved = tip ? 50.0 : 40.0;
            testing::expectNear(twin[k].position, {single[k].position.x, single[k].position.y - moved, single[k].position.z},
                                "twin vertex " + std::to_string(k));
            EXPECT_EQ(twin[k].normal, single[k].normal);
            EXPECT_EQ(twin[k].texCoord.has_value(), single[k].texCoord.has_value());
            if (twin[k].texCoord) {
                EXPECT_EQ(*twin[k].texCoord, *single[k].texCoord);
            }
        }
    }
    // v is 1 at the root and 0 at the tip; the closing pair takes u of point n.
    const auto& strip = sink.shapes()[0].vertices;
    EXPECT_EQ(*strip[0].texCoord, (Point2D{fin.texcoord1Get(1), 1.0}));
    EXPECT_EQ(*strip[1].texCoord, (Point2D{fin.texcoord2Get(1), 0.0}));
    EXPECT_EQ(*strip[strip.size() - 2].texCoord, (Point2D{fin.texcoord1Get(n), 1.0}));
    EXPECT_EQ(*strip[strip.size() - 1].texCoord, (Point2D{fin.texcoord2Get(n), 0.0}));
}

}  // namespace
}  // namespace ferlo
