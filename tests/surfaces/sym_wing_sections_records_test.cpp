#include "surfaces/sym_wing_sections.h"

#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "base/file_errors.h"
#include "support/default_aircraft.h"
#include "support/panel_values.h"
#include "support/record_io.h"
#include "support/text_lines.h"

namespace ferlo {
namespace {

using testing::crlfLines;
using RecordReader = void (SymWingSections::*)(ValueReader&);

std::string savedRecord(const SymWingSections& panel, void (SymWingSections::*save)(ValueWriter&) const) {
    return testing::writtenLines([&](ValueWriter& writer) { (panel.*save)(writer); });
}

void readRecord(SymWingSections& panel, RecordReader read, const std::string& text) {
    testing::readLines(text, [&](ValueReader& reader) { (panel.*read)(reader); });
}

std::vector<std::string> splitCrLf(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
        lines.push_back(text.substr(start, end - start));
    }
    EXPECT_EQ(start, text.size()) << "text after the last CR LF";
    return lines;
}

// A panel that differs from the default one in every value a record holds,
// with a 4-point airfoil of its own.
SymWingSections customPanel() {
    SymWingSections panel;
    panel.init({1, 2, 3});
    readRecord(panel, &SymWingSections::read_airfoil,
               crlfLines({"Airfoil", "4", "1", "0", "0", "-0.5", "0", "0.5", "1", "0"}));
    readRecord(panel, &SymWingSections::read,
               crlfLines({"Wing Type", "4", "1", "2", "3", "0.4", "0.5", "6", "7", "8", "9", "10", "11", "12", "13"}));
    return panel;
}

TEST(WingRecords, DefaultPanelWritesItsWingTypeRecordLineForLine) {
    EXPECT_EQ(savedRecord(testing::defaultWingPanel(), &SymWingSections::save),
              crlfLines({"Wing Type", "16", "700", "230", "150", "0.13", "0.13", "180", "10", "50", "0", "0", "200",
                         "200", "200"}));
}

TEST(WingRecords, WingTypeRecordReadsBackAndKeepsTheAirfoilUntilAnAirfoilRecord) {
    const SymWingSections saved = customPanel();
    SymWingSections panel;
    panel.init();
    readRecord(panel, &SymWingSections::read, savedRecord(saved, &SymWingSections::save));
    EXPECT_EQ(panel.span, 1);
    EXPECT_EQ(panel.shift, 10);
    EXPECT_EQ(panel.colorGet(), (ColorRGB{11, 12, 13}));
    // The record says 4 points, but the points come with the "Airfoil" record.
    EXPECT_EQ(panel.nb, 16);
    EXPECT_EQ(panel.airfoilPointGet(3), (Point3D{0.3, 0, -0.5}));

    readRecord(panel, &SymWingSections::read_airfoil, savedRecord(saved, &SymWingSections::save_airfoil));
    testing::expectSamePanelValues(panel, saved);
}

TEST(WingRecords, DefaultAirfoilRecordIsWrittenAndReadBack) {
    const SymWingSections saved = testing::defaultWingPanel();
    const std::string text = savedRecord(saved, &SymWingSections::save_airfoil);
    const std::vector<std::string> lines = splitCrLf(text);
    ASSERT_EQ(lines.size(), 34u);
    EXPECT_EQ(lines[0], "Airfoil");
    EXPECT_EQ(lines[1], "16");
    EXPECT_EQ(lines[2], "1");  // point 1: x 1, z 0
    EXPECT_EQ(lines[3], "0");
    EXPECT_EQ(lines[6], "0.3");  // point 3
    EXPECT_EQ(lines[7], "-0.5");

    SymWingSections panel = customPanel();
    readRecord(panel, &SymWingSections::read_airfoil, text);
    ASSERT_EQ(panel.nb, 16);
    for (int i = 1; i <= 16; ++i) EXPECT_EQ(panel.airfoilPointGet(i), saved.airfoilPointGet(i)) << i;
    // Stored heights are taken as they stand: the thicknesses stay the record's.
    EXPECT_EQ(panel.thickness1, 0.4);
    // The halves follow the new airfoil once the panel builds them.
    panel.create();
    EXPECT_EQ(panel.Left.nb, 16);
    EXPECT_EQ(panel.Right.airfoilPointGet(3), saved.airfoilPointGet(3));
}

TEST(WingRecords, OlderRecordsFillTheGeometryAndKeepTheColour) {
    const std::vector<double> geometry{650, 240, 160, 0.12, 0.1, 175, 12.5, 45, 2.5, 0};
    const struct {
        RecordReader read;
        std::string text;
    } cases[] = {
        {&SymWingSections::readV101,
         crlfLines({"Wing Type", "16", "650", "240", "1.6E+02", ".12", ".1", "175", "12.5", "45", "2.5", "0"})},
        // The number before `nb` is read and not used, whatever it holds.
        {&SymWingSections::readV0212,
         crlfLines({"Wing Type", "0", "16", "650", "240", "160", ".12", ".1", "175", "12.5", "45", "2.5", "0"})},
        {&SymWingSections::readV0212,
         crlfLines({"Wing Type", "-123.5", "16", "650", "240", "160", ".12", ".1", "175", "12.5", "45", "2.5", "0"})},
    };
    for (const auto& c : cases) {
        SymWingSections panel;
        panel.init({1, 2, 3});
        readRecord(panel, c.read, c.text);
        EXPECT_EQ((std::vector<double>{panel.span, panel.length1, panel.length2, panel.thickness1, panel.thickness2,
                                       panel.pos1, panel.pos2, panel.elevation1, panel.elevation2, panel.shift}),
                  geometry)
            << c.text;
        EXPECT_EQ(panel.colorGet(), (ColorRGB{1, 2, 3}));
        EXPECT_EQ(panel.nb, 16);
    }
}

TEST(WingRecords, ARecordThatCannotBeReadLeavesThePanelAsItWas) {
    const struct {
        const char* what;
        RecordReader read;
        std::string text;
        int errorLine;
    } cases[] = {
        {"cut after the span", &SymWingSections::read, crlfLines({"Wing Type", "16", "700"}), 4},
        {"text for a colour", &SymWingSections::read,
         crlfLines({"Wing Type", "16", "7", "2", "1", "0.1", "0.1", "1", "1", "1", "1", "1", "red", "0", "0"}), 13},
        {"nb beyond 16 bits", &SymWingSections::read, crlfLines({"Wing Type", "32768", "700"}), 2},
        {"nb of 0", &SymWingSections::readV101, crlfLines({"Wing Type", "0", "700"}), 2},
        {"cut 0.2 record", &SymWingSections::readV0212, crlfLines({"Wing Type", "0", "16", "5", "5"}), 6},
        {"unused value not a number", &SymWingSections::readV0212, crlfLines({"Wing Type", "x", "16"}), 2},
        {"airfoil cut between x and z", &SymWingSections::read_airfoil,
         crlfLines({"Airfoil", "3", "1", "0", "0.5"}), 6},
        {"airfoil count of 0", &SymWingSections::read_airfoil, crlfLines({"Airfoil", "0"}), 2},
        {"airfoil count of -2", &SymWingSections::read_airfoil, crlfLines({"Airfoil", "-2", "1", "0"}), 2},
        {"airfoil count above the limit", &SymWingSections::read_airfoil, crlfLines({"Airfoil", "10001"}), 2},
        {"airfoil count beyond 16 bits", &SymWingSections::read_airfoil, crlfLines({"Airfoil", "70000"}), 2},
        {"empty input", &SymWingSections::read_airfoil, "", 1},
    };
    const SymWingSections before = customPanel();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        SymWingSections panel = customPanel();
        try {
            readRecord(panel, c.read, c.text);
            ADD_FAILURE() << "no read error";
        } catch (const ReadError& e) {
            EXPECT_EQ(e.file(), "test.flx");
            EXPECT_EQ(e.line(), c.errorLine);
        }
        testing::expectSamePanelValues(panel, before);
    }
}

}  // namespace
}  // namespace ferlo
