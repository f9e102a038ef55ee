// The fuselage in the HTop view: the plan's points and highlights, the erase
// of the plan drawn last, hit codes, hover, width and position drags, the
// printout and the DXF.

#include <algorithm>
#include <cstdint>
#include <limits>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "fuselage/mesh_sections.h"
#include "support/dxf_capture.h"
#include "support/fuselage_sections.h"
#include "support/view_testing.h"

namespace ferlo {
namespace {

using Segment = RecordingCanvas::Segment;
using testing::colorsOf;
using testing::DxfCapture;
using testing::expectSegments;
using testing::polylinePoints;
using testing::RecordedView;

// The default fuselage with `shift` 5 and `pos_offset` 5, drawn at zoom 2
// with the model origin at (10, 300): the sections stand at x 20, 420 and
// 1620; the first side at y 330, 410, 320 (shift + half width, downward),
// the second side at y 290, 210, 300.
constexpr double kZoom = 2;
constexpr double kXoff = 10;
constexpr double kYoff = 300;

constexpr PaletteColor B = kBlack;
constexpr PaletteColor Y = kLightYellow;
constexpr PaletteColor L = kLightBlue;
constexpr PaletteColor W = kWhite;

MeshSections shiftedFuselage() {
    MeshSections fuselage;
    fuselage.shift = 5;
    fuselage.pos_offset = 5;
    return fuselage;
}

// The plan of the shifted default fuselage as drawn: two segments along each
// side, then the three section lines.
const std::vector<Segment> kPlan{{20, 330, 420, 410, B},  {420, 410, 1620, 320, B}, {20, 290, 420, 210, B},
                                 {420, 210, 1620, 300, B}, {20, 330, 20, 290, B},    {420, 410, 420, 210, B},
                                 {1620, 320, 1620, 300, B}};

// A fuselage drawn once in the view on a recording canvas, whose recording
// then starts empty; mouse gestures on it as the editor makes them.
struct DrawnFuselage {
    MeshSections fuselage;
    RecordedView screen{kZoom, kXoff, kYoff};

