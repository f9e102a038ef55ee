// The fuselage section of the project file.

#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "base/file_errors.h"
#include "fuselage/fuselage_list.h"
#include "support/fixture_text.h"
#include "support/fuselage_sections.h"
#include "support/list_values.h"
#include "support/record_io.h"
#include "support/text_lines.h"

namespace ferlo {
namespace {

using testing::crlfLines;
using testing::fixtureText;
using testing::savedRecord;
using testing::shiftsOf;
using testing::shownFlagsOf;

// The record of a fuselage fixture, without the line that follows it there.
std::string recordOf(const std::string& name) {
    const std::string text = fixtureText(name);
    return text.substr(0, text.rfind("Next record"));
}

std::string savedSection(const FuselageList& list) {
    return testing::writtenLines([&list](ValueWriter& writer) { list.saveFuselages(writer); });
}

// Three fuselages told apart by shift, section count and elevation offset,
// the second hidden, the third current.
FuselageList threeFuselages() {
    FuselageList list;
    list.addFuselage(false, LengthUnit::Millimeters, kDefaultPartColor);
    list.addFuselage(false, LengthUnit::Millimeters, kDefaultPartColor);
    list.fuselage(1).shift = 10;
    list.fuselage(2) = testing::fuselageWith({{1, 2, 3, 4, 1.5, 2, 0.25}, {5, 6, 7, 8}});
    list.fuselage(2).shift = -20;
    list.fuselage(3).elevation_offset = 15;
    list.fuselage(3).colorSet({1, 2, 3});
    list.setShown(2, false);
    return list;
}

TEST(FuselageListRecords, TheSectionIsTheCountAndEveryRecordInOrderAndReadsBack) {
    const FuselageList saved = threeFuselages();
    const std::string text = savedSection(saved);
    EXPECT_EQ(text, "3\r\n" + savedRecord(saved.fuselage(1)) + savedRecord(saved.fuselage(2)) +
                        savedRecord(saved.fuselage(3)));

    FuselageList read;
    testing::readLines(text, [&read](ValueReader& in) { read.readFuselages(in); });
    ASSERT_EQ(read.nbFuselages(), 3);
    for (int i = 1; i <= 3; ++i) {
        EXPECT_EQ(savedRecord(read.fuselage(i)), savedRecord(saved.fuselage(i))) << i;
        EXPECT_TRUE(read.shown(i)) << i;  // the flags are not part of the section
    }
    EXPECT_EQ(read.fuselage(3).elevation_offset, 15);  // the current format keeps it
    EXPECT_EQ(read.currentFuselage, 1);
    EXPECT_EQ(savedSection(read), text);
}

TEST(FuselageListRecords, EveryGenerationReadsItsRecordsIntoDefaultFuselages) {
    using ListReader = void (FuselageList::*)(ValueReader&, const ColorRGB&);
    using RecordReader = void (MeshSections::*)(ValueReader&);
    const struct {
        const char* fixture;
        ListReader listReader;
        RecordReader recordReader;
        double elevation_offset;  // as read, before the reset that follows older sections
    } cases[] = {
        {"fuselage_current.flx", &FuselageList::readFuselages, &MeshSections::read, 15},
        {"fuselage_v120.flx", &FuselageList::readFuselagesV120, &MeshSections::readV120, 15},
        {"fuselage_v101.flx", &FuselageList::readFuselagesV101, &MeshSections::readV101, 15},
        {"fuselage_v030.flx", &FuselageList::readFuselagesV030, &MeshSections::readV030, 0},
    };
    const ColorRGB defaultColor{1, 2, 3};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.fixture);
        const std::string record = recordOf(c.fixture);
        MeshSections expected(LengthUnit::Millimeters, defaultColor);
        testing::readLines(record, [&](ValueReader& in) { (expected.*c.recordReader)(in); });

