// The equipment section of the project file.

#include <clocale>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "base/file_errors.h"
#include "fuselage/equipment.h"
#include "support/fixture_text.h"
#include "support/list_values.h"
#include "support/record_io.h"
#include "support/scoped_locale.h"
#include "support/text_lines.h"

namespace ferlo {
namespace {

using testing::crlfLines;
using testing::fixtureText;
using testing::positionsOf;

std::string savedSection(const Equipment& list) {
    return testing::writtenLines([&list](ValueWriter& writer) { list.saveEquipment(writer); });
}

void readSection(Equipment& list, const std::string& text) {
    testing::readLines(text, [&list](ValueReader& reader) { list.readEquipment(reader); });
}

// Every value the records keep, box by box.
std::vector<std::vector<double>> valuesOf(const Equipment& list) {
    std::vector<std::vector<double>> values;
    for (int i = 1; i <= list.nbBoxes; ++i) {
        const ElectroBox& b = list.box(i);
        values.push_back({b.length, b.width, b.height, b.weight, b.pos, b.elevation, b.shift,
                          static_cast<double>(b.orientation), static_cast<double>(b.box)});
    }
    return values;
}

const std::vector<std::vector<double>> kThreeBoxes{
    {26, 13, 24, 14, 180, 40, -12.5, 0, 0},
    {55.43, 33.74, 19.28, 0, 250, 45, 0, 1, 1},
    {130, 47, 24, 320, 300, 20, 0, 0, 2},
};

TEST(EquipmentRecords, TheDefaultListIsTheCountAndOneRecordAndReadsBack) {
    const Equipment saved;
    EXPECT_EQ(savedSection(saved), crlfLines({"1", "ElectroBox", "30", "15", "25", "0", "200", "50", "5", "0", "0"}));
    Equipment read;
    read.resizeEquipment(2, LengthUnit::Millimeters);
    read.box(1).pos = 1;
    readSection(read, savedSection(saved));
    EXPECT_EQ(valuesOf(read), valuesOf(saved));
}

TEST(EquipmentRecords, AFileOfThreeBoxesReadsAndIsWrittenAgainAsItWas) {
    const std::string text = fixtureText("equipment_three_boxes.flx");
    Equipment list;
    readSection(list, text);
    EXPECT_EQ(valuesOf(list), kThreeBoxes);
    EXPECT_EQ(list.currentBox, 1);  // reading does not choose another box
    EXPECT_EQ(savedSection(list), text);
}

TEST(EquipmentRecords, ReadingKeepsTheCurrentBoxWithinTheList) {
    Equipment list;
    list.resizeEquipment(5, LengthUnit::Millimeters);
    list.currentBox = 2;
    readSection(list, fixtureText("equipment_three_boxes.flx"));
    EXPECT_EQ(list.currentBox, 2);
    list.currentBox = 3;
    readSection(list, savedSection(Equipment()));
    EXPECT_EQ(list.currentBox, 1);
}

TEST(EquipmentRecords, DamagedInputGivesAReadErrorAndKeepsTheBoxesReadCompletely) {
    struct Case {
        const char* what;
        std::string text;
        std::vector<double> positions;  // of the boxes the list holds afterwards
    };
    const std::string record = crlfLines({"ElectroBox", "26", "13", "24", "14", "180", "40", "-12.5", "0", "0"});
    // The list before: two default boxes at x 200.
    const Case cases[] = {
        {"empty input", "", {200, 200}},
        {"count 0", "0\r\n" + record, {200, 200}},
        {"count -1", "-1\r\n" + record, {200, 200}},
        {"count above the limit", "1001\r\n" + record, {200, 200}},
        {"count beyond 16 bits", "40000\r\n" + record, {200, 200}},
        {"count not a number", "three\r\n" + record, {200, 200}},
        {"cut in the first record", crlfLines({"2", "ElectroBox", "26"}), {200, 200}},
        {"cut in the second record", fixtureText("equipment_cut.flx"), {180}},
        {"a record fewer than counted", "3\r\n" + record + record, {180, 180}},
        {"orientation beyond 32 bits", "2\r\n" + record + crlfLines({"ElectroBox", "1", "1", "1", "1", "1", "1", "1",
                                                                     "1e10", "0"}),
         {180}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Equipment list;
        list.addBox(LengthUnit::Millimeters);
        EXPECT_THROW(readSection(list, c.text), ReadError);
        EXPECT_EQ(positionsOf(list), c.positions);
        EXPECT_GE(list.currentBox, 1);
        EXPECT_LE(list.currentBox, list.nbBoxes);
    }
}

TEST(EquipmentRecords, RoundTripUnderACommaDecimalLocale) {
    testing::ScopedLocale comma("de_DE.UTF-8");
    if (!comma.active()) GTEST_SKIP() << "this machine has no de_DE.UTF-8 locale";
    ASSERT_STREQ(std::localeconv()->decimal_point, ",");

    Equipment saved;
    readSection(saved, fixtureText("equipment_three_boxes.flx"));
    saved.box(1).rescale(1.0 / 3.0);
    saved.box(2).weight = 0.1;
    const std::string text = savedSection(saved);
    EXPECT_EQ(text.find(','), std::string::npos);
    Equipment read;
    readSection(read, text);
    EXPECT_EQ(valuesOf(read), valuesOf(saved));
}

}  // namespace
}  // namespace ferlo
