// The equipment list: its slots, the current box, the fan-outs and the
// mouse-down priority of the current box.

#include "fuselage/equipment.h"

#include <stdexcept>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/dxf_capture.h"
#include "support/list_values.h"
#include "support/view_testing.h"

namespace ferlo {
namespace {

using testing::positionsOf;

// A list of `n` boxes at x 100, 200, 300, ... (box i at 100 i).
Equipment listOf(int n) {
    Equipment list;
    list.resizeEquipment(n, LengthUnit::Millimeters);
    for (int i = 1; i <= n; ++i) list.box(i).pos = 100.0 * i;
    return list;
}

TEST(Equipment, NewProjectListInEachUnit) {
    Equipment list = listOf(3);
    list.currentBox = 3;
    list.initEquipment(LengthUnit::Millimeters);
    EXPECT_EQ(list.nbBoxes, 1);
    EXPECT_EQ(list.currentBox, 1);
    EXPECT_EQ(list.box(1).length, 30);
    EXPECT_EQ(list.box(1).pos, 200);
    EXPECT_EQ(list.servoModels.count(), 19);
    EXPECT_EQ(list.receiverModels.count(), 12);
    EXPECT_EQ(list.accuModels.count(), 3);
    EXPECT_THROW(list.box(2), std::out_of_range);

    list.initEquipment(LengthUnit::Inches);
    EXPECT_EQ(list.box(1).length, 1.1811023622047245);
    EXPECT_EQ(list.box(1).pos, 7.874015748031496);
}

TEST(Equipment, BoxAccessorsStayInsideTheList) {
    Equipment list = listOf(2);
    for (int i : {0, -1, 3, 32767}) EXPECT_THROW(list.box(i), std::out_of_range) << i;
    list.nbBoxes = 5;  // a count beyond the slots is not read past
    EXPECT_THROW(list.box(3), std::out_of_range);
    list.currentBox = 0;
    EXPECT_THROW(list.current(), std::out_of_range);
}

TEST(Equipment, GrowingKeepsTheBoxesAndAddsDefaultOnesInTheUnit) {
    Equipment list = listOf(2);
    list.box(2).box = ElectroBox::kReceiver;
    list.resizeEquipment(3, LengthUnit::Millimeters);
    EXPECT_EQ(positionsOf(list), (std::vector<double>{100, 200, 200}));
    EXPECT_EQ(list.box(2).box, ElectroBox::kReceiver);
    EXPECT_EQ(list.box(3).box, ElectroBox::kServo);
    EXPECT_EQ(list.currentBox, 1);

    // The Plus button: a new last box, made current.
    ASSERT_TRUE(list.addBox(LengthUnit::Inches));
    EXPECT_EQ(list.nbBoxes, 4);
    EXPECT_EQ(list.currentBox, 4);
    EXPECT_EQ(list.box(4).pos, 7.874015748031496);

    // The count raised by the caller before the call, as the panel's button
    // does it, gives the same.
    ++list.nbBoxes;
    list.resizeEquipment(list.nbBoxes, LengthUnit::Millimeters);
    EXPECT_EQ(positionsOf(list), (std::vector<double>{100, 200, 200, 7.874015748031496, 200}));
}

TEST(Equipment, TheMinusButtonRemovesTheLastBoxOnly) {
    Equipment list = listOf(3);
    list.box(1).weight = 14;
    list.box(2).orientation = 1;
    const ElectroBox first = list.box(1);
    ASSERT_TRUE(list.removeLastBox());
    EXPECT_EQ(list.nbBoxes, 2);
    EXPECT_EQ(list.currentBox, 2);
    EXPECT_EQ(positionsOf(list), (std::vector<double>{100, 200}));
    EXPECT_EQ(list.box(1).weight, first.weight);
    EXPECT_EQ(list.box(2).orientation, 1);
    EXPECT_THROW(list.box(3), std::out_of_range);

    ASSERT_TRUE(list.removeLastBox());
    EXPECT_FALSE(list.removeLastBox());  // never the only box
    EXPECT_EQ(list.nbBoxes, 1);
    EXPECT_EQ(list.currentBox, 1);

    // A box added after a removal is a new one.
    list.addBox(LengthUnit::Millimeters);
    EXPECT_EQ(list.box(2).orientation, 0);
}

TEST(Equipment, ACountOutsideTheLimitsIsRefusedAndTheCurrentBoxStaysInTheList) {
    Equipment list = listOf(3);
    list.currentBox = 3;
    for (int n : {0, -1, Equipment::kMaxBoxes + 1, 40000}) {
        EXPECT_THROW(list.resizeEquipment(n, LengthUnit::Millimeters), std::out_of_range) << n;
        EXPECT_EQ(positionsOf(list), (std::vector<double>{100, 200, 300})) << n;
    }
    list.resizeEquipment(1, LengthUnit::Millimeters);
    EXPECT_EQ(list.currentBox, 1);

    list.resizeEquipment(Equipment::kMaxBoxes, LengthUnit::Millimeters);
    EXPECT_FALSE(list.addBox(LengthUnit::Millimeters));
    EXPECT_EQ(list.nbBoxes, Equipment::kMaxBoxes);
}

TEST(Equipment, ConversionsOfTheWholeListAreAllOrNothing) {
    Equipment list = listOf(3);
    list.rescaleEquipment(2);
    EXPECT_EQ(positionsOf(list), (std::vector<double>{200, 400, 600}));
    list.switchEquipmentToInches();
    EXPECT_DOUBLE_EQ(list.box(3).pos, 600 / 25.4);
    list.switchEquipmentToMillimeters();
    EXPECT_DOUBLE_EQ(list.box(3).pos, 600);

    list.box(3).shift = 1e307;
    const std::vector<double> before = positionsOf(list);
    EXPECT_THROW(list.rescaleEquipment(100), std::overflow_error);
    EXPECT_EQ(positionsOf(list), before);
    EXPECT_EQ(list.box(3).shift, 1e307);
}

TEST(Equipment, CreateBuildsTheBlockOfEveryBox) {
    Equipment list = listOf(2);
    list.box(2).orientation = 1;
    list.createEquipment();
    EXPECT_EQ(list.box(1).cornerGet(), (Point3D{100, -2.5, 50}));
    EXPECT_EQ(list.box(2).sizeGet(), (Point3D{30, 25, 15}));
}

// Two boxes whose handles lie on the same line in the Side view at zoom 1
// with the origin at (0, 300): box 1 from x 100 to 130, box 2 from 110 to
// 140, both at y 250.
struct OverlappingBoxes {
    Equipment list = listOf(2);
    testing::RecordedView screen{1, 0, 300};