        FuselageList list;
        list.setShown(1, false);
        testing::readLines("2\r\n" + record + record + "Next section\r\n", [&](ValueReader& in) {
            (list.*c.listReader)(in, defaultColor);
            EXPECT_EQ(in.readLine(), "Next section");
        });
        ASSERT_EQ(list.nbFuselages(), 2);
        for (int i = 1; i <= 2; ++i) {
            EXPECT_EQ(savedRecord(list.fuselage(i)), savedRecord(expected)) << i;
            EXPECT_EQ(list.fuselage(i).elevation_offset, c.elevation_offset) << i;
            EXPECT_TRUE(list.shown(i)) << i;
        }
        list.resetFuselagesElevationOffset();
        EXPECT_EQ(list.fuselage(1).elevation_offset, 0);
        EXPECT_EQ(list.fuselage(2).elevation_offset, 0);
    }
    // The 1.0.1 records carry no colour: the new fuselages' colour stays.
    FuselageList list;
    testing::readLines("1\r\n" + recordOf("fuselage_v101.flx"),
                [&](ValueReader& in) { list.readFuselagesV101(in, defaultColor); });
    EXPECT_EQ(list.fuselage(1).colorGet(), defaultColor);
}

TEST(FuselageListRecords, TheOldestFilesReadTheirOneRecordIntoTheFirstFuselage) {
    using ListReader = void (FuselageList::*)(ValueReader&);
    const struct {
        const char* fixture;
        ListReader reader;
        std::vector<double> upperExponents;
    } cases[] = {
        {"fuselage_v0212.flx", &FuselageList::readFuselageV0212, {1.5, 2, 0.8}},
        {"fuselage_v026.flx", &FuselageList::readFuselageV026, {2, 2, 2}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.fixture);
        FuselageList list = threeFuselages();
        list.fuselage(1).pos_offset = 7;  // neither record carries a position offset
        list.fuselage(1).colorSet({4, 5, 6});
        list.currentFuselage = 1;
        testing::readLines(fixtureText(c.fixture), [&](ValueReader& in) {
            (list.*c.reader)(in);
            EXPECT_EQ(in.readLine(), "Next record");
        });
        ASSERT_EQ(list.nbFuselages(), 1);
        const MeshSections& f = list.fuselage(1);
        EXPECT_EQ(f.nb_sections, 3);
        EXPECT_EQ(f.nb_cross, 10);
        EXPECT_EQ(f.shift, 12);
        EXPECT_TRUE(f.cut);
        EXPECT_EQ(f.pos_offset, 7);
        EXPECT_EQ(f.colorGet(), (ColorRGB{4, 5, 6}));
        std::vector<double> upper;
        for (const testing::SectionValues& s : testing::sectionsOf(f)) {
            upper.push_back(s.curvature);
            EXPECT_EQ(s.curvature2, s.curvature);
            EXPECT_EQ(s.bias, 0.5);
        }
        EXPECT_EQ(upper, c.upperExponents);
        EXPECT_TRUE(list.shown(1));
        EXPECT_EQ(list.currentFuselage, 1);
    }
}

