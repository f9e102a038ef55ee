// The fuselage in the Front view: the stored outlines of its sections, the
// selected one drawn with the pair's mirror image, the printout and the DXF.

#include <limits>
#include <vector>

#include <gtest/gtest.h>

#include "fuselage/mesh_sections.h"
#include "support/dxf_capture.h"
#include "support/fuselage_sections.h"
#include "support/view_testing.h"

namespace ferlo {
namespace {

using testing::colorsOf;
using testing::DxfCapture;
using testing::polylinePoints;
using testing::RecordedView;
using testing::smallFuselagePair;

// The Front view at zoom 2 with the model origin at (400, 300): a model point
// (lateral, height) lies at (400 + 2 lateral, 300 - 2 height).
constexpr double kZoom = 2;
constexpr double kXoff = 400;
constexpr double kYoff = 300;

// The fuselage's points computed for the view, then drawn on a fresh
// recording.
std::vector<RecordingCanvas::Segment> drawnInFront(MeshSections& fuselage) {
    RecordedView screen(kZoom, kXoff, kYoff);
    fuselage.computeFrontPoints({kZoom, kXoff, kYoff});
    fuselage.drawFront(screen.context());
    return screen.canvas.segments();
}

TEST(MeshSectionsFront, TheSelectedSectionAndThePairsMirrorImageInTheInactiveColour) {
    MeshSections pair = smallFuselagePair();
    pair.sel_sec = 2;
    const auto segments = drawnInFront(pair);
    ASSERT_EQ(segments.size(), 8u);
    EXPECT_EQ(colorsOf(segments), std::vector<PaletteColor>(8, kLightBlue));
    // Section 2: right end of the widest line, top, left end, bottom, closed;
    // then the same mirrored about the column 400.
    EXPECT_EQ(polylinePoints({segments.begin(), segments.begin() + 4}),
              (std::vector<Point2D>{{470, 236}, {410, 216}, {350, 236}, {410, 296}, {470, 236}}));
    EXPECT_EQ(polylinePoints({segments.begin() + 4, segments.end()}),
              (std::vector<Point2D>{{330, 236}, {390, 216}, {450, 236}, {390, 296}, {330, 236}}));

    MeshSections single = smallFuselagePair();
    single.shift = 0;
    const auto alone = drawnInFront(single);
    ASSERT_EQ(alone.size(), 4u);  // section 1, no mirror
    EXPECT_EQ(polylinePoints(alone),
              (std::vector<Point2D>{{430, 256}, {400, 236}, {370, 256}, {400, 276}, {430, 256}}));
}

TEST(MeshSectionsFront, EveryOutlinePointTakesTheViewTransform) {
    // An odd count: no point at the left end; the lower half from point 5 on.
    MeshSections fuselage = testing::fuselageWith({{60, 40, 0, 10, 0.5, 3, 0.25}});
    fuselage.nb_cross = 7;
    fuselage.initArrays();
    fuselage.shift = -4;
    fuselage.elevation_offset = 6;
    const auto segments = drawnInFront(fuselage);
    ASSERT_EQ(segments.size(), 14u);  // and the mirror
    const std::vector<Point2D> drawn = polylinePoints({segments.begin(), segments.begin() + 7});
    for (int j = 1; j <= 7; ++j) {
        const Point2D model = fuselage.outlinePoint(1, j);
        const Point2D& screen = drawn[static_cast<std::size_t>(j - 1)];
        EXPECT_DOUBLE_EQ(screen.x, kXoff + kZoom * model.x) << j;
        EXPECT_DOUBLE_EQ(screen.y, kYoff - kZoom * model.y) << j;
        EXPECT_DOUBLE_EQ(segments[static_cast<std::size_t>(j + 6)].x1, 2 * kXoff - screen.x) << j;
    }
    EXPECT_EQ(drawn.back(), drawn.front());
}

TEST(MeshSectionsFront, NothingIsDrawnWithoutOutlinePointsOrASelectedSection) {
    struct Case {
        std::int16_t nbCross, selSec;
    };
    for (const Case& c : {Case{0, 1}, Case{4, 0}, Case{4, 3}, Case{4, -1}}) {
        MeshSections fuselage = smallFuselagePair();
        fuselage.nb_cross = c.nbCross;
        fuselage.initArrays();
        fuselage.sel_sec = c.selSec;
        EXPECT_TRUE(drawnInFront(fuselage).empty()) << c.nbCross << " " << c.selSec;
    }
}

TEST(MeshSectionsFront, RedrawsShowThePointsOfTheLastComputation) {
    MeshSections fuselage = smallFuselagePair();
    fuselage.shift = 0;
    fuselage.computeFrontPoints({kZoom, kXoff, kYoff});
    fuselage.widthSet(50);
    RecordedView screen(kZoom, kXoff, kYoff);
    fuselage.drawFront(screen.context());
    EXPECT_EQ(screen.canvas.segments().front().x1, 430);  // still 30 wide

    // A transform that overflows keeps the points computed before.
    fuselage.computeFrontPoints({std::numeric_limits<double>::max(), kXoff, kYoff});
    screen.canvas.reset();
    fuselage.drawFront(screen.context());
    EXPECT_EQ(screen.canvas.segments().front().x1, 430);
    fuselage.computeFrontPoints({kZoom, kXoff, kYoff});
    screen.canvas.reset();
    fuselage.drawFront(screen.context());
    EXPECT_EQ(screen.canvas.segments().front().x1, 450);  // 50 wide now
}

TEST(MeshSectionsFront, PrintsOneSectionWithItsOwnTransformAndLeavesTheScreenPoints) {
    MeshSections pair = smallFuselagePair();
    pair.computeFrontPoints({kZoom, kXoff, kYoff});
    RecordingCanvas printer;
    pair.printFront(printer, ViewColors{kLightYellow, kLightBlue}, 2, {1, 100, 50});
    const auto& printed = printer.segments();
    ASSERT_EQ(printed.size(), 8u);
    EXPECT_EQ(colorsOf(printed), std::vector<PaletteColor>(8, kLightBlue));
    EXPECT_EQ(polylinePoints({printed.begin(), printed.begin() + 4}),
              (std::vector<Point2D>{{135, 18}, {105, 8}, {75, 18}, {105, 48}, {135, 18}}));
    EXPECT_EQ(polylinePoints({printed.begin() + 4, printed.end()}).front(), (Point2D{65, 18}));

    RecordedView screen(kZoom, kXoff, kYoff);
    pair.drawFront(screen.context());
    EXPECT_EQ(screen.canvas.segments().front().x1, 440);  // section 1 as computed for the screen
}

TEST(MeshSectionsFront, DxfOfEverySectionThenEveryMirrorImage) {
    using testing::dxfPolylineEntities;
    const MeshSections pair = smallFuselagePair();
    DxfCapture dxf;
    pair.saveDXF_front(dxf.file, 2);
    EXPECT_EQ(dxf.text(),
              dxfPolylineEntities("Fuselage_2", {{" 20 ", " 22 "}, {" 5 ", " 32 "}, {"-10 ", " 22 "}, {" 5 ", " 12 "},
                                                 {" 20 ", " 22 "}}) +
                  dxfPolylineEntities("Fuselage_2", {{" 35 ", " 32 "}, {" 5 ", " 42 "}, {"-25 ", " 32 "},
                                                     {" 5 ", " 2 "}, {" 35 ", " 32 "}}) +
                  dxfPolylineEntities("Fuselage_2", {{"-20 ", " 22 "}, {"-5 ", " 32 "}, {" 10 ", " 22 "},
                                                     {"-5 ", " 12 "}, {"-20 ", " 22 "}}) +
                  dxfPolylineEntities("Fuselage_2", {{"-35 ", " 32 "}, {"-5 ", " 42 "}, {" 25 ", " 32 "},
                                                     {"-5 ", " 2 "}, {"-35 ", " 32 "}}));
    EXPECT_EQ(dxf.pen, (Point3D{-35, 32, 0}));
}

TEST(MeshSectionsFront, DxfLineCountsOfTheDefaultFuselage) {
    struct Case {
        double shift;
        std::size_t lines;
    };
    for (const Case& c : {Case{0, 24}, Case{-7, 48}}) {
        MeshSections fuselage;
        fuselage.shift = c.shift;
        DxfCapture dxf;
        fuselage.saveDXF_front(dxf.file, 1);
        const auto lines = testing::readDxfLines(dxf.text());
        ASSERT_EQ(lines.size(), c.lines) << c.shift;
        for (const auto& line : lines) EXPECT_EQ(line.layer, "Fuselage_1");
        // Sections in display order: the last one, 10 wide, spans -5 to 5
        // about the fuselage's centre line.
        EXPECT_DOUBLE_EQ(lines[16].x1, c.shift + 5);
        if (c.shift != 0) {
            EXPECT_DOUBLE_EQ(lines[40].x1, -c.shift - 5);
        }
    }
}

}  // namespace
}  // namespace ferlo
