// The equipment boxes' mouse gestures in the Side and HTop views, made
// through the drawing area's mouse protocol on the default aircraft.

#include <cstdint>
#include <vector>

#include <gtest/gtest.h>

#include "support/drawing_area.h"
#include "support/view_testing.h"

namespace ferlo {
namespace {

using Segment = RecordingCanvas::Segment;
using testing::colorsOf;
using testing::DrawingArea;

// At zoom 2 with the origin at (10, 300) the default box stands from x 410
// to 470; in the Side view from y 200 (its bottom, the handle) up to 150, in
// the HTop view from y 275 down to 305 (the handle).
constexpr double kZoom = 2;
constexpr double kXoff = 10;
constexpr double kYoff = 300;

DrawingArea equipmentArea(ViewKind mode, bool equipmentTabOpen = true) {
    return DrawingArea(mode, kZoom, kXoff, kYoff, 0, equipmentTabOpen);
}

TEST(EquipmentGestures, DragsWhileTheEquipmentTabIsOpen) {
    struct Case {
        ViewKind mode;
        double x, y;
        bool shift;
        double toX, toY;
        double pos, elevation, shift_;
        const char* what;
    };
    const Case cases[] = {
        {ViewKind::Side, 440, 200, false, 460, 190, 210, 50, 5, "Side: along the axis"},
        {ViewKind::Side, 440, 200, true, 460, 190, 200, 55, 5, "Side with Shift: up"},
        {ViewKind::HTop, 440, 305, true, 440, 295, 200, 50, 10, "HTop with Shift: sideways"},
        {ViewKind::HTop, 440, 305, false, 400, 295, 180, 50, 5, "HTop: forward"},
    };
    for (const Case& c : cases) {
        DrawingArea area = equipmentArea(c.mode);
        ElectroBox& box = area.plane.equipment.box(1);
        area.view.shiftkey = c.shift;
        area.mouse.mouseDown(c.x, c.y);
        EXPECT_EQ(box.paint, ElectroBox::kHitHandle) << c.what;
        EXPECT_TRUE(area.plane.equipment.equipmentGrabbed()) << c.what;
        area.mouse.mouseMove(c.toX, c.toY);
        EXPECT_TRUE(box.selected) << c.what;
        area.mouse.mouseUp();
        EXPECT_EQ(box.pos, c.pos) << c.what;
        EXPECT_EQ(box.elevation, c.elevation) << c.what;
        EXPECT_EQ(box.shift, c.shift_) << c.what;
        EXPECT_EQ(box.paint, ElectroBox::kIdlePaint) << c.what;
        EXPECT_FALSE(box.selected) << c.what;
        EXPECT_FALSE(area.plane.equipment.equipmentGrabbed()) << c.what;
        EXPECT_EQ(area.plane.fin.paint, VertWingSection::kIdlePaint) << c.what;
    }
}

// With the equipment tab closed the Side view neither shows nor edits the
// boxes, and the HTop view shows them without editing them.
TEST(EquipmentGestures, WithTheEquipmentTabClosedTheBoxesAreNotEdited) {
    for (ViewKind mode : {ViewKind::Side, ViewKind::HTop}) {
        DrawingArea area = equipmentArea(mode, false);
        const ElectroBox& box = area.plane.equipment.box(1);
        const double handleY = mode == ViewKind::Side ? 200 : 305;
        area.view.shiftkey = true;
        area.mouse.mouseDown(440, handleY);
        EXPECT_EQ(box.paint, ElectroBox::kIdlePaint);
        area.mouse.mouseMove(440, handleY - 10);
        area.mouse.mouseUp();
        EXPECT_EQ(box.elevation, 50);
        EXPECT_EQ(box.shift, 5);
        EXPECT_FALSE(box.selected);
        // Nothing is drawn where the box stands in the Side view; the HTop
        // view draws it again in black at each move, over what the fuselage
        // erased, never lit.
        for (const Segment& s : area.canvas.segments()) {
            if (s.x1 == 410 && s.x2 == 470) {
                EXPECT_EQ(mode, ViewKind::HTop);
                EXPECT_NE(s.color, area.plane.colorSelected);
            }
        }
    }
}

TEST(EquipmentGestures, HoverHighlightsABoxAndMouseUpRedrawsItInBlack) {
    DrawingArea area = equipmentArea(ViewKind::Side);
    Equipment& equipment = area.plane.equipment;
    area.mouse.mouseMove(440, 201);
    EXPECT_TRUE(equipment.equipmentSelected(true));
    // The box alone, its rectangle erased, then drawn lit: the fuselage, the
    // fin and the reference outlines stay as the view drew them.
    const std::vector<Segment>& moved = area.canvas.segments();
    ASSERT_EQ(moved.size(), 8u);
    const PaletteColor lit = area.plane.colorSelected;
    EXPECT_EQ(colorsOf({moved.begin(), moved.begin() + 8}),
              (std::vector<PaletteColor>{kWhite, kWhite, kWhite, kWhite, lit, lit, lit, lit}));
    testing::expectSegment(moved[4], 410, 200, 470, 200, lit, "the handle");

    area.canvas.reset();
    area.mouse.mouseUp();
    EXPECT_FALSE(equipment.equipmentSelected(true));
    EXPECT_EQ(colorsOf(area.canvas.segments()),
              (std::vector<PaletteColor>{kWhite, kWhite, kWhite, kWhite, kBlack, kBlack, kBlack, kBlack}));

    area.canvas.reset();
    area.mouse.mouseMove(440, 100);
    EXPECT_FALSE(equipment.equipmentSelected(true));
    EXPECT_EQ(area.canvas.segments()[4].color, kBlack);
}

// A second box at the same place: the current one is grabbed alone.
TEST(EquipmentGestures, TheCurrentBoxWinsWhereBoxesLieOnEachOther) {
    for (std::int16_t current : {1, 2}) {
        DrawingArea area = equipmentArea(ViewKind::Side);
        Equipment& equipment = area.plane.equipment;
        equipment.addBox(LengthUnit::Millimeters);
        equipment.currentBox = current;
        area.redraw();
        area.mouse.mouseDown(440, 200);
        area.mouse.mouseMove(460, 200);
        area.mouse.mouseUp();
        EXPECT_EQ(equipment.current().pos, 210) << current;
        EXPECT_EQ(equipment.box(3 - current).pos, 200) << current;
    }
}

}  // namespace
}  // namespace ferlo
