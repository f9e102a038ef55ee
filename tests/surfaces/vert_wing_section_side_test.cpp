#include "surfaces/vert_wing_section.h"

#include <cmath>
#include <limits>
#include <vector>

#include <gtest/gtest.h>

#include "base/recording_canvas.h"
#include "fin_mouse_driver.h"
#include "support/default_aircraft.h"
#include "support/dxf_capture.h"

namespace ferlo {
namespace {

using testing::defaultFin;
using testing::dxfLineEntity;
using testing::DxfCapture;
using testing::FinMouseDriver;

// At zoom 1 with the origin at (-450, 300) the default fin's corners are
// P1 (200, 270) root leading, P2 (350, 270) root trailing, P3 (380, 120) tip
// trailing and P4 (300, 120) tip leading.
constexpr double kXoff = -450;
constexpr double kYoff = 300;

std::vector<PaletteColor> colorsOf(const std::vector<RecordingCanvas::Segment>& segments) {
    std::vector<PaletteColor> colors;
    for (const auto& s : segments) colors.push_back(s.color);
    return colors;
}

TEST(FinSide, HitCodes) {
    const testing::FinHitCase cases[] = {
        {275, 270, 4, "on the root edge"},
        {275, 267.1, 4, "2.9 pixels above the root edge"},
        {275, 267, 5, "exactly 3 pixels above the root edge"},
        {340, 120, 0, "on the tip edge"},
        {340, 122, 0, "2 pixels below the tip edge"},
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
    ViewState view;
    fin.drawSide({canvas, view, {}}, 1, kXoff, kYoff);
    for (const auto& c : cases) EXPECT_EQ(fin.testPositionSide(c.x, c.y), c.code) << c.what;

    // Corners within reach of each other: the later test wins.
    fin.length1 = 2;  // P2 at (202, 270)
    fin.drawSide({canvas, view, {}}, 1, kXoff, kYoff);
    EXPECT_EQ(fin.testPositionSide(201, 270), 8);
    fin.length1 = 150;
    fin.pos2 = 148;
    fin.length2 = 2;  // P4 (348, 120), P3 (350, 120)
    fin.drawSide({canvas, view, {}}, 1, kXoff, kYoff);
    EXPECT_EQ(fin.testPositionSide(349, 120), 7);
}

// Every drag moves the pointer 10 pixels right and 6 up at zoom 2: dx 5 and
// dz 3 model units. At zoom 2 with the origin at (-1100, 300) the corners
// lie at P1 (200, 240), P2 (500, 240), P3 (560, -60) and P4 (400, -60).
TEST(FinSide, DragTable) {
    struct Case {
        std::int16_t x, y;
        std::int32_t code;
        bool shift;
        std::vector<testing::FinLengthChange> changes;
        const char* what;
    };
    using F = VertWingSection;
    const Case cases[] = {
        {450, -60, 0, false, {{&F::pos2, 5}}, "tip edge: sweep"},
        {450, -60, 0, true, {{&F::span, 3}}, "tip edge with Shift: span"},
        {350, 240, 4, false, {{&F::pos1, 5}}, "root edge: the fin moves aft"},
        {350, 240, 4, true, {{&F::shift, 3}}, "root edge with Shift: the fin moves up"},
        {560, -60, 2, false, {{&F::length2, 5}}, "tip trailing corner"},
        {560, -60, 2, true, {{&F::length2, 5}}, "tip trailing corner with Shift"},
        {500, 240, 3, false, {{&F::length1, 5}}, "root trailing corner"},
        {400, -60, 7, false, {{&F::length2, -5}, {&F::pos2, 5}}, "tip leading corner"},
        {200, 240, 8, false, {{&F::length1, -5}, {&F::pos1, 5}, {&F::pos2, -5}}, "root leading corner"},
        {200, 240, 8, true, {{&F::length1, -5}, {&F::pos1, 5}, {&F::pos2, -5}}, "root leading corner with Shift"},
        {100, 100, 5, false, {}, "nothing"},
    };
    for (const auto& c : cases) {
        VertWingSection fin = defaultFin();
        const VertWingSection before = fin;
        FinMouseDriver mouse(fin, FinMouseDriver::View::Side, 2, -1100, kYoff);
        mouse.state.shiftkey = c.shift;
        mouse.down(c.x, c.y);
        EXPECT_EQ(fin.paint, c.code) << c.what;
        mouse.move(c.x + 6, c.y - 3);
        mouse.move(c.x + 10, c.y - 6);  // each move counts from the mouse-down point
        EXPECT_EQ(fin.selected, c.code != 5) << c.what;
        mouse.up();
        testing::expectFinLengthsChanged(before, fin, c.changes, c.what);
    }
}

TEST(FinSide, LeadingCornerDragsKeepTheOppositeEdgesInPlace) {
    VertWingSection fin = defaultFin();
    FinMouseDriver mouse(fin, FinMouseDriver::View::Side, 1, kXoff, kYoff);
    mouse.drag(200, 270, 210, 250);  // the root leading corner, 10 units aft
    EXPECT_EQ(fin.length1, 140);
    EXPECT_EQ(fin.pos1, 660);
    EXPECT_EQ(fin.pos2, 90);
    EXPECT_EQ(fin.pos1 + fin.length1, 800);  // root trailing edge
    EXPECT_EQ(fin.pos1 + fin.pos2, 750);     // the tip
    EXPECT_EQ(fin.shift, 30);

    mouse.drag(300, 120, 290, 120);  // the tip leading corner, 10 units forward
    EXPECT_EQ(fin.length2, 90);
    EXPECT_EQ(fin.pos1 + fin.pos2 + fin.length2, 830);  // tip trailing edge
}

TEST(FinSide, DragsWithoutAUsableZoomChangeNothing) {
    for (double zoom : {0.0, std::numeric_limits<double>::quiet_NaN(), 1e-320}) {
        VertWingSection fin = defaultFin();
        const VertWingSection before = fin;
        FinMouseDriver mouse(fin, FinMouseDriver::View::Side, 1, kXoff, kYoff);
        mouse.down(200, 270);
        mouse.state.zoom = zoom;
        mouse.move(30000, -30000);
        EXPECT_EQ(fin.pos1, before.pos1) << zoom;
        EXPECT_EQ(fin.length1, before.length1) << zoom;
        EXPECT_EQ(fin.pos2, before.pos2) << zoom;
    }
}

TEST(FinSide, HoverLightsTheEdgesOfWhatIsUnderThePointer) {
    struct Case {
        double x, y;
        std::vector<PaletteColor> colors;  // edges 2 to 5
    };
    const PaletteColor lit = ViewColors{}.colorSelected;
    const Case cases[] = {
        {200, 270, {lit, kBlack, kBlack, lit}},  // root leading corner: root and leading edges
        {275, 270, {lit, lit, lit, lit}},        // root edge: the whole fin
        {340, 120, {kBlack, kBlack, lit, kBlack}},
        {380, 120, {kBlack, lit, lit, kBlack}},
        {350, 270, {lit, lit, kBlack, kBlack}},
        {300, 120, {kBlack, kBlack, lit, lit}},
        {100, 100, {kBlack, kBlack, kBlack, kBlack}},
    };
    for (const auto& c : cases) {
        VertWingSection fin = defaultFin();
        FinMouseDriver mouse(fin, FinMouseDriver::View::Side, 1, kXoff, kYoff);
        mouse.canvas.reset();
        mouse.move(c.x, c.y);
        const auto& drawn = mouse.canvas.segments();
        ASSERT_EQ(drawn.size(), 8u);
        // The stored outline is erased in white, then drawn again.
        EXPECT_EQ(colorsOf(drawn), (std::vector<PaletteColor>{kWhite, kWhite, kWhite, kWhite, c.colors[0],
                                                              c.colors[1], c.colors[2], c.colors[3]}))
            << c.x << "," << c.y;
        EXPECT_EQ(fin.selected, c.colors != std::vector<PaletteColor>(4, kBlack));
    }
}

TEST(FinSide, InactiveDrawingWinsOverHighlightsAndAPictureIsNotErased) {
    VertWingSection fin = defaultFin();
    RecordingCanvas canvas;
    ViewState view;
    view.firstPictureRefresh = true;
    const ViewColors colors{};
    fin.drawSide({canvas, view, colors}, 1, kXoff, kYoff, 2, 3, 4, 5, VertWingSection::kDrawInactive);
    EXPECT_EQ(colorsOf(canvas.segments()), std::vector<PaletteColor>(4, colors.colorInactive));
    EXPECT_TRUE(fin.selected);  // a highlight list marks the fin as selected

    canvas.reset();
    fin.drawSide({canvas, view, colors}, 1, kXoff, kYoff);
    EXPECT_EQ(colorsOf(canvas.segments()), std::vector<PaletteColor>(4, kBlack));
    RecordingCanvas::Segment first = canvas.segments().front();
    EXPECT_EQ(first.x1, 200);
    EXPECT_EQ(first.y1, 270);
    EXPECT_EQ(first.x2, 350);
}

TEST(FinSide, MouseUpEndsTheDrag) {
    VertWingSection fin = defaultFin();
    FinMouseDriver mouse(fin, FinMouseDriver::View::Side, 1, kXoff, kYoff);
    mouse.drag(275, 270, 285, 270);
    EXPECT_EQ(fin.pos1, 660);
    mouse.move(400, 270);
    EXPECT_EQ(fin.pos1, 660);
    EXPECT_FALSE(fin.selected);
}

TEST(FinSide, PrintingLeavesTheScreenOutline) {
    VertWingSection fin = defaultFin();
    RecordingCanvas screen;
    ViewState view;
    fin.drawSide({screen, view, {}}, 1, kXoff, kYoff);
    RecordingCanvas printer;
    fin.printSide(printer, 1, -600, 200);
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
    EXPECT_EQ(dxf.text(), dxfLineEntity("Fin", " 650 ", " 30 ", " 800 ", " 30 ") +
                              dxfLineEntity("Fin", " 800 ", " 30 ", " 830 ", " 180 ") +
                              dxfLineEntity("Fin", " 830 ", " 180 ", " 750 ", " 180 ") +
                              dxfLineEntity("Fin", " 750 ", " 180 ", " 650 ", " 30 "));
}

}  // namespace
}  // namespace ferlo
