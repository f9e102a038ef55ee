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
using Segment = RecordingCanvas::Segment;

// At zoom 1 with the origin at (400, 300) the default fin's root edge runs
// from (392.5, 270) to (407.5, 270) and its tip edge from (396, 120) to (404, 120).
constexpr double kXoff = 400;
constexpr double kYoff = 300;

void expectSegment(const Segment& s, double x1, double y1, double x2, double y2, PaletteColor color,
                   const char* what) {
    EXPECT_DOUBLE_EQ(s.x1, x1) << what;
    EXPECT_DOUBLE_EQ(s.y1, y1) << what;
    EXPECT_DOUBLE_EQ(s.x2, x2) << what;
    EXPECT_DOUBLE_EQ(s.y2, y2) << what;
    EXPECT_EQ(s.color, color) << what;
}

TEST(FinFront, HitCodes) {
    const testing::FinHitCase cases[] = {
        {400, 270, 4, "on the root edge"},
        {400, 272, 4, "2 pixels below the root edge"},
        {400, 267.1, 4, "2.9 pixels above the root edge"},
        {400, 273, 5, "exactly 3 pixels below the root edge"},
        {392.5, 270, 5, "on the root edge's left end (open range)"},
        {407.4, 270, 4, "just inside the root edge's right end"},
        {408, 270, 5, "beyond the root edge's right end"},
        {400, 120, 0, "on the tip edge"},
        {400, 122.9, 0, "2.9 pixels below the tip edge"},
        {404, 120, 5, "on the tip edge's right end"},
        {394, 195, 5, "on a side edge, which cannot be grabbed"},
        {300, 200, 5, "far away"},
    };
    VertWingSection fin = defaultFin();
    fin.computeFrontPoints(1, kXoff, kYoff);
    for (const auto& c : cases) EXPECT_EQ(fin.testPositionFront(c.x, c.y), c.code) << c.what;

    // Root and tip edges less than 3 pixels apart: the tip, tested last, wins.
    fin.span = 2;
    fin.computeFrontPoints(1, kXoff, kYoff);
    EXPECT_EQ(fin.testPositionFront(400, 269), 0);
}

TEST(FinFront, TheMirroredFinOfATwinIsDrawnButNeverHit) {
    VertWingSection fin = defaultFin();
    fin.offset1 = 40;
    fin.computeFrontPoints(1, kXoff, kYoff);
    EXPECT_EQ(fin.testPositionFront(440, 270), 4);
    EXPECT_EQ(fin.testPositionFront(360, 270), 5);
    EXPECT_EQ(fin.testPositionFront(360, 120), 5);
}

// Every drag moves the pointer 10 pixels right and 6 up at zoom 2: 5 model
// units across and 3 up. Without Shift the fin's edges move sideways, with
// Shift up or down (the opposite of a wing panel's Front view).
TEST(FinFront, DragTable) {
    struct Case {
        std::int16_t x, y;
        bool shift;
        std::vector<testing::FinLengthChange> changes;
        const char* what;
    };
    using F = VertWingSection;
    const Case cases[] = {
        {400, 240, false, {{&F::offset1, 5}}, "root edge: the fin moves sideways"},
        {400, 240, true, {{&F::shift, 3}}, "root edge with Shift: the fin moves up"},
        {400, -60, false, {{&F::offset2, 5}}, "tip edge: the tip moves sideways"},
        {400, -60, true, {{&F::span, 3}}, "tip edge with Shift: the span grows"},
        {300, 100, false, {}, "nothing"},
    };
    for (const auto& c : cases) {
        VertWingSection fin = defaultFin();
        const VertWingSection before = fin;
        FinMouseDriver mouse(fin, FinMouseDriver::View::Front, 2, kXoff, kYoff);
        mouse.state.shiftkey = c.shift;
        mouse.down(c.x, c.y);
        EXPECT_EQ(fin.paint != 5, !c.changes.empty()) << c.what;
        mouse.move(c.x + 4, c.y - 2);
        mouse.move(c.x + 10, c.y - 6);  // each move counts from the mouse-down point
        mouse.up();
        EXPECT_EQ(fin.paint, 5) << c.what;
        EXPECT_FALSE(fin.selected) << c.what;
        testing::expectFinLengthsChanged(before, fin, c.changes, c.what);
    }
}

TEST(FinFront, DragOffTheCentreMakesATwinThatFollowsTheFin) {
    VertWingSection fin = defaultFin();
    FinMouseDriver mouse(fin, FinMouseDriver::View::Front, 1, kXoff, kYoff);
    mouse.down(400, 270);
    mouse.canvas.reset();
    mouse.move(430, 270);
    EXPECT_EQ(fin.offset1, 30);
    EXPECT_TRUE(fin.isTwin());
    // Hover redraw (4 lines), erase (fin and mirror, 8), new fin and mirror (8).
    const auto& drawn = mouse.canvas.segments();
    ASSERT_EQ(drawn.size(), 20u);
    expectSegment(drawn[12], 422.5, 270, 437.5, 270, kBlack, "new root edge");
    expectSegment(drawn[16], 377.5, 270, 362.5, 270, kBlack, "mirrored root edge");

    // Dragging back to exactly 0 makes it a single fin again.
    mouse.move(400, 270);
    mouse.up();
    EXPECT_FALSE(fin.isTwin());
}

