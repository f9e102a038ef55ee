#include "document/scene_drawing.h"

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "document/plane_operations.h"
#include "document/scene_normals.h"
#include "support/fake_image_converter.h"
#include "support/scene_recording.h"

namespace ferlo {
namespace {

using testing::expectSamePoints;
using testing::positions;
using Primitive = SceneSink::Primitive;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

struct NormalCase {
    const char* what;
    Point3D (*operation)();
    Point3D expected;
};

TEST(SceneNormals, UnitVectorsAndOneZeroZeroWithoutDirection) {
    const double half = std::sqrt(0.5);
    const NormalCase cases[] = {
        {"3 4 0", [] { return normalize({3, 4, 0}); }, {0.6, 0.8, 0}},
        {"tiny", [] { return normalize({0, 0, -1e-300}); }, {0, 0, -1}},
        {"huge", [] { return normalize({1e300, 1e300, 0}); }, {half, half, 0}},
        {"zero", [] { return normalize({0, 0, 0}); }, {1, 0, 0}},
        {"NaN", [] { return normalize({kNaN, 1, 0}); }, {1, 0, 0}},
        {"infinite", [] { return normalize({kInf, 1, 0}); }, {1, 0, 0}},
        {"face x y", [] { return faceNormal({0, 0, 0}, {1, 0, 0}, {0, 1, 0}); }, {0, 0, 1}},
        {"face y x", [] { return faceNormal({0, 0, 0}, {0, 2, 0}, {3, 0, 0}); }, {0, 0, -1}},
        {"coincident points", [] { return faceNormal({1, 2, 3}, {1, 2, 3}, {4, 5, 6}); }, {1, 0, 0}},
        {"mid of x and y", [] { return midNormal({1, 0, 0}, {0, 1, 0}); }, {half, half, 0}},
        {"mid of opposites", [] { return midNormal({0, 0, 1}, {0, 0, -1}); }, {1, 0, 0}},
        {"mid of zeros", [] { return midNormal({}, {}); }, {1, 0, 0}},
        {"sub", [] { return vectorSub({5, 7, 9}, {1, 2, 3}); }, {4, 5, 6}},
    };
    for (const NormalCase& c : cases) testing::expectNear(c.operation(), c.expected, c.what);
}

TEST(SceneVertices, TextureCoordinateOnlyWhenNeitherIsMinusOne) {
    RecordingSceneSink sink;
    sink.begin(Primitive::TriangleStrip);
    vertexNormal(sink, {1, 2, 3}, {0, 0, 1}, 0.5, 0);
    vertexNormal(sink, {1, 2, 3}, {0, 0, 1}, -1, 0);
    vertexNormal(sink, {1, 2, 3}, {0, 0, 1}, 0.5, -1);
    vertexNormal(sink, {1, 2, 3}, {0, 0, 1}, -1.5, 1);
    vertexAvgNormal(sink, {4, 5, 6}, {0, 0, 1}, {0, 0, -1}, 2, 1);
    sink.end();
    const auto& v = sink.shapes()[0].vertices;
    EXPECT_EQ(v[0].texCoord, (Point2D{0.5, 0}));
    EXPECT_FALSE(v[1].texCoord);
    EXPECT_FALSE(v[2].texCoord);
    EXPECT_EQ(v[3].texCoord, (Point2D{-1.5, 1}));
    EXPECT_EQ(v[4].texCoord, (Point2D{2, 1}));
    EXPECT_EQ(v[4].normal, (Point3D{1, 0, 0}));  // the mean of opposite normals
}

class SceneTest : public ::testing::Test {
protected:
    void SetUp() override {
        newPlane(plane);
        createAll(plane);
    }
    Plane plane;
};

TEST_F(SceneTest, BoxIsAQuadStripAroundItsLengthAndTwoEndQuads) {
    ElectroBox& box = plane.equipment.box(1);
    box.create();
    const Point3D c = box.cornerGet();
    const Point3D s = box.sizeGet();
    ASSERT_GT(s.x, 0);
    RecordingSceneSink sink;
    drawEquipment(plane.equipment, sink);
    ASSERT_EQ(sink.shapes().size(), 3u);
    EXPECT_EQ(sink.shapes()[0].colour, (ColorRGB{0, 0, 255}));
    EXPECT_EQ(sink.shapes()[0].alpha, kPartAlpha);

    const double x1 = c.x + s.x, y1 = c.y + s.y, z1 = c.z + s.z;
    const auto& strip = sink.shapes()[0];
    EXPECT_EQ(strip.primitive, Primitive::QuadStrip);
    expectSamePoints(positions(strip),
                     {{c.x, c.y, c.z}, {x1, c.y, c.z}, {c.x, c.y, z1}, {x1, c.y, z1}, {c.x, y1, z1}, {x1, y1, z1},
                      {c.x, y1, c.z}, {x1, y1, c.z}, {c.x, c.y, c.z}, {x1, c.y, c.z}},
                     "quad strip");
    const Point3D normals[] = {{0, -1, -1}, {0, -1, 1}, {0, 1, 1}, {0, 1, -1}, {0, -1, -1}};
    for (std::size_t k = 0; k < 10; ++k) EXPECT_EQ(strip.vertices[k].normal, normals[k / 2]) << k;

    for (const bool rear : {false, true}) {
        const auto& end = sink.shapes()[rear ? 2 : 1];
        const double x = rear ? x1 : c.x;
        EXPECT_EQ(end.primitive, Primitive::Quads);
        expectSamePoints(positions(end), {{x, c.y, c.z}, {x, c.y, z1}, {x, y1, z1}, {x, y1, c.z}}, "end quad");
        for (const auto& vertex : end.vertices) EXPECT_EQ(vertex.normal, (Point3D{rear ? 1.0 : -1.0, 0, 0}));
    }
}

// The strips of a fuselage: one per pair of sections, point j of section i
// and of section i + 1 in turn, closed on point 1 with the texture
// coordinate of the last point.
void expectFuselageStrips(const std::vector<RecordingSceneSink::Shape>& strips, const MeshSections& fuselage,
                          bool mirror) {
    const int ns = fuselage.nb_sections;
    const int nc = fuselage.nb_cross;
    ASSERT_EQ(strips.size(), static_cast<std::size_t>(ns - 1));
    for (int i = 1; i < ns; ++i) {
        std::vector<Point3D> points;
        std::vector<Point2D> coordinates;
        for (int k = 1; k <= nc + 1; ++k) {
            const int j = k > nc ? 1 : k;
            const int uvPoint = k > nc ? nc : k;
            for (const int section : {i, i + 1}) {
                points.push_back(fuselage.pointGet(j, section, mirror));
                coordinates.push_back(fuselage.texcoordGet(uvPoint, section));
            }
        }
        const auto& strip = strips[static_cast<std::size_t>(i - 1)];
        expectSamePoints(positions(strip), points, "strip " + std::to_string(i));
        for (std::size_t k = 0; k < strip.vertices.size(); ++k) {
            ASSERT_TRUE(strip.vertices[k].texCoord) << k;
            EXPECT_EQ(*strip.vertices[k].texCoord, coordinates[k]) << "strip " << i << " vertex " << k;
        }
    }
}

TEST_F(SceneTest, FuselageStripsAndTheCopyOfAPair) {
    MeshSections& fuselage = plane.fuselages.fuselage(1);
    fuselage.shift = 30;
    fuselage.create();
    ASSERT_EQ(fuselage.nb_sections, 3);
    ASSERT_EQ(fuselage.nb_cross, 8);
    RecordingSceneSink sink;
    drawFuselage(fuselage, sink);
    ASSERT_EQ(sink.shapes().size(), 4u);
    EXPECT_TRUE(sink.balanced());
    const std::vector<RecordingSceneSink::Shape> single(sink.shapes().begin(), sink.shapes().begin() + 2);
    const std::vector<RecordingSceneSink::Shape> copy(sink.shapes().begin() + 2, sink.shapes().end());
    expectFuselageStrips(single, fuselage, false);
    expectFuselageStrips(copy, fuselage, true);
    for (std::size_t s = 0; s < 2; ++s) {
        for (std::size_t k = 0; k < single[s].vertices.size(); ++k) {
            const auto& a = single[s].vertices[k];
            const auto& b = copy[s].vertices[k];
            testing::expectNear(b.position, {a.position.x, a.position.y - 60, a.position.z}, "copy");
            EXPECT_EQ(b.normal, a.normal);
        }
    }
    // The outline runs round the section: its normals face away from the axis.
    for (const auto& vertex : single[0].vertices) {
        const Point3D p = vertex.position;
        const double outward = vertex.normal.y * (p.y - fuselage.shift);
        if (std::abs(p.y - fuselage.shift) > 1) {
            EXPECT_GT(outward, 0) << p.x << " " << p.y << " " << p.z;
        }
    }
}

TEST_F(SceneTest, FuselageWithoutAMeshDrawsNothing) {
    struct Case {
        const char* what;
        int sections, points;
    };
    for (const Case& c : {Case{"one section", 1, 8}, Case{"one outline point", 3, 1}, Case{"no outline", 3, 0},
                          Case{"no sections", 0, 8}}) {
        MeshSections fuselage;
        fuselage.nb_sections = static_cast<std::int16_t>(c.sections);
        fuselage.nb_cross = static_cast<std::int16_t>(c.points);
        fuselage.initArrays();
        fuselage.create();
        RecordingSceneSink sink;
        drawFuselage(fuselage, sink);
        EXPECT_TRUE(sink.shapes().empty()) << c.what;
        EXPECT_TRUE(sink.textures().empty()) << c.what;
    }
}

// The fuselage is drawn as its mesh was built, whatever its counts have
// become since: three sections give two strips.
TEST_F(SceneTest, FuselageIsDrawnAsItsMeshWasBuilt) {
    MeshSections fuselage;
    fuselage.create();
    fuselage.nb_cross = 1;
    fuselage.nb_sections = 0;
    RecordingSceneSink sink;
    drawFuselage(fuselage, sink);
    EXPECT_EQ(sink.shapes().size(), 2u);
}

// The parts of the scene by their colours, in the order drawn, with the
// number of shapes each gives and whether blending was on.
struct PartRun {
    ColorRGB colour;
    std::size_t shapes;
    bool blending;
    friend bool operator==(const PartRun&, const PartRun&) = default;
};

std::vector<PartRun> runs(const RecordingSceneSink& sink) {
    std::vector<PartRun> result;
    for (const auto& shape : sink.shapes()) {
        if (!result.empty() && result.back().colour == shape.colour && result.back().blending == shape.blending) {
            ++result.back().shapes;
        } else {
            result.push_back({shape.colour, 1, shape.blending});
        }
    }
    return result;
}

TEST_F(SceneTest, DrawOrderBoxesPanelsStabiliserFinShownFuselages) {
    const ColorRGB panel1{10, 20, 30}, panel2{40, 50, 60}, stab{70, 80, 90}, fin{100, 110, 120};
    const ColorRGB opaque{130, 140, 150}, hidden{160, 170, 180}, transparent{190, 200, 210};
    plane.mainWing.nbWings = 2;
    plane.mainWing.addWing(plane.defaultColor);
    plane.mainWing.wing(1).colorSet(panel1);
    plane.mainWing.wing(2).colorSet(panel2);
    plane.stab.colorSet(stab);
    plane.fin.colorSet(fin);
    plane.fin.offset1 = 15;
    ASSERT_TRUE(plane.equipment.addBox(plane.units));
    plane.equipment.box(2).box = 1;  // a receiver: green
    for (int i = 0; i < 2; ++i) ASSERT_TRUE(plane.fuselages.addFuselage(false, plane.units, plane.defaultColor));
    plane.fuselages.fuselage(1).colorSet(opaque);
    plane.fuselages.fuselage(2).colorSet(hidden);
    plane.fuselages.fuselage(3).colorSet(transparent);
    plane.fuselages.fuselage(3).transparent = true;
    plane.fuselages.setShown(2, false);
    createAll(plane);

    RecordingSceneSink sink;
    drawScene(plane, sink);
    EXPECT_TRUE(sink.balanced());
    const std::vector<PartRun> expected = {
        {{0, 0, 255}, 3, false},  // box 1: strip and two ends
        {{0, 255, 0}, 3, false},  // box 2
        {panel1, 4, false},       // left strip and cap, right strip and cap
        {panel2, 4, false},
        {stab, 4, false},
        {fin, 4, false},          // fin and twin, each a strip and a cap
        {opaque, 2, false},       // two strips between three sections
        {transparent, 2, true},
    };
    EXPECT_EQ(runs(sink), expected);
    // Blending off for the scene, off for the opaque fuselage, on for the
    // transparent one, and left on after it.
    EXPECT_EQ(sink.blendingSwitches(), (std::vector<bool>{false, false, true}));
    for (const auto& shape : sink.shapes()) EXPECT_EQ(shape.alpha, kPartAlpha);
}

TEST_F(SceneTest, TexturesAreDecodedBeforeDrawingAndHandedOverWhenDrawn) {
    testing::FakeImageConverter converter;
    testing::RecordingProgress progress;
    TextureErrorLog errors;
    converter.addImage("wing.bmp", 64, 32);
    converter.addImage("fuselage.bmp", 16, 16);
    plane.mainWing.wing(1).setTexture("wing.bmp");
    plane.fin.setTexture("missing.bmp");  // fails: drawn without texture
    plane.fuselages.fuselage(1).setTexture("fuselage.bmp");
    ASSERT_TRUE(plane.fuselages.addFuselage(false, plane.units, plane.defaultColor));
    plane.fuselages.fuselage(2).setTexture("fuselage.bmp");
    plane.fuselages.setShown(2, false);  // hidden: not decoded
    createAll(plane);

    decodeSceneTextures(plane, converter, progress, errors);
    EXPECT_EQ(converter.loads, 4);  // two halves, the fin's attempt, one fuselage
    EXPECT_TRUE(plane.mainWing.wing(1).Left.texture_loaded);
    EXPECT_TRUE(plane.fuselages.fuselage(1).texture_loaded);
    EXPECT_FALSE(plane.fuselages.fuselage(2).texture_loaded);
    EXPECT_FALSE(plane.fin.texture_loaded);
    ASSERT_EQ(errors.takePending().size(), 1u);  // the fin's image
    EXPECT_FALSE(progress.visible);

    RecordingSceneSink sink;
    drawScene(plane, sink);
    EXPECT_EQ(converter.loads, 4);  // drawing loads nothing
    ASSERT_EQ(sink.textures().size(), 3u);
    EXPECT_EQ(sink.textures()[0].width, 32);  // the halves' image is turned
    EXPECT_EQ(sink.textures()[0].height, 64);
    EXPECT_EQ(sink.textures()[2].wrap, TextureWrap::Repeat);
    std::size_t textured = 0;
    for (const auto& shape : sink.shapes()) textured += shape.textured;
    EXPECT_EQ(textured, 4u + 2u);  // the panel's two strips and caps, the fuselage's strips

    // A second decoding finds everything loaded but the failing fin.
    decodeSceneTextures(plane, converter, progress, errors);
    EXPECT_EQ(converter.loads, 5);
}

TEST_F(SceneTest, FailingWingImageIsReportedOnce) {
    testing::FakeImageConverter converter;
    testing::RecordingProgress progress;
    TextureErrorLog errors;
    plane.stab.setTexture("gone.jpg");
    decodeSceneTextures(plane, converter, progress, errors);
    const auto failures = errors.takePending();
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_EQ(failures[0].message, kWingSectionTextureError);
    EXPECT_EQ(failures[0].file, "gone.jpg");
    RecordingSceneSink sink;
    drawScene(plane, sink);
    EXPECT_TRUE(sink.textures().empty());
}

}  // namespace
}  // namespace ferlo
