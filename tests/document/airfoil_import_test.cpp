#include "document/airfoil_import.h"
#include "document/project_file.h"

#include <stdexcept>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "base/texture_error_notifier.h"
#include "support/default_aircraft.h"
#include "support/default_plane.h"
#include "support/fake_image_converter.h"
#include "support/panel_values.h"
#include "support/point_checks.h"
#include "support/project_text.h"
#include "support/recording_texture_upload.h"
#include "support/refused_xy_files.h"
#include "support/temp_dir.h"

namespace ferlo {
namespace {

using testing::TempDir;

// A symmetric airfoil of 5 points, 10 % thick, the leading edge point 3.
constexpr const char* kFivePointAirfoil = "Test section\n1 0\n0.5 -0.05\n0 0\n0.5, 0.05\n1 0";
const double kFivePointXZ[][2] = {{1, 0}, {0.5, -0.05}, {0, 0}, {0.5, 0.05}, {1, 0}};

// Three panels with distinct geometry, colour and texture; panel 2 current.
Plane threePanelPlane() {
    Plane plane;
    testing::setUpDefaultPlane(plane, 2);
    SymWingSections& panel = plane.mainWing.wing(2);
    panel.length1 = 200;
    panel.length2 = 120;
    panel.colorSet({10, 20, 30});
    panel.setTexture("/images/wood.jpg");
    panel.create();
    plane.mainWing.currentWing = 2;
    return plane;
}

struct PanelSnapshot {
    SymWingSections panels[3];
    SymWingSections stab;
};

PanelSnapshot snapshotOf(const Plane& plane) {
    return {{plane.mainWing.wing(1), plane.mainWing.wing(2), plane.mainWing.wing(3)}, plane.stab};
}

void expectSameRings(const WingSection& actual, const WingSection& expected) {
    ASSERT_EQ(actual.nb, expected.nb);
    for (int i = 1; i <= expected.nb; ++i) {
        EXPECT_EQ(actual.point1Get(i), expected.point1Get(i)) << "root point " << i;
        EXPECT_EQ(actual.point2Get(i), expected.point2Get(i)) << "tip point " << i;
    }
}

void expectUnchanged(const Plane& plane, const PanelSnapshot& before) {
    for (int i = 1; i <= 3; ++i) {
        SCOPED_TRACE("panel " + std::to_string(i));
        testing::expectSamePanelValues(plane.mainWing.wing(i), before.panels[i - 1]);
        expectSameRings(plane.mainWing.wing(i).Left, before.panels[i - 1].Left);
        expectSameRings(plane.mainWing.wing(i).Right, before.panels[i - 1].Right);
    }
    SCOPED_TRACE("stabiliser");
    testing::expectSamePanelValues(plane.stab, before.stab);
}

TEST(LoadAirfoil, OnlyTheCurrentPanelTakesTheAirfoilAndItsHalvesAreRebuilt) {
    TempDir dir;
    Plane plane = threePanelPlane();
    const PanelSnapshot before = snapshotOf(plane);

    loadAirfoil(plane, dir.write("five.xy", kFivePointAirfoil));

    const SymWingSections& panel = plane.mainWing.wing(2);
    ASSERT_EQ(panel.nb, 5);
    EXPECT_DOUBLE_EQ(panel.thickness1, 0.1);
    EXPECT_DOUBLE_EQ(panel.thickness2, 0.1);
    for (int i = 1; i <= 5; ++i) {
        EXPECT_EQ(panel.airfoilPointGet(i).x, kFivePointXZ[i - 1][0]) << i;
        EXPECT_DOUBLE_EQ(panel.airfoilPointGet(i).z, kFivePointXZ[i - 1][1] / 0.1) << i;
    }
    // Geometry, colour and texture stay.
    EXPECT_EQ(panel.span, before.panels[1].span);
    EXPECT_EQ(panel.length1, 200);
    EXPECT_EQ(panel.pos1, before.panels[1].pos1);
    EXPECT_EQ(panel.colorGet(), (ColorRGB{10, 20, 30}));
    EXPECT_EQ(panel.texture_filename(), "/images/wood.jpg");
    EXPECT_EQ(panel.qualified_texture_filename(), "wood.jpg");

    // The 3D rings hold the file's shape at the root and tip chords, measured
    // from the leading edge, and the right half mirrors the left one.
    ASSERT_EQ(panel.Left.nb, 5);
    ASSERT_EQ(panel.Right.nb, 5);
    const Point3D rootNose = panel.Left.point1Get(3);
    const Point3D tipNose = panel.Left.point2Get(3);
    for (int i = 1; i <= 5; ++i) {
        const double x = kFivePointXZ[i - 1][0];
        const double z = kFivePointXZ[i - 1][1];
        const Point3D root = panel.Left.point1Get(i);
        const Point3D tip = panel.Left.point2Get(i);
        testing::expectNear(root, {rootNose.x + x * 200, rootNose.y, rootNose.z + z * 200}, "root");
        testing::expectNear(tip, {tipNose.x + x * 120, tipNose.y, tipNose.z + z * 120}, "tip");
        testing::expectNear(panel.Right.point1Get(i), {root.x, -root.y, root.z}, "mirrored root");
    }
    EXPECT_NE(rootNose.y, tipNose.y);

    // Panels 1 and 3 and the stabiliser keep their airfoils and geometry.
    for (int i : {1, 3}) {
        SCOPED_TRACE("panel " + std::to_string(i));
        testing::expectSamePanelValues(plane.mainWing.wing(i), before.panels[i - 1]);
        expectSameRings(plane.mainWing.wing(i).Left, before.panels[i - 1].Left);
    }
    testing::expectSamePanelValues(plane.stab, before.stab);
    EXPECT_EQ(plane.stab.nb, kBuiltInAirfoilPoints);
}

TEST(LoadAirfoil, TheBuiltInTableGivesBackTheDefaultPanel) {
    TempDir dir;
    Plane plane;
    testing::setUpDefaultPlane(plane);
    loadAirfoil(plane, dir.write("five.xy", kFivePointAirfoil));
    ASSERT_EQ(plane.mainWing.current().nb, 5);

    loadAirfoil(plane, FERLO_FIXTURES_DIR "/builtin.xy");

    SymWingSections expected = testing::defaultWingPanel();
    expected.create();
    const SymWingSections& panel = plane.mainWing.current();
    testing::expectSamePanelValues(panel, expected);
    expectSameRings(panel.Left, expected.Left);
    expectSameRings(panel.Right, expected.Right);
}

// On a panel whose image is loaded, the new rings get their texture
// coordinates at once: u of a first-surface point is its distance aft of the
// root's leading edge over the span, times the image's aspect (a 16 x 8 image
// turned: 8 x 16).
TEST(LoadAirfoil, ATexturedPanelGetsTheTextureCoordinatesOfItsNewRings) {
    TempDir dir;
    Plane plane;
    testing::setUpDefaultPlane(plane);
    SymWingSections& panel = plane.mainWing.current();
    testing::FakeImageConverter converter;
    converter.addImage("/images/wood.bmp", 16, 8);
    testing::RecordingProgress progress;
    RecordingTextureUpload upload;
    TextureErrorLog notifier;
    TextureContext context{converter, progress, upload, notifier};
    panel.setTexture("/images/wood.bmp");
    panel.create();
    panel.Left.textureMap(context);
    panel.Right.textureMap(context);
    ASSERT_TRUE(panel.Left.texture_loaded);

    loadAirfoil(plane, dir.write("five.xy", kFivePointAirfoil));

    for (const WingSection* half : {&panel.Left, &panel.Right}) {
        ASSERT_EQ(half->nb, 5);
        for (int i = 1; i <= 3; ++i) {
            EXPECT_DOUBLE_EQ(half->texcoord1Get(i), (half->point1Get(i).x - panel.pos1) / half->span * 2) << i;
            EXPECT_DOUBLE_EQ(half->texcoord2Get(i), (half->point2Get(i).x - panel.pos1) / half->span * 2) << i;
        }
        EXPECT_NE(half->texcoord1Get(1), 0);
    }
}

TEST(LoadAirfoil, RefusedFilesLeaveEveryPanelAsItWas) {
    for (const auto& file : testing::refusedXyFiles()) {
        SCOPED_TRACE(file.name);
        TempDir dir;
        const std::string path = testing::placeXyFile(dir, file);
        Plane plane = threePanelPlane();
        const PanelSnapshot before = snapshotOf(plane);
        testing::expectReadErrorAt([&] { loadAirfoil(plane, path); }, path, file.line);
        expectUnchanged(plane, before);
    }
}

// A damaged file's message stays short whatever its lines hold: the message
// box that shows it has a few words to lay out.
TEST(LoadAirfoil, ALongLineGivesAShortMessage) {
    for (const std::string* text : {&testing::megabyteLineXy(), &testing::longTokenXy()}) {
        TempDir dir;
        const std::string path = dir.write("long.xy", *text);
        Plane plane = threePanelPlane();
        try {
            loadAirfoil(plane, path);
            ADD_FAILURE() << "accepted";
        } catch (const ReadError& e) {
            EXPECT_LT(e.reason().size(), 120u) << e.reason();
        }
    }
}

// Whatever the import accepts, a project file holds and reads back as it was.
TEST(LoadAirfoil, AirfoilsAtTheLimitsAreSavedAndReadBack) {
    const char* files[] = {
        "largest thickness\n1 0\n0.5 -5e11\n0 0\n0.5 5e11\n1 0\n",
        "large heights\n1 0\n0.5 -0.01\n0 0\n0.5 0.01\n1 0\n1 1e10\n",
        "shortest extent\n1e-6 0\n5e-7 -1e-7\n0 0\n5e-7 1e-7\n1e-6 0\n",
    };
    for (const char* text : files) {
        SCOPED_TRACE(text);
        TempDir dir;
        Plane plane;
        testing::setUpDefaultPlane(plane);
        loadAirfoil(plane, dir.write("limit.xy", text));
        const std::string saved = testing::projectText(plane);
        Plane read;
        testing::setUpDefaultPlane(read);
        const ProjectReadResult result = readProject(read, dir.write("plane.flx", saved));
        EXPECT_EQ(result.status, ProjectReadStatus::Read) << result.message;
        EXPECT_EQ(testing::projectText(read), saved);
    }
}

TEST(LoadAirfoil, ACurrentPanelOutsideTheListChangesNothing) {
    TempDir dir;
    const std::string path = dir.write("five.xy", kFivePointAirfoil);
    Plane plane = threePanelPlane();
    plane.mainWing.currentWing = 4;
    const PanelSnapshot before = snapshotOf(plane);
    EXPECT_THROW(loadAirfoil(plane, path), std::out_of_range);
    expectUnchanged(plane, before);
}

}  // namespace
}  // namespace ferlo
