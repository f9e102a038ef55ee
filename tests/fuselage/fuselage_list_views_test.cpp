// The fuselage list's view fan-outs: which fuselages each 2D view draws,
// moves, prints and writes, in which order and colour.

#include <cmath>
#include <stdexcept>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "fuselage/fuselage_list.h"
#include "support/dxf_capture.h"
#include "support/recording_canvas.h"

namespace ferlo {
namespace {

using Segment = RecordingCanvas::Segment;
constexpr PaletteColor kInactive = ViewColors{}.colorInactive;

// Three default fuselages, fuselage i 1000 (i - 1) aft, so that every point
// of fuselage i lies between 1000 (i - 1) and 1000 (i - 1) + 800 along the
// axis; fuselage `current` is the current one.
FuselageList threeFuselages(std::int16_t current) {
    FuselageList list;
    list.addFuselage(false, LengthUnit::Millimeters, kDefaultPartColor);
    list.addFuselage(false, LengthUnit::Millimeters, kDefaultPartColor);
    for (int i = 1; i <= 3; ++i) list.fuselage(i).pos_offset = 1000.0 * (i - 1);
    list.currentFuselage = current;
    return list;
}

struct DrawnRun {
    int fuselage;
    PaletteColor color;
    friend bool operator==(const DrawnRun&, const DrawnRun&) = default;
};

void PrintTo(const DrawnRun& r, std::ostream* os) { *os << "{" << r.fuselage << ", " << r.color << "}"; }

// The drawing as runs of one fuselage in one colour; the axis is the
// screen's x (Side, HTop) or y (VTop) at zoom 1 with the origin at 0.
std::vector<DrawnRun> runsOf(const std::vector<Segment>& segments, bool axisDown) {
    std::vector<DrawnRun> runs;
    for (const Segment& s : segments) {
        const double along = axisDown ? s.y1 : s.x1;
        const DrawnRun r{static_cast<int>(std::floor(along / 1000)) + 1, s.color};
        if (runs.empty() || !(runs.back() == r)) runs.push_back(r);
    }
    return runs;
}

struct Area {
    RecordingCanvas canvas;
    ViewState view;
    ViewContext ctx{canvas, view, ViewColors{}};
    Area() { view.yoff = 500; }
};

TEST(FuselageListViews, SideAndHTopDrawTheOthersInactiveAndTheCurrentOneLast) {
    const PaletteColor I = kInactive, B = kBlack;
    struct Case {
        int hidden;  // 0 for none
        std::vector<DrawnRun> runs;
    };
    const Case cases[] = {
        {0, {{1, I}, {3, I}, {2, B}}},
        {3, {{1, I}, {2, B}}},
        {2, {{1, I}, {3, I}}},  // the hidden current fuselage is not drawn
    };
    for (bool side : {true, false}) {
        for (const Case& c : cases) {
            FuselageList list = threeFuselages(2);
            if (c.hidden != 0) list.setShown(c.hidden, false);
            Area area;
            if (side) {
                list.drawSideFuselages(area.ctx, -1, MeshSections::kHitSideSectionLine);
            } else {
                list.drawHTopFuselages(area.ctx, -1, MeshSections::kHTopPlain);
            }
            EXPECT_EQ(runsOf(area.canvas.segments(), false), c.runs) << side << " hidden " << c.hidden;
        }
    }
}

// A mouse move: in the Side and VTop views the others are redrawn first and
// the current one follows the pointer last; in the HTop view each takes its
// turn in list order, so the fuselages after the current one are redrawn
// over it.
TEST(FuselageListViews, MouseMovesRedrawTheOthersAroundTheCurrentOne) {
    const PaletteColor I = kInactive, B = kBlack, W = kWhite;
    struct Case {
        const char* view;
        void (FuselageList::*selects)(const ViewContext&, double, double);
        bool axisDown;
        std::vector<DrawnRun> runs;
    };
    const Case cases[] = {
        {"Side", &FuselageList::selectsSideFuselages, false, {{2, I}, {3, I}, {1, W}, {1, B}}},
        {"VTop", &FuselageList::selectsVTopFuselages, true, {{2, I}, {3, I}, {1, B}}},
        {"HTop", &FuselageList::selectsHTopFuselages, false, {{1, W}, {1, B}, {2, W}, {2, I}, {3, W}, {3, I}}},
    };
    for (const Case& c : cases) {
        FuselageList list = threeFuselages(1);
        Area area;
        // The view as set up: every fuselage drawn once.
        list.drawSideFuselages(area.ctx, -1, MeshSections::kHitSideSectionLine);
        list.drawHTopFuselages(area.ctx, -1, MeshSections::kHTopPlain);
        for (int i = 1; i <= 3; ++i) list.fuselage(i).computeVTopPoints({1, 500, 0});
        area.canvas.reset();
        (list.*c.selects)(area.ctx, 5000, 5000);  // over nothing
        EXPECT_EQ(runsOf(area.canvas.segments(), c.axisDown), c.runs) << c.view;
    }
}

// A hidden current fuselage answers no hit test at mouse-down, whatever it
// drew before it was hidden, and a move neither draws nor drags it; shown
// again, it is hit.
TEST(FuselageListViews, AHiddenCurrentFuselageIsNeitherHitNorMoved) {
    FuselageList list = threeFuselages(1);
    Area area;
    list.drawSideFuselages(area.ctx, -1, MeshSections::kHitSideSectionLine);
    list.setShown(1, false);
    MeshSections& f = list.current();
    f.sel_sec = 3;
    area.view.xloc = 200;
    area.view.yloc = 450;
    list.pressSideFuselages(area.view, 200, 450);  // section 2's line, from y 490 up to 390
    EXPECT_EQ(f.paint, MeshSections::kIdlePaint);
    EXPECT_EQ(f.sel_sec, 3);
    area.canvas.reset();
    list.selectsSideFuselages(area.ctx, 210, 430);
    EXPECT_EQ(f.elevationGet(), 30);
    EXPECT_EQ(runsOf(area.canvas.segments(), false), (std::vector<DrawnRun>{{2, kInactive}, {3, kInactive}}));

    list.setShown(1, true);
    list.pressSideFuselages(area.view, 200, 450);
    EXPECT_EQ(f.paint, MeshSections::kHitSideSectionLine);
    EXPECT_EQ(f.sel_sec, 2);
}

TEST(FuselageListViews, AnInvalidCurrentFuselageFailsBeforeAnythingIsDrawn) {
    FuselageList list = threeFuselages(1);
    list.currentFuselage = 4;
    Area area;
    EXPECT_THROW(list.drawSideFuselages(area.ctx, -1, 0), std::out_of_range);
    EXPECT_THROW(list.selectsHTopFuselages(area.ctx, 0, 0), std::out_of_range);
    EXPECT_TRUE(area.canvas.segments().empty());
}

// Printing takes hidden fuselages too and leaves the current one as it was.
TEST(FuselageListViews, PrintoutsTakeEveryFuselage) {
    FuselageList list = threeFuselages(2);
    list.setShown(3, false);
    RecordingCanvas vtop;
    list.printVTopFuselages(vtop, {1, 500, 0});
    EXPECT_EQ(vtop.segments().size(), 3u * 6u);
    EXPECT_EQ(runsOf(vtop.segments(), true), (std::vector<DrawnRun>{{1, kBlack}, {2, kBlack}, {3, kBlack}}));

    RecordingCanvas front;
    list.printFrontFuselages(front, ViewColors{}, {1, 500, 500});
    EXPECT_EQ(front.segments().size(), 3u * 3u * 8u);  // every section of every fuselage
    EXPECT_EQ(list.currentFuselage, 2);
}

// The DXF fan-outs write every fuselage with outline points, hidden ones too,
// each as it writes itself with its list number; a fuselage without outline
// points is skipped and the others keep their numbers.
TEST(FuselageListViews, DxfWritesEveryFuselageWithOutlinePointsUnderItsListNumber) {
    using Writer = void (MeshSections::*)(DxfFile&, std::int16_t) const;
    const std::pair<void (FuselageList::*)(DxfFile&) const, Writer> views[] = {
        {&FuselageList::saveDXF_sideFuselages, &MeshSections::saveDXF_side},
        {&FuselageList::saveDXF_vtopFuselages, &MeshSections::saveDXF_vtop},
        {&FuselageList::saveDXF_frontFuselages, &MeshSections::saveDXF_front},
    };
    for (const auto& [fanOut, writer] : views) {
        FuselageList list = threeFuselages(1);
        list.setShown(2, false);
        list.fuselage(3).nb_cross = 0;
        testing::DxfCapture written;
        (list.*fanOut)(written.file);
        testing::DxfCapture expected;
        (list.fuselage(1).*writer)(expected.file, 1);
        (list.fuselage(2).*writer)(expected.file, 2);
        EXPECT_FALSE(expected.text().empty());
        EXPECT_EQ(written.text(), expected.text());
        EXPECT_EQ(written.text().find("Fuselage_3"), std::string::npos);
    }
}

}  // namespace
}  // namespace ferlo
