#include "surfaces/sym_wing_sections.h"

#include <stdexcept>

#include <gtest/gtest.h>

#include "base/number_text.h"
#include "support/default_aircraft.h"
#include "support/refused_xy_files.h"
#include "support/temp_dir.h"

namespace ferlo {
namespace {

using testing::TempDir;

void expectBuiltInAirfoil(const SymWingSections& panel) {
    ASSERT_EQ(panel.nb, 16);
    EXPECT_DOUBLE_EQ(panel.thickness1, 0.13);
    EXPECT_DOUBLE_EQ(panel.thickness2, 0.13);
    const AirfoilPoints& table = builtInAirfoil();
    for (int i = 1; i <= 16; ++i) {
        const Point3D p = panel.airfoilPointGet(i);
        EXPECT_DOUBLE_EQ(p.x, table[i].x) << i;
        EXPECT_EQ(p.y, 0.0) << i;
        EXPECT_DOUBLE_EQ(p.z, table[i].z / 0.13) << i;
    }
}

TEST(SymWingSections, InitGivesTheBuiltInAirfoilAndDefaultsAndKeepsTheGeometry) {
    SymWingSections panel;
    panel.span = 700;
    panel.length1 = 230;
    panel.colorSet({1, 2, 3});
    panel.setTexture("/tmp/wood.bmp");
    panel.paint = 0;
    panel.init();

    expectBuiltInAirfoil(panel);
    EXPECT_DOUBLE_EQ(panel.airfoilPointGet(3).z, -0.5);
    EXPECT_EQ(panel.airfoilPointGet(3).x, 0.3);
    EXPECT_EQ(panel.colorGet(), (ColorRGB{200, 200, 200}));
    EXPECT_EQ(panel.paint, 5);
    EXPECT_EQ(panel.texture_filename(), "");
    EXPECT_EQ(panel.qualified_texture_filename(), "");
    EXPECT_EQ(panel.Left.texture_filename(), "");
    EXPECT_FALSE(panel.Left.texture_loaded);
    EXPECT_EQ(panel.span, 700);
    EXPECT_EQ(panel.length1, 230);
    EXPECT_EQ(panel.Left.nb, 16);
    EXPECT_EQ(panel.Right.airfoilPointGet(3), panel.airfoilPointGet(3));
}

TEST(SymWingSections, BuiltInTableReadBackFromAnXyFile) {
    SymWingSections panel = testing::defaultWingPanel();
    panel.thickness1 = panel.thickness2 = 0.5;
    panel.loadAirfoilFile(FERLO_FIXTURES_DIR "/builtin.xy");
    expectBuiltInAirfoil(panel);
}

TEST(SymWingSections, XyFilesWithCommasBlanksAndBlankLinesRead) {
    TempDir dir;
    const auto path = dir.write("a.xy", "title\r\n1, 0\r\n\r\n0.5 -0.05 0 0\n0.5,0.05\n1 0\n\n\n");
    SymWingSections panel = testing::defaultWingPanel();
    panel.loadAirfoilFile(path);
    ASSERT_EQ(panel.nb, 5);
    EXPECT_EQ(panel.airfoilPointGet(2).x, 0.5);
    EXPECT_DOUBLE_EQ(panel.thickness1, 0.1);
    EXPECT_DOUBLE_EQ(panel.airfoilPointGet(2).z, -0.5);
}

TEST(SymWingSections, RefusedXyFilesLeaveThePanelAsItWas) {
    for (const auto& file : testing::refusedXyFiles()) {
        SCOPED_TRACE(file.name);
        TempDir dir;
        const std::string path = testing::placeXyFile(dir, file);
        SymWingSections panel = testing::defaultWingPanel();
        testing::expectReadErrorAt([&] { panel.loadAirfoilFile(path); }, path, file.line);
        expectBuiltInAirfoil(panel);
    }
}

// Normalisation: an airfoil of given half thickness t on a unit chord.
AirfoilPoints symmetricAirfoil(double t) {
    return {{}, {1, 0, 0}, {0.5, 0, -t}, {0, 0, 0}, {0.5, 0, t}, {1, 0, 0}};
}

TEST(SymWingSections, NormalisationRoundsTheThicknessToHundredthsHalvesToEven) {
    struct Case {
        double halfThickness;
        double thickness;
    };
    const Case cases[] = {{0.0585, 0.12}, {0.0625, 0.12}, {0.065, 0.13}, {0.1, 0.2}};
    for (const auto& c : cases) {
        TempDir dir;
        std::string text = "t\n";
        const auto points = symmetricAirfoil(c.halfThickness);
        for (std::size_t i = 1; i < points.size(); ++i) {
            text += formatNumber(points[i].x) + " " + formatNumber(points[i].z) + "\n";
        }
        SymWingSections panel = testing::defaultWingPanel();
        panel.loadAirfoilFile(dir.write("t.xy", text));
        EXPECT_DOUBLE_EQ(panel.thickness1, c.thickness) << c.halfThickness;
        EXPECT_DOUBLE_EQ(panel.thickness2, c.thickness) << c.halfThickness;
        EXPECT_DOUBLE_EQ(panel.airfoilPointGet(2).z, -c.halfThickness / c.thickness) << c.halfThickness;
    }
}

// (All x equal is no airfoil: the refused files hold it.)
TEST(SymWingSections, AFlatAirfoilHasNoThicknessAndKeepsItsHeights) {
    TempDir dir;
    SymWingSections flat = testing::defaultWingPanel();
    flat.loadAirfoilFile(dir.write("flat.xy", "t\n1 0\n0.5 0\n0 0\n0.5 0\n1 0\n"));
    EXPECT_EQ(flat.thickness1, 0.0);
    EXPECT_EQ(flat.thickness2, 0.0);
    EXPECT_EQ(flat.airfoilPointGet(2).z, 0.0);
}

TEST(SymWingSections, UnitSwitchAndRescaleTouchTheEightLengthsOnly) {
    SymWingSections panel = testing::defaultWingPanel();
    panel.span = 254;
    panel.shift = 25.4;
    panel.switchToInches();
    EXPECT_DOUBLE_EQ(panel.span, 10);
    EXPECT_DOUBLE_EQ(panel.shift, 1);
    EXPECT_DOUBLE_EQ(panel.pos1, 180 / 25.4);
    EXPECT_DOUBLE_EQ(panel.thickness1, 0.13);
    panel.switchToMillimeters();
    EXPECT_DOUBLE_EQ(panel.span, 254);

    panel.rescale(2);
    const double doubled[] = {panel.span, panel.length1, panel.length2, panel.pos1,
                              panel.pos2, panel.elevation1, panel.elevation2, panel.shift};
    const double expected[] = {508, 460, 300, 360, 20, 100, 0, 50.8};
    for (int i = 0; i < 8; ++i) EXPECT_DOUBLE_EQ(doubled[i], expected[i]) << i;
    EXPECT_DOUBLE_EQ(panel.thickness2, 0.13);
    EXPECT_EQ(panel.nb, 16);
}

TEST(SymWingSections, RescaleThatOverflowsIsReportedAndChangesNothing) {
    SymWingSections panel = testing::defaultWingPanel();
    EXPECT_THROW(panel.rescale(1e307), std::overflow_error);
    EXPECT_EQ(panel.span, 700);
    EXPECT_EQ(panel.pos1, 180);
}

// An assigned image reaches both halves, each to load it again; its title is
// the name the project file stores, and no texture has none.
TEST(SymWingSections, TextureAssignmentReachesBothHalves) {
    SymWingSections panel = testing::defaultWingPanel();
    panel.Left.texture_loaded = panel.Right.texture_loaded = true;
    panel.setTexture("/home/u/wood.bmp");
    EXPECT_EQ(panel.Left.texture_filename(), "/home/u/wood.bmp");
    EXPECT_EQ(panel.Right.texture_filename(), "/home/u/wood.bmp");
    EXPECT_FALSE(panel.Left.texture_loaded);
    EXPECT_FALSE(panel.Right.texture_loaded);
    EXPECT_EQ(panel.qualified_texture_filename(), "wood.bmp");

    panel.setTexture("");
    EXPECT_EQ(panel.texture_filename(), "");
    EXPECT_EQ(panel.Left.texture_filename(), "");
    EXPECT_EQ(panel.Right.texture_filename(), "");
    EXPECT_EQ(panel.qualified_texture_filename(), "");
}

}  // namespace
}  // namespace ferlo
