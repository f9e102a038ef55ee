// The fuselage in the Side view: its profile, highlights and erasing, hit
// codes, hover and drag steps, printout and DXF output.

#include <cstdint>
#include <limits>
#include <vector>

#include <gtest/gtest.h>

#include "fuselage/mesh_sections.h"
#include "support/dxf_capture.h"
#include "support/view_testing.h"

namespace ferlo {
namespace {

using Segment = RecordingCanvas::Segment;
using testing::colorsOf;
using testing::DxfCapture;
using testing::expectSegments;
using testing::RecordedView;

// Every test draws at zoom 0.5 with the model origin at (50, 300) a default
// fuselage moved by the offsets below. Its sections (X, top, bottom) are then
// on the screen: section 1 at x 60 from y 283 down to 293, section 2 at x 160
// from 243 to 293, section 3 at x 460 from 278 to 283 (5 pixels high).
constexpr double kZoom = 0.5;
constexpr double kXoff = 50;
constexpr double kYoff = 300;

MeshSections offsetFuselage() {
    MeshSections fuselage;
    fuselage.pos_offset = 20;
    fuselage.elevation_offset = 4;
    return fuselage;
}

// The screen profile of a fuselage: tops and bottoms of sections 1..n.
struct ScreenProfile {
    std::vector<Point2D> top, bottom;
};

const ScreenProfile kDrawnProfile{{{60, 283}, {160, 243}, {460, 278}}, {{60, 293}, {160, 293}, {460, 283}}};

// The segments of a profile in drawing order (the top line, the bottom line,
// the section lines from bottom to top), coloured in that order.
std::vector<Segment> profileSegments(const ScreenProfile& p, const std::vector<PaletteColor>& colors) {
    std::vector<Segment> segments;
    for (const auto* row : {&p.top, &p.bottom}) {
        for (std::size_t k = 1; k < row->size(); ++k) {
            segments.push_back({(*row)[k - 1].x, (*row)[k - 1].y, (*row)[k].x, (*row)[k].y, kBlack});
        }
    }
    for (std::size_t k = 0; k < p.top.size(); ++k) {
        segments.push_back({p.bottom[k].x, p.bottom[k].y, p.top[k].x, p.top[k].y, kBlack});
    }
    for (std::size_t k = 0; k < segments.size() && k < colors.size(); ++k) segments[k].color = colors[k];
    return segments;
}

std::vector<PaletteColor> allIn(PaletteColor color, std::size_t count = 7) {
    return std::vector<PaletteColor>(count, color);
}

// A fuselage drawn once in the Side view on a recording canvas, whose
// recording then starts empty; mouse gestures on it as the editor makes them.
struct DrawnFuselage {
    MeshSections fuselage;
    RecordedView screen{kZoom, kXoff, kYoff};