    explicit DrawnFuselage(const MeshSections& f = shiftedFuselage()) : fuselage(f) {
        draw();
        screen.canvas.reset();
    }
    void draw(std::int16_t selected1 = -1, std::int32_t which = MeshSections::kHTopPlain) {
        fuselage.drawHTop(screen.context(), selected1, which);
    }
    std::int32_t hitAt(double x, double y, bool ctrl = false) {
        screen.view.ctrlkey = ctrl;
        return fuselage.testPositionHTop(screen.view, x, y);
    }
    // Mouse-down: the point, the hit code into `paint`, the start value.
    std::int32_t press(std::int16_t x, std::int16_t y, bool shift = false, bool ctrl = false) {
        screen.view.shiftkey = shift;
        screen.pressAt(x, y);
        fuselage.paint = hitAt(x, y, ctrl);
        fuselage.initMouseValHTop();
        return fuselage.paint;
    }
    void moveTo(double x, double y) { fuselage.selectsHTop(screen.context(), x, y); }
    const std::vector<Segment>& segments() const { return screen.canvas.segments(); }
};

// `plan` with every segment in `color`.
std::vector<Segment> inColor(std::vector<Segment> plan, PaletteColor color) {
    for (Segment& s : plan) s.color = color;
    return plan;
}

TEST(MeshSectionsHTop, PlanSidesBelowAndAboveTheAxisAndSectionLines) {
    MeshSections fuselage = shiftedFuselage();
    RecordedView screen(kZoom, kXoff, kYoff);
    fuselage.drawHTop(screen.context());
    // A new fuselage has drawn no plan yet: nothing to erase.
    expectSegments(screen.canvas.segments(), kPlan, "first drawing");
    EXPECT_FALSE(fuselage.selected);
}

TEST(MeshSectionsHTop, HighlightsBySelectedSectionAndWhich) {
    struct Case {
        std::int16_t selected1;
        std::int32_t which;
        std::vector<PaletteColor> colors;  // side 1, side 1, side 2, side 2, lines 1 to 3
    };
    const Case cases[] = {
        {-1, 0, {B, B, B, B, B, B, B}}, {2, 0, {B, B, B, B, B, Y, B}}, {2, 5, {Y, Y, B, B, B, Y, B}},
        {1, 5, {Y, B, B, B, Y, B, B}},  {3, 5, {B, Y, B, B, B, B, Y}}, {2, 7, {L, L, L, L, L, L, L}},
        {-1, 7, {L, L, L, L, L, L, L}}, {2, 4, {B, B, B, B, B, Y, B}},  // any other `which` draws as 0
    };
    for (const Case& c : cases) {
        DrawnFuselage drawn;
        drawn.draw(c.selected1, c.which);
        const std::vector<Segment> s = drawn.segments();
        ASSERT_EQ(s.size(), 14u) << c.selected1 << " " << c.which;
        EXPECT_EQ(colorsOf({s.begin(), s.begin() + 7}), std::vector<PaletteColor>(7, W)) << "erased first";
        EXPECT_EQ(colorsOf({s.begin() + 7, s.end()}), c.colors) << c.selected1 << " " << c.which;
        EXPECT_EQ(drawn.fuselage.selected, c.selected1 != -1) << c.selected1 << " " << c.which;
    }
    // Drawing without a section never clears the flag.
    DrawnFuselage drawn;
    drawn.draw(1);
    drawn.draw();
    EXPECT_TRUE(drawn.fuselage.selected);
}

TEST(MeshSectionsHTop, EachDrawingErasesExactlyThePlanDrawnLast) {
    DrawnFuselage drawn;
    drawn.fuselage.shift = -10;  // the axis 30 pixels higher
    drawn.draw();
    std::vector<Segment> expected = inColor(kPlan, W);
    for (Segment s : kPlan) {
        s.y1 -= 30;
        s.y2 -= 30;
        expected.push_back(s);
    }
    expectSegments(drawn.segments(), expected, "shifted");
}

TEST(MeshSectionsHTop, AfterAnInsertionTheEraseCoversThePlanDrawnBeforeIt) {
    DrawnFuselage drawn;
    // A Ctrl-click in the gap between sections 2 and 3, at model position 500.
    ASSERT_EQ(drawn.press(1020, 300, false, true), MeshSections::kHitHTopGap);
    EXPECT_EQ(drawn.fuselage.sel_sec, 3);
    drawn.fuselage.insertSection(drawn.screen.view);
    ASSERT_EQ(drawn.fuselage.nb_sections, 4);
    drawn.draw();
    const std::vector<Segment> s = drawn.segments();
    ASSERT_EQ(s.size(), 7u + 10u);
    expectSegments({s.begin(), s.begin() + 7}, inColor(kPlan, W), "erase");
    // The new section, 55 wide at x 1020, between the old ones.
    EXPECT_EQ(polylinePoints({s.begin() + 7, s.begin() + 10}),
              (std::vector<Point2D>{{20, 330}, {420, 410}, {1020, 365}, {1620, 320}}));
}

TEST(MeshSectionsHTop, HitCodesAndTheSectionTheySelect) {
    struct Case {
        const char* what;
        double x, y;
        bool ctrl;
        std::int32_t code;
        std::int16_t selSec;  // 1 before the test
    };
    const Case cases[] = {
        {"on section line 2", 420, 300, false, 0, 2},
        {"2.9 pixels beside it", 422.9, 300, false, 0, 2},
        {"3 pixels beside it", 423, 300, false, 4, 1},
        {"on first-side point 2", 420, 410, false, 5, 2},
        {"on the line near the point", 420, 408, false, 5, 2},
        {"on the line 3 pixels from the point", 420, 407, false, 0, 2},
        {"beyond the point", 420, 412.9, false, 5, 2},
        {"3 pixels beyond it", 420, 413, false, 4, 1},
        {"on second-side point 2", 420, 210, false, 6, 2},
        {"near second-side point 3", 1622, 301, false, 6, 3},
        {"near first-side point 3, also on line 3", 1620, 318, false, 5, 3},
        {"in the gap without Ctrl", 200, 300, false, 4, 1},
        {"in the gap with Ctrl", 200, 300, true, 3, 2},
        {"in the gap within section 2's width only", 200, 400, true, 3, 2},
        {"beyond both sections' widths", 200, 415, true, 4, 1},
        {"3 pixels from section line 1", 23, 300, true, 4, 1},
        {"just past 3 pixels", 23.5, 300, true, 3, 2},
        {"near section line 1 with Ctrl", 22, 300, true, 0, 1},
        {"gap between 2 and 3", 1000, 300, true, 3, 3},
    };
    for (const Case& c : cases) {
        DrawnFuselage drawn;
        EXPECT_EQ(drawn.hitAt(c.x, c.y, c.ctrl), c.code) << c.what;
        EXPECT_EQ(drawn.fuselage.sel_sec, c.selSec) << c.what;
    }
}

TEST(MeshSectionsHTop, CloseSectionsAndNarrowSections) {
    // Sections 2 and 3 at the same position: the later one answers.
    MeshSections same = shiftedFuselage();
    same.sel_sec = 3;
    same.posSet(200);
    EXPECT_EQ(DrawnFuselage(same).hitAt(420, 310), MeshSections::kHitHTopSectionLine);
    DrawnFuselage sameDrawn(same);
    sameDrawn.hitAt(420, 310);
    EXPECT_EQ(sameDrawn.fuselage.sel_sec, 3);

    // Less than 6 pixels apart: no gap between them.
    MeshSections close = shiftedFuselage();
    close.sel_sec = 3;
    close.posSet(202);  // x 424
    DrawnFuselage closeDrawn(close);
    EXPECT_EQ(closeDrawn.hitAt(422, 305, true), MeshSections::kHitHTopSectionLine);  // line 2 or 3, never the gap
    EXPECT_EQ(closeDrawn.hitAt(422, 250, true), MeshSections::kHitHTopSectionLine);

    // A section under 6 pixels wide: both points within reach, the second wins.
    MeshSections narrow = shiftedFuselage();
    narrow.sel_sec = 3;
    narrow.widthSet(2);  // y 312 and 308
    EXPECT_EQ(DrawnFuselage(narrow).hitAt(1620, 310), MeshSections::kHitHTopSecondSide);
}

TEST(MeshSectionsHTop, StartValuesOfTheDragThatPaintNames) {
    struct Case {
        std::int32_t paint;
        double initval;
    };
    for (const Case& c : {Case{5, 100}, Case{6, 100}, Case{0, 200}, Case{3, -1}, Case{4, -1}}) {
        MeshSections fuselage = shiftedFuselage();
        fuselage.sel_sec = 2;
        fuselage.initval = -1;
        fuselage.paint = c.paint;
        fuselage.initMouseValHTop();
        EXPECT_EQ(fuselage.initval, c.initval) << c.paint;
    }
}

TEST(MeshSectionsHTop, DragsSetTheWidthSymmetricallyOrMoveTheSectionWithShift) {
    struct Case {
        const char* what;
        std::int16_t x, y;
        bool shift;
        double dx, dy;  // pointer displacement in pixels
        std::int32_t code;
        double width, pos;  // of section 2 afterwards
    };
    const Case cases[] = {
        {"first-side point down widens", 420, 410, false, 7, 10, 5, 110, 200},
        {"first-side point up narrows, with Shift too", 420, 410, true, -7, -20, 5, 80, 200},
        {"second-side point down narrows", 420, 210, false, 7, 10, 6, 90, 200},
        {"second-side point up widens", 420, 210, false, 3, -6, 6, 106, 200},
        {"section line with Shift moves along the axis", 420, 300, true, 20, 6, 0, 100, 210},
        {"section line without Shift stays", 420, 300, false, 20, 6, 0, 100, 200},
    };
    for (const Case& c : cases) {
        DrawnFuselage drawn;
        ASSERT_EQ(drawn.press(c.x, c.y, c.shift), c.code) << c.what;
        drawn.moveTo(c.x + c.dx / 2, c.y + c.dy / 2);  // each move counts from the mouse-down point
        drawn.moveTo(c.x + c.dx, c.y + c.dy);
        drawn.fuselage.sel_sec = 2;
        EXPECT_DOUBLE_EQ(drawn.fuselage.widthGet(), c.width) << c.what;
        EXPECT_DOUBLE_EQ(drawn.fuselage.posGet(), c.pos) << c.what;
        EXPECT_EQ(testing::sectionAt(drawn.fuselage, 1), testing::sectionAt(shiftedFuselage(), 1)) << c.what;
        EXPECT_EQ(drawn.fuselage.shift, 5) << c.what;
    }
}

TEST(MeshSectionsHTop, AWidthDragKeepsThePointUnderThePointerAndRedrawsItLit) {
    DrawnFuselage drawn;
    drawn.press(420, 410);
    drawn.moveTo(427, 420);  // width 110: first side at y 420, second at 200
    const std::vector<Segment> s = drawn.segments();
    ASSERT_EQ(s.size(), 14u);
    expectSegments({s.begin(), s.begin() + 7}, inColor(kPlan, W), "erase");
    EXPECT_EQ(colorsOf({s.begin() + 7, s.end()}), (std::vector<PaletteColor>{Y, Y, B, B, B, Y, B}));
    testing::expectSegment(s[12], 420, 420, 420, 200, Y, "section line 2");
    EXPECT_EQ(drawn.hitAt(420, 420), MeshSections::kHitHTopFirstSide);
    EXPECT_EQ(drawn.hitAt(420, 200), MeshSections::kHitHTopSecondSide);
}

TEST(MeshSectionsHTop, DragsThatCannotTakeAValueChangeNothing) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (const auto& [zoom, paint] : {std::pair{0.0, 5}, std::pair{nan, 6}, std::pair{1e-320, 5},
                                      std::pair{2.0, MeshSections::kHitHTopGap}, std::pair{2.0, 2}}) {
        DrawnFuselage drawn;
        drawn.press(420, 410);
        drawn.fuselage.paint = paint;
        drawn.screen.view.zoom = zoom;
        drawn.moveTo(500, 30000);
        EXPECT_EQ(testing::sectionsOf(drawn.fuselage), testing::sectionsOf(shiftedFuselage())) << zoom << " " << paint;
        EXPECT_TRUE(drawn.segments().empty()) << zoom << " " << paint;
    }
}

TEST(MeshSectionsHTop, HoverHighlightsWhatIsUnderThePointer) {
    struct Case {
        const char* what;
        double x, y;
        bool ctrl;
        std::vector<PaletteColor> colors;  // of the new plan, after the erase
        std::int32_t part;
        std::int16_t selSec;
        bool selected;
    };
    const Case cases[] = {
        {"first-side point 2", 421, 409, false, {Y, Y, B, B, B, Y, B}, 5, 2, true},
        {"second-side point 3", 1619, 301, false, {B, Y, B, B, B, B, Y}, 6, 3, true},
        {"section line 1", 20, 300, false, {B, B, B, B, Y, B, B}, 0, 1, true},
        {"nothing", 700, 100, false, {B, B, B, B, B, B, B}, 4, 3, false},
    };
    for (const Case& c : cases) {
        DrawnFuselage drawn;
        drawn.fuselage.sel_sec = 3;
        drawn.fuselage.selected = !c.selected;
        drawn.screen.view.ctrlkey = c.ctrl;
        drawn.moveTo(c.x, c.y);
        const std::vector<Segment> s = drawn.segments();
        ASSERT_EQ(s.size(), 14u) << c.what;
        EXPECT_EQ(colorsOf({s.begin() + 7, s.end()}), c.colors) << c.what;
        EXPECT_EQ(drawn.fuselage.selected_part, c.part) << c.what;
        EXPECT_EQ(drawn.fuselage.sel_sec, c.selSec) << c.what;
        EXPECT_EQ(drawn.fuselage.selected, c.selected) << c.what;
        EXPECT_EQ(testing::sectionsOf(drawn.fuselage), testing::sectionsOf(shiftedFuselage())) << c.what;
    }

    // Over a gap with Ctrl: the later section is selected, nothing is redrawn
    // and the highlight stays as it was.
    DrawnFuselage drawn;
    drawn.fuselage.selected = true;
    drawn.screen.view.ctrlkey = true;
    drawn.moveTo(200, 300);
    EXPECT_TRUE(drawn.segments().empty());
    EXPECT_EQ(drawn.fuselage.selected_part, MeshSections::kHitHTopGap);
    EXPECT_EQ(drawn.fuselage.sel_sec, 2);
    EXPECT_TRUE(drawn.fuselage.selected);
}

TEST(MeshSectionsHTop, WithoutOutlinePointsTheViewIgnoresTheFuselage) {
    DrawnFuselage drawn;
    drawn.fuselage.nb_cross = 0;
    drawn.fuselage.initArrays();
    drawn.draw(2, MeshSections::kHTopPointLit);
    EXPECT_TRUE(drawn.segments().empty());
    EXPECT_FALSE(drawn.fuselage.selected);
    EXPECT_EQ(drawn.hitAt(420, 410), MeshSections::kHitNothing);
    drawn.fuselage.paint = MeshSections::kHitHTopFirstSide;
    drawn.fuselage.sel_sec = 2;
    drawn.fuselage.initval = -1;
    drawn.fuselage.initMouseValHTop();
    EXPECT_EQ(drawn.fuselage.initval, -1);
    drawn.screen.pressAt(420, 410);
    drawn.moveTo(420, 440);
    EXPECT_EQ(drawn.fuselage.widthGet(), 100);
    EXPECT_TRUE(drawn.segments().empty());
}

TEST(MeshSectionsHTop, PrintCentredOnTheAxisWithoutShift) {
    const MeshSections fuselage = shiftedFuselage();
    RecordingCanvas printer(800, 600);
    fuselage.printHTop(printer, {1, 10, 100});
    expectSegments(printer.segments(),
                   {{15, 110, 215, 150, B},
                    {215, 150, 815, 105, B},
                    {15, 90, 215, 50, B},
                    {215, 50, 815, 95, B},
                    {15, 110, 15, 90, B},
                    {215, 150, 215, 50, B},
                    {815, 105, 815, 95, B},
                    {0, 100, 800, 100, B}},
                   "printout");
}

TEST(MeshSectionsHTop, DxfOfThePlanThenTheCrossSectionsSideBySide) {
    using testing::dxfLineEntity;
    using testing::dxfPolylineEntities;
    const MeshSections pair = testing::smallFuselagePair();
    DxfCapture dxf;
    pair.saveDXF_htop(dxf.file);
    // The plan without `shift`, first side below the axis; the highest point
    // (42) at y -100; outlines centred at 25 and 80, plus `shift`.
    EXPECT_EQ(dxf.text(), dxfLineEntity("Fuselage", " 3 ", "-15 ", " 103 ", "-30 ") +
                              dxfLineEntity("Fuselage", " 3 ", " 15 ", " 103 ", " 30 ") +
                              dxfLineEntity("Fuselage", " 3 ", " 15 ", " 3 ", "-15 ") +
                              dxfLineEntity("Fuselage", " 103 ", " 30 ", " 103 ", "-30 ") +
                              dxfPolylineEntities("Fuselage", {{" 45 ", "-120 "},
                                                               {" 30 ", "-110 "},
                                                               {" 15 ", "-120 "},
                                                               {" 30 ", "-130 "},
                                                               {" 45 ", "-120 "}}) +
                              dxfPolylineEntities("Fuselage", {{" 115 ", "-110 "},
                                                               {" 85 ", "-100 "},
                                                               {" 55 ", "-110 "},
                                                               {" 85 ", "-140 "},
                                                               {" 115 ", "-110 "}}));
}

// The centre of each cross-section outline in a DXF of the HTop view: the
// middle of its lateral extent.
std::vector<double> crossSectionCentres(const std::vector<testing::DxfLine>& lines, std::size_t planLines,
                                        int pointsPerSection) {
    std::vector<double> centres;
    for (std::size_t first = planLines; first < lines.size(); first += static_cast<std::size_t>(pointsPerSection)) {
        double low = lines[first].x1, high = lines[first].x1;
        for (std::size_t k = first; k < first + static_cast<std::size_t>(pointsPerSection); ++k) {
            low = std::min(low, lines[k].x1);
            high = std::max(high, lines[k].x1);
        }
        centres.push_back((low + high) / 2);
    }
    return centres;
}

TEST(MeshSectionsHTop, DxfCrossSectionsFollowDisplayOrderTenUnitsApart) {
    MeshSections fuselage = shiftedFuselage();
    DxfCapture dxf;
    fuselage.saveDXF_htop(dxf.file);
    auto lines = testing::readDxfLines(dxf.text());
    ASSERT_EQ(lines.size(), 7u + 24u);
    EXPECT_EQ(crossSectionCentres(lines, 7, 8), (std::vector<double>{25, 95, 160}));

    // A section inserted at 500 between the last two (55 wide) is laid out
    // third, though it is stored last.
    fuselage.sel_sec = 3;
    fuselage.insertSection(testing::pressedAt(505));
    DxfCapture inserted;
    fuselage.saveDXF_htop(inserted.file);
    lines = testing::readDxfLines(inserted.text());
    ASSERT_EQ(lines.size(), 10u + 32u);
    EXPECT_EQ(crossSectionCentres(lines, 10, 8), (std::vector<double>{25, 95, 182.5, 225}));
    // Section 4's widest line (35) less the highest point (110) and 100.
    EXPECT_DOUBLE_EQ(lines[10 + 24].y1, 35 - 110 - 100);
}

TEST(MeshSectionsHTop, DxfWithoutAClosedOutlineWritesThePlanOnly) {
    for (std::int16_t points : {0, 1}) {
        MeshSections fuselage = shiftedFuselage();
        fuselage.nb_cross = points;
        fuselage.initArrays();
        DxfCapture dxf;
        fuselage.saveDXF_htop(dxf.file);
        EXPECT_EQ(testing::readDxfLines(dxf.text()).size(), 7u) << points;
    }
}

}  // namespace
}  // namespace ferlo