TEST(FinFront, DragsWithoutAUsableZoomChangeNothing) {
    for (double zoom : {0.0, std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity()}) {
        VertWingSection fin = defaultFin();
        fin.computeFrontPoints(1, kXoff, kYoff);
        ViewState view;
        view.zoom = 1;
        view.xoff = kXoff;
        view.yoff = kYoff;
        view.xloc = 400;
        view.yloc = 270;
        fin.paint = fin.testPositionFront(400, 270);
        fin.initMouseValFront(view);
        view.zoom = zoom;
        RecordingCanvas canvas;
        fin.selectsFront({canvas, view, {}}, 450, 250);
        EXPECT_EQ(fin.offset1, 0) << zoom;
        // The stored outline stays finite.
        RecordingCanvas redrawn;
        fin.drawFront({redrawn, view, {}});
        for (const auto& s : redrawn.segments()) {
            EXPECT_TRUE(std::isfinite(s.x1) && std::isfinite(s.y1) && std::isfinite(s.x2) && std::isfinite(s.y2))
                << zoom;
        }
    }
}

TEST(FinFront, DrawColoursAndThePictureUnderTheView) {
    struct Case {
        std::int32_t which;
        PaletteColor color;
    };
    const ViewColors colors{};
    for (const auto& c : {Case{5, kBlack}, Case{6, colors.colorInactive}, Case{9, kWhite}, Case{3, kBlack}}) {
        VertWingSection fin = defaultFin();
        fin.computeFrontPoints(1, kXoff, kYoff);
        RecordingCanvas canvas;
        ViewState view;
        view.xoff = kXoff;
        fin.drawFront({canvas, view, colors}, c.which);
        ASSERT_EQ(canvas.segments().size(), 4u) << c.which;
        for (const auto& s : canvas.segments()) EXPECT_EQ(s.color, c.color) << c.which;
        expectSegment(canvas.segments()[0], 392.5, 270, 407.5, 270, c.color, "root edge first");
        expectSegment(canvas.segments()[3], 396, 120, 392.5, 270, c.color, "left edge last");
    }

    // With a tracing picture under the view nothing is erased, but the fin is drawn.
    VertWingSection fin = defaultFin();
    fin.computeFrontPoints(1, kXoff, kYoff);
    RecordingCanvas canvas;
    ViewState view;
    view.firstPictureRefresh = true;
    fin.drawFront({canvas, view, colors}, 9);
    EXPECT_TRUE(canvas.segments().empty());
    fin.drawFront({canvas, view, colors}, 5);
    EXPECT_EQ(canvas.segments().size(), 4u);
}

TEST(FinFront, PrintingATwinDrawsBothFinsAndLeavesTheScreenOutline) {
    VertWingSection fin = defaultFin();
    fin.offset1 = 20;
    fin.computeFrontPoints(1, kXoff, kYoff);
    RecordingCanvas printer;
    fin.printFront(printer, 10, 1000, 3000);
    const auto& printed = printer.segments();
    ASSERT_EQ(printed.size(), 8u);
    expectSegment(printed[0], 1125, 2700, 1275, 2700, kBlack, "root edge");
    expectSegment(printed[4], 875, 2700, 725, 2700, kBlack, "mirrored root edge about the page's xoff");
    EXPECT_EQ(printer.calls().front().op, RecordingCanvas::Op::SetCurrentPoint);
    EXPECT_EQ(fin.testPositionFront(420, 270), 4);
}

TEST(FinFront, DxfOfTheDefaultFin) {
    DxfCapture dxf;
    defaultFin().saveDXF_front(dxf.file);
    EXPECT_EQ(dxf.text(), dxfLineEntity("Fin", "-7.5 ", " 30 ", " 7.5 ", " 30 ") +
                              dxfLineEntity("Fin", " 7.5 ", " 30 ", " 4 ", " 180 ") +
                              dxfLineEntity("Fin", " 4 ", " 180 ", "-4 ", " 180 ") +
                              dxfLineEntity("Fin", "-4 ", " 180 ", "-7.5 ", " 30 "));
}

TEST(FinFront, DxfOfATwinFinHasTheMirroredFinToo) {
    VertWingSection fin = defaultFin();
    fin.offset1 = 20;
    DxfCapture dxf;
    fin.saveDXF_front(dxf.file);
    EXPECT_EQ(dxf.text(), dxfLineEntity("Fin", " 12.5 ", " 30 ", " 27.5 ", " 30 ") +
                              dxfLineEntity("Fin", " 27.5 ", " 30 ", " 24 ", " 180 ") +
                              dxfLineEntity("Fin", " 24 ", " 180 ", " 16 ", " 180 ") +
                              dxfLineEntity("Fin", " 16 ", " 180 ", " 12.5 ", " 30 ") +
                              dxfLineEntity("Fin", "-12.5 ", " 30 ", "-27.5 ", " 30 ") +
                              dxfLineEntity("Fin", "-27.5 ", " 30 ", "-24 ", " 180 ") +
                              dxfLineEntity("Fin", "-24 ", " 180 ", "-16 ", " 180 ") +
                              dxfLineEntity("Fin", "-16 ", " 180 ", "-12.5 ", " 30 "));
    EXPECT_EQ(dxf.pen, (Point3D{-12.5, 30, 0}));
}

}  // namespace
}  // namespace ferlo