TEST(FuselageListRecords, DamagedInputGivesAReadErrorAndKeepsTheFuselagesReadCompletely) {
    struct Case {
        const char* what;
        std::string text;
        std::vector<double> shifts;  // of the fuselages the list holds afterwards
        std::vector<bool> shown;
    };
    const std::string record = recordOf("fuselage_current.flx");  // shift 15.5
    const std::string cut = record.substr(0, record.find("#TRUE#"));
    // The list before: fuselages with shifts 10, -20 and 0, the second hidden, the third current.
    const std::vector<double> before{10, -20, 0};
    const std::vector<bool> flagsBefore{true, false, true};
    const Case cases[] = {
        {"empty input", "", before, flagsBefore},
        {"count 0", "0\r\n" + record, before, flagsBefore},
        {"count -1", "-1\r\n" + record, before, flagsBefore},
        {"count above the limit", "101\r\n" + record, before, flagsBefore},
        {"count not a number", "two\r\n" + record, before, flagsBefore},
        {"cut in the first record", "2\r\n" + cut, before, flagsBefore},
        {"cut in the second record", "2\r\n" + record + cut, {15.5}, {true}},
        {"a record fewer than counted", "3\r\n" + record + record, {15.5, 15.5}, {true, true}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FuselageList list = threeFuselages();
        EXPECT_THROW(testing::readLines(c.text, [&list](ValueReader& in) { list.readFuselages(in); }), ReadError);
        EXPECT_EQ(shiftsOf(list), c.shifts);
        EXPECT_EQ(shownFlagsOf(list), c.shown);
        // The current fuselage stays, within the list.
        EXPECT_EQ(list.currentFuselage, std::min<int>(3, list.nbFuselages()));
    }

    // A single record of the oldest files that breaks off leaves the list as it was.
    const std::string oldRecord = fixtureText("fuselage_v026.flx");
    FuselageList list = threeFuselages();
    EXPECT_THROW(testing::readLines(oldRecord.substr(0, oldRecord.find("90")),
                             [&list](ValueReader& in) { list.readFuselageV026(in); }),
                 ReadError);
    EXPECT_EQ(shiftsOf(list), before);
    EXPECT_EQ(list.fuselage(1).nb_sections, 3);
    EXPECT_FALSE(list.fuselage(1).cut);
}

// What a file may ask of the 3D rebuild is bounded across the fuselages:
// once did 100 fuselages of 1000 sections x 1000 outline points, 100 million
// mesh points, read and rebuild for a minute in gigabytes.
TEST(FuselageListRecords, FuselagesAskingForMoreMeshPointsThanTheBoundAreRefused) {
    MeshSections largest;
    largest.nb_sections = MeshSections::kMaxSections;
    largest.nb_cross = MeshSections::kMaxCrossPoints;
    largest.initArrays();
    largest.shift = 7;
    const std::string record = savedRecord(largest);
    const int recordLines = static_cast<int>(testing::splitCrlfLines(record).size());
    const auto fuselages = [&record](int count) {
        std::string text = std::to_string(count) + "\r\n";
        for (int i = 0; i < count; ++i) text += record;
        return text;
    };
    constexpr int kWithin = static_cast<int>(FuselageList::kMaxMeshPoints / (1000 * 1000));

    FuselageList list;
    testing::readLines(fuselages(kWithin), [&list](ValueReader& in) { list.readFuselages(in); });
    EXPECT_EQ(list.nbFuselages(), kWithin);
    EXPECT_NO_THROW(savedSection(list));

    for (const int count : {kWithin + 1, FuselageList::kMaxFuselages}) {
        FuselageList refusing;
        try {
            testing::readLines(fuselages(count), [&refusing](ValueReader& in) { refusing.readFuselages(in); });
            ADD_FAILURE() << count << " fuselages read";
        } catch (const ReadError& e) {
            EXPECT_EQ(e.line(), 1 + (kWithin + 1) * recordLines) << count;
            // The size asked for so far and the bound.
            const std::string asked = std::to_string((kWithin + 1) * 1000 * 1000) + " or more mesh points";
            EXPECT_NE(std::string(e.what()).find(asked), std::string::npos) << e.what();
            EXPECT_NE(std::string(e.what()).find("at most " + std::to_string(FuselageList::kMaxMeshPoints)),
                      std::string::npos)
                << e.what();
        }
        EXPECT_EQ(shiftsOf(refusing), std::vector<double>(kWithin, 7)) << count;
    }

    // Nor does a save write what could not be read back.
    list.addFuselage(true, LengthUnit::Millimeters, kDefaultPartColor);
    EXPECT_THROW(savedSection(list), WriteError);
}

}  // namespace
}  // namespace ferlo
