#include "editor/panels/equipment_panel.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

#include "editor/panels/length_text.h"
#include "editor/panels/parameter_panels.h"
#include "support/editor_window.h"
#include "support/panel_typing.h"

namespace ferlo {
namespace {

struct Editor {
    testing::EditorWindow window;
    MainWindow& main = window.start();
    Plane& plane = main.plane();
    Equipment& equipment = plane.equipment;
    EquipmentPanel& panel = main.panels().equipment();
    bool& saved = main.state().savedProject;

    // `count` boxes, box i placed at pos 100 i, box `current` current and shown.
    void boxes(int count, int current) {
        while (equipment.nbBoxes < count) panel.index.plus->click();
        for (int i = 1; i <= count; ++i) equipment.box(i).pos = 100 * i;
        equipment.currentBox = static_cast<std::int16_t>(current);
        main.panels().updateEquipmentInterface();
    }
    // What the tab shows: the box number and its position.
    void expectShows(int box) const {
        EXPECT_EQ(panel.index.label->text(), QString::number(box));
        EXPECT_EQ(panel.index.scroll->value(), box);
        EXPECT_EQ(panel.index.scroll->maximum(), equipment.nbBoxes);
        EXPECT_EQ(panel.PosServoText->text(), Formatter(equipment.box(box).pos, plane.units));
    }
};

// A servo stands upright with orientation 0, a receiver or an accumulator
// lies flat with it; the other option sets the other orientation.
TEST(EquipmentPanel, OrientationOptionsByKind) {
    struct Case {
        std::int32_t kind;
        std::int32_t orientation;
        bool vertical;  // the option shown
    };
    const Case cases[] = {
        {ElectroBox::kServo, 0, true},        {ElectroBox::kServo, 1, false},
        {ElectroBox::kReceiver, 0, false},    {ElectroBox::kReceiver, 1, true},
        {ElectroBox::kAccumulator, 0, false}, {ElectroBox::kAccumulator, 1, true},
    };
    Editor e;
    ElectroBox& box = e.equipment.current();
    for (const Case& c : cases) {
        box.box = c.kind;
        box.orientation = c.orientation;
        e.main.panels().updateEquipmentInterface();
        EXPECT_EQ(e.panel.VerticalServoOption->isChecked(), c.vertical) << c.kind << " " << c.orientation;
        EXPECT_EQ(e.panel.HorizontalServoOption->isChecked(), !c.vertical) << c.kind << " " << c.orientation;
        e.saved = true;
        (c.vertical ? e.panel.HorizontalServoOption : e.panel.VerticalServoOption)->click();
        EXPECT_EQ(box.orientation, 1 - c.orientation) << c.kind;
        EXPECT_FALSE(e.saved);
    }
}

// A kind option changes the kind alone: the orientation stays, so the
// selected orientation option may move; only the kind's catalogue list shows.
TEST(EquipmentPanel, KindOptions) {
    Editor e;
    ElectroBox& box = e.equipment.current();
    box.orientation = 0;
    const ElectroBox before = box;
    e.main.panels().updateEquipmentInterface();
    EXPECT_TRUE(e.panel.ServoOption->isChecked());
    EXPECT_TRUE(e.panel.VerticalServoOption->isChecked());

    e.panel.ReceiverOption->click();
    EXPECT_EQ(box.box, ElectroBox::kReceiver);
    EXPECT_EQ(box.orientation, 0);
    EXPECT_EQ(box.length, before.length);
    EXPECT_EQ(box.pos, before.pos);
    EXPECT_TRUE(e.panel.HorizontalServoOption->isChecked());
    EXPECT_FALSE(e.panel.ServoOption->isChecked());
    EXPECT_EQ(e.panel.combos[0]->isHidden(), true);
    EXPECT_EQ(e.panel.combos[1]->isHidden(), false);
    EXPECT_EQ(e.panel.combos[2]->isHidden(), true);

    // The kind options and the orientation options are two groups.
    e.panel.AccuOption->click();
    EXPECT_TRUE(e.panel.AccuOption->isChecked());
    EXPECT_TRUE(e.panel.HorizontalServoOption->isChecked());
}

// Choosing a model in the list of the box's kind sizes the box in the
// model's unit and the tab shows the new size at once; "Custom" is a model
// like the others.
TEST(EquipmentPanel, CatalogueModelsInTheModelsUnit) {
    for (LengthUnit unit : {LengthUnit::Millimeters, LengthUnit::Inches}) {
        Editor e;
        e.plane.units = unit;
        ElectroBox& box = e.equipment.current();
        box.box = ElectroBox::kAccumulator;
        e.main.panels().updateEquipmentInterface();
        QComboBox* list = e.panel.combos[2];
        ASSERT_FALSE(list->isHidden());
        EXPECT_EQ(list->itemText(0), "Custom");
        e.saved = true;
        QTest::keyClick(list, Qt::Key_Down);
        const EquipmentModel model = *e.equipment.accuModels.model(1, unit);
        EXPECT_DOUBLE_EQ(box.length, model.length);
        EXPECT_DOUBLE_EQ(box.width, model.width);
        EXPECT_DOUBLE_EQ(box.height, model.height);
        EXPECT_DOUBLE_EQ(box.weight, model.weight);
        EXPECT_EQ(e.panel.LengthServoText->text(), Formatter(model.length, unit));
        EXPECT_FALSE(e.saved);

        QTest::keyClick(list, Qt::Key_Up);
        EXPECT_DOUBLE_EQ(box.width, e.equipment.accuModels.model(0, unit)->width);
    }
}

// Plus appends a default box and makes it current; Minus removes the last
// box, never the only one, and makes the new last box current and shown;
// the remaining boxes keep their values.
TEST(EquipmentPanel, PlusAndMinus) {
    struct Case {
        const char* name;
        int boxesBefore;
        int currentBefore;
        bool plus;
        int boxesAfter;
        int currentAfter;
    };
    const Case cases[] = {
        {"plus", 2, 1, true, 3, 3},
        {"minus with box 1 current", 3, 1, false, 2, 2},
        {"minus on the only box", 1, 1, false, 1, 1},
    };
    for (const Case& c : cases) {
        Editor e;
        e.boxes(c.boxesBefore, c.currentBefore);
        e.saved = true;
        (c.plus ? e.panel.index.plus : e.panel.index.minus)->click();
        EXPECT_EQ(e.equipment.nbBoxes, c.boxesAfter) << c.name;
        EXPECT_EQ(e.equipment.currentBox, c.currentAfter) << c.name;
        EXPECT_EQ(e.saved, c.boxesAfter == c.boxesBefore) << c.name;
        for (int i = 1; i <= std::min(c.boxesBefore, c.boxesAfter); ++i) {
            EXPECT_EQ(e.equipment.box(i).pos, 100 * i) << c.name;
        }
        e.expectShows(c.currentAfter);
    }
}

// The scroll bar chooses the box, also while its thumb is dragged; typing
// then changes the box shown. A fill shows the current box however it
// became current.
TEST(EquipmentPanel, ScrollBarAndTyping) {
    Editor e;
    e.boxes(3, 1);
    e.panel.index.scroll->setSliderDown(true);
    e.panel.index.scroll->setSliderPosition(2);
    EXPECT_EQ(e.equipment.currentBox, 2);
    e.panel.index.scroll->setSliderDown(false);
    e.expectShows(2);

    testing::typeOver(e.panel.PosServoText, "250");
    EXPECT_EQ(e.equipment.box(2).pos, 250);
    EXPECT_EQ(e.equipment.box(1).pos, 100);

    e.equipment.currentBox = 3;
    e.main.panels().updateEquipmentInterface();
    e.expectShows(3);
    testing::saveTabPng(e.main, ParameterTab::Electronics, "panel_equipment");
}

}  // namespace
}  // namespace ferlo