    explicit DrawnFuselage(const MeshSections& f = offsetFuselage()) : fuselage(f) {
        draw();
        screen.canvas.reset();
    }
    void draw(std::int16_t selected1 = -1, std::int32_t which = MeshSections::kHitSideSectionLine) {
        fuselage.drawSide(screen.context(), selected1, which);
    }
    std::int32_t hitAt(double x, double y, bool ctrl = false) { return fuselage.testPositionSide(x, y, ctrl); }
    // Mouse-down: the point, the hit code into `paint`, the start values.
    std::int32_t press(std::int16_t x, std::int16_t y, bool shift = false, bool ctrl = false) {
        screen.view.shiftkey = shift;
        screen.view.ctrlkey = ctrl;
        screen.pressAt(x, y);
        fuselage.paint = hitAt(x, y, ctrl);
        fuselage.initMouseValSide(screen.view);
        return fuselage.paint;
    }
    void moveTo(double x, double y) { fuselage.selectsSide(screen.context(), x, y); }
    const std::vector<Segment>& segments() const { return screen.canvas.segments(); }
};

TEST(FuselageSide, ProfileIsErasedWhereItWasDrawnThenDrawnAnew) {
    DrawnFuselage drawn;
    drawn.fuselage.elevation_offset = 14;  // 5 pixels up
    drawn.draw();
    ScreenProfile moved = kDrawnProfile;
    for (auto* row : {&moved.top, &moved.bottom}) {
        for (Point2D& p : *row) p.y -= 5;
    }
    std::vector<Segment> expected = profileSegments(kDrawnProfile, allIn(kWhite));
    const std::vector<Segment> fresh = profileSegments(moved, allIn(kBlack));
    expected.insert(expected.end(), fresh.begin(), fresh.end());
    expectSegments(drawn.segments(), expected, "erase, then draw");
}

TEST(FuselageSide, HighlightsBySelectedSectionAndWhich) {
    constexpr PaletteColor B = kBlack;
    constexpr PaletteColor Y = kLightYellow;
    constexpr PaletteColor L = kLightBlue;
    // Colours of the top segments ending at points 2 and 3, the bottom
    // segments ending at 2 and 3, and section lines 1 to 3.
    const struct {
        std::int16_t selected1;
        std::int32_t which;
        std::vector<PaletteColor> colors;
        bool selected;
    } cases[] = {
        {-1, MeshSections::kHitSideSectionLine, {B, B, B, B, B, B, B}, false},
        {2, MeshSections::kHitSideSectionLine, {B, B, B, B, B, Y, B}, true},
        {1, MeshSections::kHitSideTopPoint, {Y, B, B, B, Y, B, B}, true},
        {2, MeshSections::kHitSideTopPoint, {Y, Y, B, B, B, Y, B}, true},
        {3, MeshSections::kHitSideTopPoint, {B, Y, B, B, B, B, Y}, true},
        {2, MeshSections::kHitSideBottomPoint, {B, B, Y, Y, B, Y, B}, true},
        {3, MeshSections::kHitSideBottomPoint, {B, B, B, Y, B, B, Y}, true},
        {2, MeshSections::kDrawInactive, {L, L, L, L, L, L, L}, true},
        {-1, MeshSections::kDrawInactive, {L, L, L, L, L, L, L}, false},
    };
    for (const auto& c : cases) {
        DrawnFuselage drawn;
        drawn.draw(c.selected1, c.which);
        std::vector<PaletteColor> expected = c.which == MeshSections::kDrawInactive ? std::vector<PaletteColor>{}
                                                                                      : allIn(kWhite);  // the erase
        expected.insert(expected.end(), c.colors.begin(), c.colors.end());
        EXPECT_EQ(colorsOf(drawn.segments()), expected) << c.selected1 << " " << c.which;
        EXPECT_EQ(drawn.fuselage.selected, c.selected) << c.selected1 << " " << c.which;
    }
}

TEST(FuselageSide, HitCodesAndTheSectionTheySelect) {
    const struct {
        double x, y;
        bool ctrl;
        std::int32_t code;
        std::int16_t selection;  // sel_sec afterwards, from 1
        const char* what;
    } cases[] = {
        {160, 270, false, 0, 2, "on section line 2"},
        {162.9, 270, false, 0, 2, "2.9 pixels beside section line 2"},
        {163, 270, false, 4, 1, "exactly 3 pixels beside section line 2"},
        {160, 243, false, 1, 2, "top point 2"},
        {160, 245, false, 1, 2, "near top point 2, also on its section line"},
        {160, 246, false, 0, 2, "on section line 2, exactly 3 pixels below its top"},
        {160, 240.5, false, 1, 2, "above top point 2, within reach"},
        {160, 293, false, 2, 2, "bottom point 2"},
        {62, 291, false, 2, 1, "near bottom point 1"},
        {460, 280.5, false, 2, 3, "within reach of both points of the 5-pixel section 3"},
        {100, 280, false, 4, 1, "a gap, without Ctrl"},
        {100, 280, true, 3, 2, "a gap with Ctrl, level with section 2 only"},
        {300, 280, true, 3, 3, "the gap between sections 2 and 3 with Ctrl"},
        {100, 240, true, 4, 1, "with Ctrl above both sections' spans"},
        {158, 280, true, 0, 2, "with Ctrl beside section line 2, within its reach"},
        {160, 293, true, 2, 2, "with Ctrl on bottom point 2"},
        {600, 280, true, 4, 1, "with Ctrl behind the last section"},
    };
    for (const auto& c : cases) {
        DrawnFuselage drawn;
        drawn.fuselage.sel_sec = 1;
        EXPECT_EQ(drawn.hitAt(c.x, c.y, c.ctrl), c.code) << c.what;
        EXPECT_EQ(drawn.fuselage.sel_sec, c.selection) << c.what;
    }
}

TEST(FuselageSide, HitsAmongSectionsCloseTogether) {
    MeshSections fuselage = offsetFuselage();
    fuselage.sel_sec = 3;
    fuselage.posSet(200);  // at x 160 like section 2, from y 263 down to 283
    fuselage.heightSet(40);
    fuselage.sel_sec = 1;
    fuselage.posSet(190);  // at x 155, 5 pixels before section 2
    DrawnFuselage drawn(fuselage);
    // On two section lines at one x the later section answers.
    EXPECT_EQ(drawn.hitAt(160, 272), MeshSections::kHitSideSectionLine);
    EXPECT_EQ(drawn.fuselage.sel_sec, 3);
    // Section lines less than 6 pixels apart leave no gap between them.
    EXPECT_EQ(drawn.hitAt(157.5, 288, true), MeshSections::kHitSideSectionLine);
    EXPECT_EQ(drawn.fuselage.sel_sec, 2);
}

// A drag of a point or line of section 2 and what it does to the section
// (height, position, elevation), at zoom 0.5: one pixel is two model units.
TEST(FuselageSide, DragsMoveTheGrabbedSection) {
    struct Values {
        double height, pos, elevation;
    };
    const struct {
        const char* what;
        std::int16_t x, y;
        bool shift;
        double dx, dy;
        std::int32_t code;
        Values after;
    } cases[] = {
        {"section line: up and down", 160, 270, false, 6, -10, 0, {100, 200, 30}},
        {"section line with Shift: along the axis", 160, 270, true, 6, -10, 0, {100, 212, 10}},
        {"top point: the height", 160, 243, false, 6, -10, 1, {120, 200, 10}},
        {"bottom point: the bottom, the top kept", 160, 293, false, 6, -10, 2, {80, 200, 30}},
        {"bottom point above the top", 160, 293, false, -4, -70, 2, {-40, 200, 150}},
        {"top point below the bottom", 160, 243, true, 3, 60, 1, {-20, 200, 10}},
    };
    for (const auto& c : cases) {
        DrawnFuselage drawn;
        ASSERT_EQ(drawn.press(c.x, c.y, c.shift), c.code) << c.what;
        drawn.moveTo(c.x + c.dx, c.y + c.dy);
        MeshSections& f = drawn.fuselage;
        EXPECT_EQ(f.sel_sec, 2) << c.what;
        EXPECT_EQ(f.heightGet(), c.after.height) << c.what;
        EXPECT_EQ(f.posGet(), c.after.pos) << c.what;
        EXPECT_EQ(f.elevationGet(), c.after.elevation) << c.what;
        EXPECT_EQ(f.widthGet(), 100) << c.what;
        f.sel_sec = 1;  // the other sections stay
        EXPECT_EQ(f.elevationGet(), 10) << c.what;
        f.sel_sec = 3;
        EXPECT_EQ(f.heightGet(), 10) << c.what;
    }
}

TEST(FuselageSide, DragStepRedrawsWithTheGrabbedPointLit) {
    DrawnFuselage drawn;
    ASSERT_EQ(drawn.press(160, 243), MeshSections::kHitSideTopPoint);
    drawn.moveTo(166, 233);  // height 100 -> 120: top point 2 at y 233
    drawn.moveTo(170, 223);  // 140: at y 223
    ScreenProfile before = kDrawnProfile;
    before.top[1].y = 233;
    ScreenProfile after = kDrawnProfile;
    after.top[1].y = 223;
    constexpr PaletteColor B = kBlack;
    constexpr PaletteColor Y = kLightYellow;
    std::vector<Segment> expected = profileSegments(kDrawnProfile, allIn(kWhite));
    std::vector<Segment> step = profileSegments(before, {Y, Y, B, B, B, Y, B});
    expected.insert(expected.end(), step.begin(), step.end());
    step = profileSegments(before, allIn(kWhite));
    expected.insert(expected.end(), step.begin(), step.end());
    step = profileSegments(after, {Y, Y, B, B, B, Y, B});
    expected.insert(expected.end(), step.begin(), step.end());
    expectSegments(drawn.segments(), expected, "two drag steps");
    EXPECT_TRUE(drawn.fuselage.selected);
}

TEST(FuselageSide, HoverLightsWhatLiesUnderThePointer) {
    const struct {
        double x, y;
        bool ctrl;
        std::int32_t part;
        std::vector<PaletteColor> colors;
        bool selected;
    } cases[] = {
        {160, 293, false, 2, {kBlack, kBlack, kLightYellow, kLightYellow, kBlack, kLightYellow, kBlack}, true},
        {60, 270, false, 4, allIn(kBlack), false},
        {100, 280, true, 3, allIn(kBlack), false},  // a gap lights nothing
    };
    for (const auto& c : cases) {
        DrawnFuselage drawn;
        drawn.fuselage.selected = true;
        drawn.screen.view.ctrlkey = c.ctrl;
        drawn.moveTo(c.x, c.y);
        EXPECT_EQ(drawn.fuselage.selected_part, c.part) << c.x << "," << c.y;
        EXPECT_EQ(drawn.fuselage.selected, c.selected) << c.x << "," << c.y;
        std::vector<Segment> expected = profileSegments(kDrawnProfile, allIn(kWhite));
        const std::vector<Segment> lit = profileSegments(kDrawnProfile, c.colors);
        expected.insert(expected.end(), lit.begin(), lit.end());
        expectSegments(drawn.segments(), expected, "hover");
    }
}

TEST(FuselageSide, GrabbedGapOrNoSectionOrNoZoomChangesNothing) {
    const auto sectionsAfter = [](DrawnFuselage& drawn, double x, double y) {
        drawn.screen.canvas.reset();
        drawn.moveTo(x, y);
        EXPECT_TRUE(drawn.segments().empty());
        std::vector<double> values;
        for (std::int16_t d = 1; d <= drawn.fuselage.nb_sections; ++d) {
            drawn.fuselage.sel_sec = d;
            values.insert(values.end(), {drawn.fuselage.heightGet(), drawn.fuselage.posGet(),
                                         drawn.fuselage.elevationGet()});
        }
        return values;
    };
    const std::vector<double> unchanged{20, 0, 10, 100, 200, 10, 10, 800, 30};

    DrawnFuselage gap;
    ASSERT_EQ(gap.press(100, 280, false, true), MeshSections::kHitSideGap);
    EXPECT_EQ(gap.fuselage.initval, 200);  // the position of section 2
    EXPECT_EQ(sectionsAfter(gap, 120, 250), unchanged);

    // After the removal of the last section sel_sec names none.
    DrawnFuselage removed;
    ASSERT_EQ(removed.press(160, 270), MeshSections::kHitSideSectionLine);
    removed.fuselage.initval = -1;
    removed.fuselage.sel_sec = 4;
    removed.fuselage.initMouseValSide(removed.screen.view);
    EXPECT_EQ(removed.fuselage.initval, -1);
    EXPECT_EQ(sectionsAfter(removed, 170, 250), unchanged);

    for (double zoom : {0.0, std::numeric_limits<double>::infinity()}) {
        DrawnFuselage frozen;
        ASSERT_EQ(frozen.press(160, 243), MeshSections::kHitSideTopPoint);
        frozen.screen.view.zoom = zoom;
        EXPECT_EQ(sectionsAfter(frozen, 170, 250), unchanged) << zoom;
    }
}

TEST(FuselageSide, WithoutOutlinePointsOnlyPrintAndDxfWork) {
    DrawnFuselage drawn;
    drawn.fuselage.nb_cross = 0;
    drawn.fuselage.elevation_offset = 100;
    drawn.draw(2, MeshSections::kHitSideTopPoint);
    EXPECT_TRUE(drawn.segments().empty());
    EXPECT_FALSE(drawn.fuselage.selected);
    EXPECT_EQ(drawn.hitAt(160, 270, true), 4);
    drawn.fuselage.paint = MeshSections::kIdlePaint;
    drawn.moveTo(160, 270);
    EXPECT_EQ(drawn.fuselage.selected_part, 0);  // never set
    drawn.fuselage.paint = MeshSections::kHitSideTopPoint;
    drawn.fuselage.sel_sec = 2;
    drawn.fuselage.initMouseValSide(drawn.screen.view);
    EXPECT_EQ(drawn.fuselage.initval, 100);  // the start value is taken
    drawn.moveTo(160, 200);
    EXPECT_EQ(drawn.fuselage.heightGet(), 100);
    EXPECT_TRUE(drawn.segments().empty());

    RecordingCanvas printer;
    drawn.fuselage.printSide(printer, {1, 0, 500});
    EXPECT_EQ(printer.segments().size(), 7u);
    DxfCapture dxf;
    drawn.fuselage.saveDXF_side(dxf.file, 1);
    EXPECT_EQ(testing::readDxfLines(dxf.text()).size(), 7u);
}

TEST(FuselageSide, PrintoutInBlackLeavesTheScreenProfile) {
    DrawnFuselage drawn;
    RecordingCanvas printer;
    drawn.fuselage.printSide(printer, {1, -100, 400});
    const ScreenProfile printed{{{-80, 366}, {120, 286}, {720, 356}}, {{-80, 386}, {120, 386}, {720, 366}}};
    expectSegments(printer.segments(), profileSegments(printed, allIn(kBlack)), "printout");
    EXPECT_EQ(drawn.hitAt(160, 243), MeshSections::kHitSideTopPoint);
}

TEST(FuselageSide, DxfOfTheDefaultFuselage) {
    MeshSections fuselage;
    fuselage.pos_offset = -12.5;
    DxfCapture dxf;
    fuselage.saveDXF_side(dxf.file, 2);
    const std::string_view layer = "Fuselage_2";
    std::string expected =
        testing::dxfPolylineEntities(layer, {{"-12.5 ", " 30 "}, {" 187.5 ", " 110 "}, {" 787.5 ", " 40 "}});
    expected += testing::dxfPolylineEntities(layer, {{"-12.5 ", " 10 "}, {" 187.5 ", " 10 "}, {" 787.5 ", " 30 "}});
    expected += testing::dxfLineEntity(layer, "-12.5 ", " 10 ", "-12.5 ", " 30 ");
    expected += testing::dxfLineEntity(layer, " 187.5 ", " 10 ", " 187.5 ", " 110 ");
    expected += testing::dxfLineEntity(layer, " 787.5 ", " 30 ", " 787.5 ", " 40 ");
    EXPECT_EQ(dxf.text(), expected);

    // A fuselage without sections writes nothing.
    fuselage.nb_sections = 0;
    fuselage.initArrays();
    DxfCapture empty;
    fuselage.saveDXF_side(empty.file, 2);
    EXPECT_EQ(empty.text(), "");
}

TEST(FuselageSide, AfterAnInsertionTheOldProfileIsErasedExactly) {
    DrawnFuselage drawn;
    ASSERT_EQ(drawn.press(100, 280, false, true), MeshSections::kHitSideGap);
    drawn.fuselage.insertSection(drawn.screen.view);  // at x 100: position 80, between sections 1 and 2
    ASSERT_EQ(drawn.fuselage.nb_sections, 4);
    drawn.draw();
    const std::vector<Segment> erased(drawn.segments().begin(), drawn.segments().begin() + 7);
    expectSegments(erased, profileSegments(kDrawnProfile, allIn(kWhite)), "erase of the three-section profile");
    EXPECT_EQ(colorsOf(drawn.segments()), [] {
        std::vector<PaletteColor> colors = allIn(kWhite);
        colors.insert(colors.end(), 10, kBlack);  // 3 + 3 + 4 lines of four sections
        return colors;
    }());
    // The new section is hit at its own place.
    EXPECT_EQ(drawn.hitAt(100, 289), MeshSections::kHitSideSectionLine);
    EXPECT_EQ(drawn.fuselage.sel_sec, 2);
}

}  // namespace
}  // namespace ferlo
