#include "fuselage/electro_box.h"

#include <limits>
#include <stdexcept>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "base/file_errors.h"
#include "support/record_io.h"
#include "support/text_lines.h"

namespace ferlo {
namespace {

using testing::crlfLines;

// The six lengths in the order of the unit switch.
std::vector<double> lengthsOf(const ElectroBox& b) {
    return {b.length, b.width, b.height, b.pos, b.elevation, b.shift};
}

// Every value the record keeps.
void expectSameRecordValues(const ElectroBox& actual, const ElectroBox& expected) {
    EXPECT_EQ(lengthsOf(actual), lengthsOf(expected));
    EXPECT_EQ(actual.weight, expected.weight);
    EXPECT_EQ(actual.orientation, expected.orientation);
    EXPECT_EQ(actual.box, expected.box);
}

std::string savedRecord(const ElectroBox& b) {
    return testing::writtenLines([&b](ValueWriter& writer) { b.save(writer); });
}

void readRecord(ElectroBox& b, const std::string& text) {
    testing::readLines(text, [&b](ValueReader& reader) { b.read(reader); });
}

TEST(ElectroBox, NewBoxInMillimetresAndInInches) {
    const ElectroBox mm;
    EXPECT_EQ(lengthsOf(mm), (std::vector<double>{30, 15, 25, 200, 50, 5}));
    EXPECT_EQ(mm.weight, 0);
    EXPECT_EQ(mm.orientation, 0);
    EXPECT_EQ(mm.box, ElectroBox::kServo);
    EXPECT_EQ(mm.paint, 1);
    EXPECT_FALSE(mm.selected);
    EXPECT_EQ(mm.sizeGet(), (Point3D{}));
    EXPECT_EQ(mm.cornerGet(), (Point3D{}));

    const ElectroBox in(LengthUnit::Inches);
    EXPECT_EQ(lengthsOf(in), (std::vector<double>{1.1811023622047245, 0.5905511811023623, 0.984251968503937,
                                                  7.874015748031496, 1.968503937007874, 0.1968503937007874}));
    EXPECT_EQ(in.weight, 0);
}

TEST(ElectroBox, UnitSwitchAndRescaleConvertTheSixLengthsAndNotTheWeight) {
    ElectroBox b;
    b.weight = 14;
    b.orientation = 1;
    b.box = ElectroBox::kAccumulator;
    b.switchToInches();
    b.switchToMillimeters();
    const std::vector<double> back = lengthsOf(b);
    const std::vector<double> defaults{30, 15, 25, 200, 50, 5};
    for (std::size_t i = 0; i < back.size(); ++i) EXPECT_DOUBLE_EQ(back[i], defaults[i]) << i;
    EXPECT_EQ(b.weight, 14);

    b = ElectroBox();
    b.weight = 14;
    b.rescale(2);
    EXPECT_EQ(lengthsOf(b), (std::vector<double>{60, 30, 50, 400, 100, 10}));
    EXPECT_EQ(b.weight, 14);
}

TEST(ElectroBox, AConversionThatOverflowsChangesNothing) {
    ElectroBox b;
    b.shift = 1e307;
    const ElectroBox before = b;
    EXPECT_THROW(b.rescale(100), std::overflow_error);
    EXPECT_EQ(lengthsOf(b), lengthsOf(before));
    b.shift = std::numeric_limits<double>::max();
    EXPECT_THROW(b.switchToMillimeters(), std::overflow_error);
    EXPECT_EQ(b.length, 30);
}

TEST(ElectroBox, BlockOfEachOrientation) {
    struct Case {
        std::int32_t orientation;
        Point3D size, corner, centre;
    };
    const Case cases[] = {
        {0, {30, 15, 25}, {200, -2.5, 50}, {215, 5, 62.5}},
        {1, {30, 25, 15}, {200, -7.5, 50}, {215, 5, 57.5}},
        {2, {30, 25, 15}, {200, -7.5, 50}, {215, 5, 57.5}},  // any value but 0 is turned
        {-1, {30, 25, 15}, {200, -7.5, 50}, {215, 5, 57.5}},
    };
    for (const Case& c : cases) {
        ElectroBox b;
        b.orientation = c.orientation;
        b.create();
        EXPECT_EQ(b.sizeGet(), c.size) << c.orientation;
        EXPECT_EQ(b.cornerGet(), c.corner) << c.orientation;
        EXPECT_EQ(b.centerGet(), c.centre) << c.orientation;
        // The accessors give the last create, not the fields.
        b.pos = 0;
        EXPECT_EQ(b.cornerGet(), c.corner) << c.orientation;
    }
}

TEST(ElectroBox, ABlockThatWouldOverflowIsNotStored) {
    ElectroBox b;
    b.create();
    b.shift = -1.7e308;
    b.width = 1.7e308;  // shift - width / 2 overflows
    b.create();
    EXPECT_EQ(b.cornerGet(), (Point3D{200, -2.5, 50}));
    EXPECT_EQ(b.sizeGet(), (Point3D{30, 15, 25}));
}

TEST(ElectroBox, ColourByKind) {
    const std::pair<std::int32_t, ColorRGB> cases[] = {
        {0, {0, 0, 255}}, {1, {0, 255, 0}}, {2, {255, 0, 0}}, {3, {0, 0, 0}}, {-1, {0, 0, 0}}};
    for (const auto& [kind, colour] : cases) {
        ElectroBox b;
        b.box = kind;
        EXPECT_EQ(b.colorGet(), colour) << kind;
    }
}

TEST(ElectroBox, DefaultRecordLineForLineAndReadBackWithAnyKeyword) {
    const ElectroBox saved;
    EXPECT_EQ(savedRecord(saved), crlfLines({"ElectroBox", "30", "15", "25", "0", "200", "50", "5", "0", "0"}));

    ElectroBox other;
    other.rescale(3);
    other.weight = 9;
    other.box = 2;
    readRecord(other, savedRecord(saved));
    expectSameRecordValues(other, saved);

    // The keyword line is not checked; LF line ends read too; a kind outside
    // 0 to 2 is kept.
    ElectroBox read;
    readRecord(read, "something else\n26.5\n13\n24\n14\n-10\n0.125\n-3\n1\n7\n");
    EXPECT_EQ(lengthsOf(read), (std::vector<double>{26.5, 13, 24, -10, 0.125, -3}));
    EXPECT_EQ(read.weight, 14);
    EXPECT_EQ(read.orientation, 1);
    EXPECT_EQ(read.box, 7);
    EXPECT_EQ(savedRecord(read),
              crlfLines({"ElectroBox", "26.5", "13", "24", "14", "-10", "0.125", "-3", "1", "7"}));
}

TEST(ElectroBox, ARecordThatCannotBeReadLeavesTheBoxAsItWas) {
    const std::string cases[] = {
        "",
        crlfLines({"ElectroBox", "26", "13"}),                                            // cut short
        crlfLines({"ElectroBox", "26", "13", "24", "14", "200", "abc", "5", "0", "0"}),  // not a number
        crlfLines({"ElectroBox", "26", "13", "24", "14", "200", "50", "5", "0"}),        // the kind missing
        crlfLines({"ElectroBox", "26", "13", "24", "14", "200", "50", "5", "3000000000", "0"}),  // 32 bits
        crlfLines({"ElectroBox", "26", "13", "24", "14", "1e13", "50", "5", "0", "0"}),          // too large
        crlfLines({"ElectroBox", "nan", "13", "24", "14", "200", "50", "5", "0", "0"}),
        crlfLines({"ElectroBox", "26", "inf", "24", "14", "200", "50", "5", "0", "0"}),
    };
    for (const std::string& text : cases) {
        ElectroBox b;
        b.box = 1;
        const ElectroBox before = b;
        EXPECT_THROW(readRecord(b, text), ReadError) << text;
        expectSameRecordValues(b, before);
    }
}

}  // namespace
}  // namespace ferlo
