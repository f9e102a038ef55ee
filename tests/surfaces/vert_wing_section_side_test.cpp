#include "surfaces/vert_wing_section.h"

#include <vector>

#include <gtest/gtest.h>

#include "support/default_aircraft.h"
#include "support/dxf_capture.h"
#include "support/fin_values.h"
#include "support/recording_canvas.h"
#include "support/view_testing.h"

namespace ferlo {
namespace {

using testing::colorsOf;
using testing::defaultFin;
using testing::DxfCapture;

// At zoom 1 with the origin at (-450, 300) the default fin's corners are
// P1 (200, 270) root leading, P2 (350, 270) root trailing, P3 (380, 120) tip
// trailing and P4 (300, 120) tip leading.
constexpr double kXoff = -450;
constexpr double kYoff = 300;

// The Side view with that transform.
ViewState sideView() {
    ViewState view;
    view.xoff = kXoff;
    view.yoff = kYoff;
    return view;
}

TEST(FinSide, HitCodes) {
    const testing::FinHitCase cases[] = {
        {275, 270, 4, "on the root edge"},
        {275, 267.1, 4, "2.9 pixels above the root edge"},
        {275, 267, 5, "exactly 3 pixels above the root edge"},
        {340, 120, 0, "on the tip edge"},
        {340, 122, 0, "2 pixels below the tip edge"},
        {370, 120, 0, "on the tip edge, aft of the root edge's end"},
        {250, 120, 5, "level with the tip, ahead of it, within the root edge's ends"},
        {380, 120, 2, "tip trailing corner"},
        {382, 122, 2, "near the tip trailing corner"},
        {350, 270, 3, "root trailing corner"},
        {300, 120, 7, "tip leading corner"},
        {200, 270, 8, "root leading corner"},
        {202, 271, 8, "near the root leading corner, also near the root edge"},
        {197, 270, 5, "on the root edge's line, beyond the corner's reach"},
        {354, 270, 5, "right of the root edge, beyond the corner's reach"},
        {250, 195, 5, "on the leading edge, which cannot be grabbed"},
        {365, 195, 5, "on the trailing edge, which cannot be grabbed"},
    };
    VertWingSection fin = defaultFin();
    RecordingCanvas canvas;
    ViewState view = sideView();
    fin.drawSide({canvas, view, {}});
    for (const auto& c : cases) EXPECT_EQ(fin.testPositionSide(c.x, c.y), c.code) << c.what;

    // Corners within reach of each other: the later test wins.
    fin.length1 = 2;  // P2 at (202, 270)
    fin.drawSide({canvas, view, {}});
    EXPECT_EQ(fin.testPositionSide(201, 270), 8);
    fin.length1 = 150;
    fin.pos2 = 148;
    fin.length2 = 2;  // P4 (348, 120), P3 (350, 120)
    fin.drawSide({canvas, view, {}});
    EXPECT_EQ(fin.testPositionSide(349, 120), 7);
}

// Each drawing erases the outline drawn before in white (4 segments), then
// draws the fin's own 4.
TEST(FinSide, InactiveDrawingWinsOverHighlights) {
    VertWingSection fin = defaultFin();
    RecordingCanvas canvas;
    ViewState view = sideView();
    const ViewColors colors{};
    const auto drawnAfterErase = [&canvas] {
        const std::vector<RecordingCanvas::Segment>& s = canvas.segments();
        return std::vector<RecordingCanvas::Segment>(s.begin() + 4, s.end());
    };
    fin.drawSide({canvas, view, colors}, 2, 3, 4, 5, VertWingSection::kDrawInactive);
    EXPECT_EQ(colorsOf(drawnAfterErase()), std::vector<PaletteColor>(4, colors.colorInactive));
    EXPECT_TRUE(fin.selected);  // a highlight list marks the fin as selected

    canvas.reset();
    fin.drawSide({canvas, view, colors});
    EXPECT_EQ(colorsOf(drawnAfterErase()), std::vector<PaletteColor>(4, kBlack));
    RecordingCanvas::Segment first = drawnAfterErase().front();
    EXPECT_EQ(first.x1, 200);
    EXPECT_EQ(first.y1, 270);
    EXPECT_EQ(first.x2, 350);
}

TEST(FinSide, PrintingLeavesTheScreenOutline) {
    VertWingSection fin = defaultFin();
    RecordingCanvas screen;
    ViewState view = sideView();
    fin.drawSide({screen, view, {}});
    RecordingCanvas printer;
    fin.printSide(printer, {1, -600, 200});
    ASSERT_EQ(printer.segments().size(), 4u);
    EXPECT_EQ(colorsOf(printer.segments()), std::vector<PaletteColor>(4, kBlack));
    EXPECT_EQ(printer.segments()[0].x1, 50);
    EXPECT_EQ(printer.segments()[0].y1, 170);
    EXPECT_EQ(fin.testPositionSide(200, 270), 8);
}

TEST(FinSide, DxfOfTheDefaultFin) {
    VertWingSection fin = defaultFin();
    fin.offset1 = 20;  // a twin fin shows one outline from the side
    DxfCapture dxf;
    fin.saveDXF_side(dxf.file);
    EXPECT_EQ(dxf.text(), testing::dxfPolylineEntities("Fin", {{" 650 ", " 30 "}, {" 800 ", " 30 "}, {" 830 ", " 180 "},
                                                               {" 750 ", " 180 "}, {" 650 ", " 30 "}}));
}

}  // namespace
}  // namespace ferlo
