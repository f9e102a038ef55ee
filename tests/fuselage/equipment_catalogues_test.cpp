// The catalogues of servos, receivers and accumulators and the models they
// copy into the current box.

#include "fuselage/equipment_catalogues.h"

#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "fuselage/equipment.h"

namespace ferlo {
namespace {

TEST(EquipmentCatalogues, EachCatalogueHoldsItsModelsInOrderStartingWithCustom) {
    const Equipment list;
    struct Case {
        const EquipmentCatalogue& catalogue;
        int count;
        const char* second;
        const char* last;
    };
    const Case cases[] = {
        {list.servoModels, 19, "HS60", "JumboMc"},
        {list.receiverModels, 12, "Supreme", "C18"},
        {list.accuModels, 3, "7Elts-1000SRC", "7Elts-2000SRC"},
    };
    for (const Case& c : cases) {
        const std::vector<std::string> names = c.catalogue.names();
        ASSERT_EQ(static_cast<int>(names.size()), c.count);
        EXPECT_EQ(c.catalogue.count(), c.count);
        EXPECT_EQ(names.front(), "Custom");
        EXPECT_EQ(names[1], c.second);
        EXPECT_EQ(names.back(), c.last);
    }
    EXPECT_EQ(list.catalogueOf(ElectroBox::kServo), &list.servoModels);
    EXPECT_EQ(list.catalogueOf(ElectroBox::kReceiver), &list.receiverModels);
    EXPECT_EQ(list.catalogueOf(ElectroBox::kAccumulator), &list.accuModels);
    EXPECT_EQ(list.catalogueOf(3), nullptr);
}

// A model chosen for the current box: its sizes and weight, nothing else.
TEST(EquipmentCatalogues, ApplyingAModelCopiesItsSizeAndWeight) {
    struct Case {
        const char* what;
        LengthUnit unit;
        std::int32_t kind;
        int item;
        double length, width, height, weight;
    };
    const Case cases[] = {
        {"HS60", LengthUnit::Millimeters, ElectroBox::kServo, 1, 26, 13, 24, 14},
        {"HS60 in inches", LengthUnit::Inches, ElectroBox::kServo, 1, 1.0236220472440944, 0.5118110236220472,
         0.9448818897637796, 14},
        {"JumboMc", LengthUnit::Millimeters, ElectroBox::kServo, 18, 60, 30, 60, 162},
        {"Supreme", LengthUnit::Millimeters, ElectroBox::kReceiver, 1, 55.43, 33.74, 19.28, 0},
        {"Custom accumulator", LengthUnit::Millimeters, ElectroBox::kAccumulator, 0, 100, 20, 20, 100},
        {"7Elts-2000SRC", LengthUnit::Millimeters, ElectroBox::kAccumulator, 2, 152, 46, 23, 420},
    };
    for (const Case& c : cases) {
        Equipment list(c.unit);
        list.addBox(c.unit);  // the current box is box 2
        ElectroBox& b = list.current();
        b.box = c.kind;
        b.orientation = 1;
        b.pos = 123;
        ASSERT_TRUE(list.applyModel(c.item, c.unit)) << c.what;
        EXPECT_EQ(b.length, c.length) << c.what;
        EXPECT_EQ(b.width, c.width) << c.what;
        EXPECT_EQ(b.height, c.height) << c.what;
        EXPECT_EQ(b.weight, c.weight) << c.what;
        EXPECT_EQ(b.orientation, 1) << c.what;  // a turned box stays turned
        EXPECT_EQ(b.pos, 123) << c.what;
        EXPECT_EQ(b.box, c.kind) << c.what;
        EXPECT_EQ(list.box(1).length, c.unit == LengthUnit::Inches ? toInches(30) : 30) << c.what;
    }
}

TEST(EquipmentCatalogues, AModelThatIsNotThereChangesNothing) {
    struct Case {
        std::int32_t kind;
        int item;
    };
    const Case cases[] = {{3, 0}, {-1, 1}, {ElectroBox::kServo, -1}, {ElectroBox::kServo, 19},
                          {ElectroBox::kReceiver, 12}, {ElectroBox::kAccumulator, 3}};
    for (const Case& c : cases) {
        Equipment list;
        list.current().box = c.kind;
        EXPECT_FALSE(list.applyModel(c.item, LengthUnit::Millimeters)) << c.kind << " " << c.item;
        EXPECT_EQ(list.current().length, 30);
        EXPECT_EQ(list.current().width, 15);
        EXPECT_EQ(list.current().height, 25);
        EXPECT_EQ(list.current().weight, 0);
    }
}

// A catalogue gives its sizes in the unit asked for, whatever unit its list
// was made in: the unit of the model may have changed since.
TEST(EquipmentCatalogues, SizesComeInTheUnitAskedFor) {
    const Equipment list(LengthUnit::Millimeters);
    const std::optional<EquipmentModel> inches = list.servoModels.model(1, LengthUnit::Inches);
    ASSERT_TRUE(inches);
    EXPECT_EQ(inches->name, "HS60");
    EXPECT_EQ(inches->length, toInches(26));
    EXPECT_EQ(inches->weight, 14);
    EXPECT_EQ(list.servoModels.model(1, LengthUnit::Millimeters)->length, 26);
    EXPECT_EQ(Equipment(LengthUnit::Inches).receiverModels.model(1, LengthUnit::Millimeters)->length, 55.43);
    EXPECT_FALSE(list.accuModels.model(3, LengthUnit::Millimeters));
}

}  // namespace
}  // namespace ferlo
