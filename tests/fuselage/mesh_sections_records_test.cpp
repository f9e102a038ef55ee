#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "base/file_errors.h"
#include "fuselage/mesh_sections.h"
#include "support/fixture_text.h"
#include "support/fuselage_sections.h"
#include "support/text_lines.h"
#include "support/view_testing.h"

namespace ferlo {
namespace {

using testing::crlfLines;
using testing::fixtureText;
using testing::savedRecord;
using testing::sectionsOf;
using testing::SectionValues;

using Reader = void (MeshSections::*)(ValueReader&);

// Reads one record from `text` into `fuselage`; returns the reader's next line
// ("" at the end), to show where the record ended.
std::string readInto(MeshSections& fuselage, Reader reader, const std::string& text) {
    std::istringstream in(text);
    ValueReader values(in, "fuselage.flx");
    (fuselage.*reader)(values);
    return values.atEnd() ? std::string() : values.readLine();
}

TEST(MeshSectionsRecords, DefaultFuselageIsWrittenAsThirtyThreeLines) {
    EXPECT_EQ(savedRecord(MeshSections()),
              crlfLines({"Fuselage", "3", "8", "0", "0", "0", "#FALSE#", "#TRUE#", "#TRUE#", "200", "200", "200",
                         "20", "20", "0", "10", "1", "1", "0.5",                                  //
                         "100", "100", "200", "10", "1", "1", "0.5",                              //
                         "10", "10", "800", "30", "1", "1", "0.5"}));
}

TEST(MeshSectionsRecords, SectionsAreWrittenInDisplayOrderAndReadBackInIt) {
    MeshSections written;
    written.sel_sec = 3;
    written.insertSection(testing::pressedAt(500));  // storage slot 4, display index 3
    written.sel_sec = 2;
    written.insertSection(testing::pressedAt(100));  // storage slot 5, display index 2
    const std::vector<double> positions{0, 100, 200, 500, 800};
    std::vector<double> written_positions;
    for (const SectionValues& s : sectionsOf(written)) written_positions.push_back(s.pos);
    ASSERT_EQ(written_positions, positions);

    const std::string text = savedRecord(written);
    MeshSections reread(LengthUnit::Millimeters, {1, 1, 1});
    EXPECT_EQ(readInto(reread, &MeshSections::read, text), "");
    EXPECT_EQ(sectionsOf(reread), sectionsOf(written));
    EXPECT_EQ(savedRecord(reread), text);
    // Storage order is now display order: removing display section 2 leaves
    // the others as they were shown.
    reread.sel_sec = 2;
    reread.removeSection();
    std::vector<SectionValues> expected = sectionsOf(written);
    expected.erase(expected.begin() + 1);
    EXPECT_EQ(sectionsOf(reread), expected);
}

TEST(MeshSectionsRecords, CurrentRecordReadsEveryFieldWhateverTheKeywordLineHolds) {
    std::string text = fixtureText("fuselage_current.flx");
    text.replace(0, 8, "anything at all");
    MeshSections fuselage;
    fuselage.sel_sec = 2;
    fuselage.szoom = 3;
    fuselage.setTexture("/textures/skin.bmp");
    EXPECT_EQ(readInto(fuselage, &MeshSections::read, text), "Next record");
    EXPECT_EQ(fuselage.nb_sections, 4);
    EXPECT_EQ(fuselage.nb_cross, 12);
    EXPECT_EQ(fuselage.shift, 15.5);
    EXPECT_EQ(fuselage.pos_offset, -20);
    EXPECT_EQ(fuselage.elevation_offset, 15);
    EXPECT_TRUE(fuselage.transparent);
    EXPECT_FALSE(fuselage.uniqueCurvature);
    EXPECT_FALSE(fuselage.linkedCurvatures);
    EXPECT_EQ(fuselage.colorGet(), (ColorRGB{10, 20.5, 30}));
    EXPECT_EQ(sectionsOf(fuselage), (std::vector<SectionValues>{{30, 25, -10, 5, 1.2, 0.8, 0.4},
                                                                {90, 80, 150, 0, 1, 1.5, 0.5},
                                                                {70, 60, 400, 10, 0.9, 2, 0.6},
                                                                {12, 8, 760, 35, 1, 1, 0.5}}));
    // Not part of the record.
    EXPECT_EQ(fuselage.sel_sec, 2);
    EXPECT_EQ(fuselage.szoom, 3);
    EXPECT_EQ(fuselage.qualified_texture_filename(), "skin.bmp");
    // Written again, it gives the fixture's lines in the program's number form.
    EXPECT_EQ(savedRecord(fuselage), fixtureText("fuselage_current.flx").substr(0, savedRecord(fuselage).size()));
}

TEST(MeshSectionsRecords, OlderRecordsLeaveWhatTheyDoNotCarryToTheFuselageReadInto) {
    struct Expected {
        const char* fixture;
        Reader reader;
        std::vector<double> exponents;
        double shift, pos_offset, elevation_offset;
        bool transparent, uniqueCurvature, cut;
        ColorRGB color;
    };
    const std::vector<double> exponents{1.5, 2, 0.8};
    const Expected cases[] = {
        {"fuselage_v120.flx", &MeshSections::readV120, exponents, 0, 25, 15, false, true, false, {255, 128, 0}},
        {"fuselage_v101.flx", &MeshSections::readV101, exponents, 12, 25, 15, true, false, false, kDefaultPartColor},
        {"fuselage_v030.flx", &MeshSections::readV030, exponents, 12, 25, 0, false, true, false, kDefaultPartColor},
        {"fuselage_v0212.flx", &MeshSections::readV0212, exponents, 12, 0, 0, false, true, true, kDefaultPartColor},
        {"fuselage_v026.flx", &MeshSections::readV026, {2, 2, 2}, 12, 0, 0, false, true, true, kDefaultPartColor},
    };
    const double lengths[3][4] = {{30, 25, 0, 5}, {90, 80, 200, 0}, {12, 8, 700, 35}};
    for (const auto& c : cases) {
        MeshSections fuselage;  // as the fuselage list reads every record: into a new default fuselage
        EXPECT_EQ(readInto(fuselage, c.reader, fixtureText(c.fixture)), "Next record") << c.fixture;
        EXPECT_EQ(fuselage.nb_sections, 3) << c.fixture;
        EXPECT_EQ(fuselage.nb_cross, 10) << c.fixture;
        std::vector<SectionValues> expected;
        for (std::size_t i = 0; i < 3; ++i) {
            const double p = c.exponents[i];
            expected.push_back({lengths[i][0], lengths[i][1], lengths[i][2], lengths[i][3], p, p, 0.5});
        }
        EXPECT_EQ(sectionsOf(fuselage), expected) << c.fixture;
        EXPECT_EQ(fuselage.shift, c.shift) << c.fixture;
        EXPECT_EQ(fuselage.pos_offset, c.pos_offset) << c.fixture;
        EXPECT_EQ(fuselage.elevation_offset, c.elevation_offset) << c.fixture;
        EXPECT_EQ(fuselage.transparent, c.transparent) << c.fixture;
        EXPECT_EQ(fuselage.uniqueCurvature, c.uniqueCurvature) << c.fixture;
        EXPECT_TRUE(fuselage.linkedCurvatures) << c.fixture;
        EXPECT_EQ(fuselage.cut, c.cut) << c.fixture;
        EXPECT_EQ(fuselage.colorGet(), c.color) << c.fixture;
    }
}

TEST(MeshSectionsRecords, ARecordWithoutSectionsLeavesAFuselageWithoutSections) {
    MeshSections fuselage;
    const std::string text =
        crlfLines({"Fuselage", "0", "8", "0", "0", "0", "#FALSE#", "#TRUE#", "#TRUE#", "1", "2", "3", "Next record"});
    EXPECT_EQ(readInto(fuselage, &MeshSections::read, text), "Next record");
    EXPECT_EQ(fuselage.nb_sections, 0);
    EXPECT_EQ(fuselage.heightGet(), 0);
    EXPECT_EQ(fuselage.lengthPoint(), 0);
    fuselage.create();
    EXPECT_EQ(fuselage.pointGet(1, 1), Point3D{});
    EXPECT_EQ(savedRecord(fuselage), text.substr(0, text.size() - 13));
}

TEST(MeshSectionsRecords, UnusableRecordsAreRejectedAndLeaveTheFuselageAsItWas) {
    const std::string head = "Fuselage\n";
    const std::string flags = "0\n0\n0\n#FALSE#\n#TRUE#\n#TRUE#\n200\n200\n200\n";
    const std::string section = "20\n20\n0\n10\n1\n1\n0.5\n";
    const struct {
        const char* what;
        std::string text;
        Reader reader;
        int line;
    } cases[] = {
        {"negative section count", head + "-1\n8\n" + flags, &MeshSections::read, 2},
        {"section count above the bound", head + "1001\n8\n" + flags, &MeshSections::read, 2},
        {"section count beyond 16 bits", head + "40000\n8\n" + flags, &MeshSections::readV120, 2},
        {"section count not a number", head + "three\n8\n" + flags, &MeshSections::readV026, 2},
        {"negative point count", head + "1\n-8\n" + flags + section, &MeshSections::read, 3},
        {"point count above the bound", head + "1\n1001\n" + flags + section, &MeshSections::readV030, 3},
        {"flag not a Boolean", head + "1\n8\n0\n0\n0\nTRUE\n", &MeshSections::read, 7},
        {"cut not a Boolean", head + "1\n8\n0\n1\n", &MeshSections::readV0212, 5},
        {"colour not a number", head + "1\n8\n0\n0\n0\n#FALSE#\n#TRUE#\n#TRUE#\n200\nred\n", &MeshSections::read, 11},
        {"value too large", head + "1\n8\n" + flags + "20\n1e13\n", &MeshSections::read, 14},
        {"record cut short", head + "2\n8\n" + flags + section + "20\n20\n", &MeshSections::read, 22},
        {"old record cut short", head + "2\n8\n2\n0\n#FALSE#\n20\n20\n0\n10\n", &MeshSections::readV026, 11},
    };
    for (const auto& c : cases) {
        MeshSections fuselage(LengthUnit::Millimeters, {1, 2, 3});
        fuselage.shift = 5;
        const std::string before = savedRecord(fuselage);
        try {
            readInto(fuselage, c.reader, c.text);
            ADD_FAILURE() << c.what << ": accepted";
        } catch (const ReadError& e) {
            EXPECT_EQ(e.line(), c.line) << c.what << ": " << e.what();
        }
        EXPECT_EQ(savedRecord(fuselage), before) << c.what;
        EXPECT_FALSE(fuselage.cut) << c.what;
    }
}

}  // namespace
}  // namespace ferlo
