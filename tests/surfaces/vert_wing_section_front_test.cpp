#include "surfaces/vert_wing_section.h"

#include <cmath>
#include <limits>
#include <vector>

#include <gtest/gtest.h>

#include "support/default_aircraft.h"
#include "support/dxf_capture.h"
#include "support/fin_values.h"
#include "support/recording_canvas.h"
#include "support/view_testing.h"

namespace ferlo {
namespace {

using testing::defaultFin;
using testing::DxfCapture;
using testing::dxfPolylineEntities;
using testing::expectSegment;

// At zoom 1 with the origin at (400, 300) the default fin's root edge runs
// from (392.5, 270) to (407.5, 270) and its tip edge from (396, 120) to (404, 120).
constexpr double kXoff = 400;
constexpr double kYoff = 300;

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
    fin.computeFrontPoints({1, kXoff, kYoff});
    for (const auto& c : cases) EXPECT_EQ(fin.testPositionFront(c.x, c.y), c.code) << c.what;

    // Root and tip edges less than 3 pixels apart: the tip, tested last, wins.
    fin.span = 2;
    fin.computeFrontPoints({1, kXoff, kYoff});
    EXPECT_EQ(fin.testPositionFront(400, 269), 0);
}

TEST(FinFront, TheMirroredFinOfATwinIsDrawnButNeverHit) {
    VertWingSection fin = defaultFin();
    fin.offset1 = 40;
    fin.computeFrontPoints({1, kXoff, kYoff});
    EXPECT_EQ(fin.testPositionFront(440, 270), 4);
    EXPECT_EQ(fin.testPositionFront(360, 270), 5);
    EXPECT_EQ(fin.testPositionFront(360, 120), 5);
}

TEST(FinFront, DragsWithoutAUsableZoomChangeNothing) {
    for (double zoom : {0.0, std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity()}) {
        VertWingSection fin = defaultFin();
        fin.computeFrontPoints({1, kXoff, kYoff});
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

TEST(FinFront, DrawColours) {
    struct Case {
        std::int32_t which;
        PaletteColor color;
    };
    const ViewColors colors{};
    for (const auto& c : {Case{5, kBlack}, Case{6, colors.colorInactive}, Case{9, kWhite}, Case{3, kBlack}}) {
        VertWingSection fin = defaultFin();
        fin.computeFrontPoints({1, kXoff, kYoff});
        RecordingCanvas canvas;
        ViewState view;
        view.xoff = kXoff;
        fin.drawFront({canvas, view, colors}, c.which);
        ASSERT_EQ(canvas.segments().size(), 4u) << c.which;
        for (const auto& s : canvas.segments()) EXPECT_EQ(s.color, c.color) << c.which;
        expectSegment(canvas.segments()[0], 392.5, 270, 407.5, 270, c.color, "root edge first");
        expectSegment(canvas.segments()[3], 396, 120, 392.5, 270, c.color, "left edge last");
    }
}

TEST(FinFront, PrintingATwinDrawsBothFinsAndLeavesTheScreenOutline) {
    VertWingSection fin = defaultFin();
    fin.offset1 = 20;
    fin.computeFrontPoints({1, kXoff, kYoff});
    RecordingCanvas printer;
    fin.printFront(printer, {10, 1000, 3000});
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
    EXPECT_EQ(dxf.text(), dxfPolylineEntities("Fin", {{"-7.5 ", " 30 "}, {" 7.5 ", " 30 "}, {" 4 ", " 180 "},
                                                      {"-4 ", " 180 "}, {"-7.5 ", " 30 "}}));
}

TEST(FinFront, DxfOfATwinFinHasTheMirroredFinToo) {
    VertWingSection fin = defaultFin();
    fin.offset1 = 20;
    DxfCapture dxf;
    fin.saveDXF_front(dxf.file);
    EXPECT_EQ(dxf.text(), dxfPolylineEntities("Fin", {{" 12.5 ", " 30 "}, {" 27.5 ", " 30 "}, {" 24 ", " 180 "},
                                                      {" 16 ", " 180 "}, {" 12.5 ", " 30 "}}) +
                              dxfPolylineEntities("Fin", {{"-12.5 ", " 30 "}, {"-27.5 ", " 30 "}, {"-24 ", " 180 "},
                                                          {"-16 ", " 180 "}, {"-12.5 ", " 30 "}}));
    EXPECT_EQ(dxf.pen, (Point3D{-12.5, 30, 0}));
}

}  // namespace
}  // namespace ferlo