    OverlappingBoxes() {
        list.box(2).pos = 110;
        drawSide();
    }
    // The boxes drawn and moved as the Side view does it: box by box, in order.
    void drawSide() {
        for (int i = 1; i <= list.nbBoxes; ++i) list.box(i).drawSide(screen.context());
    }
    void selectsSide(double x, double y) {
        for (int i = 1; i <= list.nbBoxes; ++i) list.box(i).selectsSide(screen.context(), x, y);
    }
    void press(std::int16_t x, std::int16_t y) {
        screen.pressAt(x, y);
        list.testPositionSideEquipment(x, y);
        list.initMouseValSideEquipment(screen.view);
    }
    std::vector<std::int32_t> paints() const { return {list.box(1).paint, list.box(2).paint}; }
};

TEST(Equipment, TheCurrentBoxIsGrabbedAloneWhenItIsHit) {
    for (std::int16_t current : {1, 2}) {
        OverlappingBoxes boxes;
        boxes.list.currentBox = current;
        boxes.press(120, 250);
        std::vector<std::int32_t> expected{1, 1};
        expected[static_cast<std::size_t>(current - 1)] = 0;
        EXPECT_EQ(boxes.paints(), expected) << current;
        boxes.selectsSide(130, 250);
        EXPECT_EQ(boxes.list.box(current).pos, current == 1 ? 110 : 120);
        EXPECT_EQ(boxes.list.box(3 - current).pos, current == 1 ? 110 : 100);
    }
}

TEST(Equipment, WhenTheCurrentBoxIsMissedEveryHitBoxMovesWithTheDrag) {
    OverlappingBoxes boxes;
    boxes.list.addBox(LengthUnit::Millimeters);  // box 3, current, at x 200 to 230
    boxes.drawSide();
    boxes.press(120, 251);
    EXPECT_EQ(boxes.paints(), (std::vector<std::int32_t>{0, 0}));
    EXPECT_EQ(boxes.list.box(3).paint, 1);
    EXPECT_TRUE(boxes.list.equipmentGrabbed());
    boxes.selectsSide(100, 251);
    EXPECT_EQ(positionsOf(boxes.list), (std::vector<double>{80, 90, 200}));
    EXPECT_TRUE(boxes.list.equipmentSelected(true));

    boxes.list.resetEquipmentPaint();
    EXPECT_FALSE(boxes.list.equipmentGrabbed());
    EXPECT_EQ(boxes.paints(), (std::vector<std::int32_t>{1, 1}));
}

TEST(Equipment, HighlightQueries) {
    OverlappingBoxes boxes;
    EXPECT_FALSE(boxes.list.equipmentSelected(true));
    boxes.selectsSide(135, 250);  // box 2's handle only
    EXPECT_FALSE(boxes.list.box(1).selected);
    EXPECT_TRUE(boxes.list.box(2).selected);
    EXPECT_TRUE(boxes.list.equipmentSelected(true));
    // Redrawing the list in black keeps the flags.
    boxes.drawSide();
    EXPECT_TRUE(boxes.list.equipmentSelected(true));

    EXPECT_FALSE(boxes.list.equipmentSelected(false));
    EXPECT_FALSE(boxes.list.box(2).selected);
    EXPECT_FALSE(boxes.list.equipmentSelected(true));
}

TEST(Equipment, TheHTopViewHasItsOwnPriorityHitTestAndStartValues) {
    Equipment list = listOf(2);
    list.box(2).pos = 110;
    list.box(2).shift = 20;  // its handle at y 300 - 12.5 = 287.5
    testing::RecordedView screen(1, 0, 300);
    screen.view.shiftkey = true;
    for (int i = 1; i <= 2; ++i) list.box(i).drawHTop(screen.context());
    screen.pressAt(120, 288);
    list.testPositionHTopEquipment(120, 288);
    list.initMouseValHTopEquipment(screen.view);
    EXPECT_EQ(list.box(1).paint, 1);
    EXPECT_EQ(list.box(2).paint, 0);
    for (int i = 1; i <= 2; ++i) list.box(i).selectsHTop(screen.context(), 120, 278);
    EXPECT_EQ(list.box(2).shift, 30);
    EXPECT_EQ(list.box(1).shift, 5);
}

TEST(Equipment, DxfLayersCarryTheListNumbers) {
    Equipment list = listOf(3);
    list.box(2).box = ElectroBox::kReceiver;
    list.box(3).box = ElectroBox::kAccumulator;
    for (auto saveDXF : {&Equipment::saveDXF_sideEquipment, &Equipment::saveDXF_htopEquipment}) {
        testing::DxfCapture dxf;
        (list.*saveDXF)(dxf.file);
        std::vector<std::string> layers;
        for (const auto& line : testing::readDxfLines(dxf.text())) layers.push_back(line.layer);
        EXPECT_EQ(layers, (std::vector<std::string>{"Servo_1", "Servo_1", "Servo_1", "Servo_1", "Receiver_2",
                                                    "Receiver_2", "Receiver_2", "Receiver_2", "Accumulator_3",
                                                    "Accumulator_3", "Accumulator_3", "Accumulator_3"}));
    }
}

}  // namespace
}  // namespace ferlo
