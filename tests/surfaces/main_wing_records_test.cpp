#include "surfaces/main_wing.h"

#include <algorithm>
#include <array>
#include <clocale>
#include <cmath>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "base/file_errors.h"
#include "support/default_aircraft.h"
#include "support/panel_values.h"
#include "support/recording_canvas.h"
#include "support/scoped_locale.h"
#include "support/text_lines.h"

namespace ferlo {
namespace {

using testing::crlfLines;

// The wing part of a project file: the wing list, the stabiliser's record
// and, from 1.7 on, the airfoil list. (In a whole file other sections stand
// between the stabiliser and the airfoils; the fixtures leave them out.)
struct Generation {
    const char* name;
    void (MainWing::*readList)(ValueReader&, const ColorRGB&);
    void (SymWingSections::*readStabiliser)(ValueReader&);
    bool airfoils;
};

const Generation kCurrent{"current", &MainWing::readWings, &SymWingSections::read, true};
const Generation kV17{"1.7", &MainWing::readWingsV120, &SymWingSections::read, true};
const Generation kV120{"1.2 to 1.6", &MainWing::readWingsV120, &SymWingSections::read, false};
const Generation kV101{"0.3.1 to 1.1", &MainWing::readWingsV101, &SymWingSections::readV101, false};
const Generation kV0212{"0.2 to 0.3.0", &MainWing::readWingsV0212, &SymWingSections::readV0212, false};

// The wing and the stabiliser of a new project, which every reader starts from.
struct WingPart {
    MainWing wing = testing::defaultMainWing();
    SymWingSections stab = testing::defaultStabiliser();

    void read(std::istream& in, const Generation& generation) {
        ValueReader reader(in, "wings.flx");
        (wing.*generation.readList)(reader, kDefaultPartColor);
        (stab.*generation.readStabiliser)(reader);
        if (generation.airfoils) wing.readWingsAirfoil(reader);
    }

    std::string save() const {
        std::ostringstream out;
        LineWriter lines(out, "wings.flx");
        ValueWriter writer(lines);
        wing.saveWings(writer);
        stab.save(writer);
        wing.saveWingsAirfoil(writer);
        return out.str();
    }
};

std::array<double, 10> geometryOf(const SymWingSections& p) {
    return {p.span, p.length1, p.length2, p.thickness1, p.thickness2, p.pos1, p.pos2, p.elevation1, p.elevation2,
            p.shift};
}

struct ExpectedPanel {
    // span, length1, length2, thickness1, thickness2, pos1, pos2, elevation1, elevation2, shift: the record's order
    std::array<double, 10> geometry;
    ColorRGB color = kDefaultPartColor;
    std::vector<Point2D> airfoil = {};  // x and height (as y) of each point; empty: the built-in airfoil
};

void expectPanel(const SymWingSections& panel, const ExpectedPanel& expected) {
    EXPECT_EQ(geometryOf(panel), expected.geometry);
    EXPECT_EQ(panel.colorGet(), expected.color);
    if (expected.airfoil.empty()) {
        SymWingSections builtIn;
        builtIn.init();
        ASSERT_EQ(panel.nb, 16);
        for (int i = 1; i <= 16; ++i) EXPECT_EQ(panel.airfoilPointGet(i), builtIn.airfoilPointGet(i)) << i;
        return;
    }
    ASSERT_EQ(panel.nb, static_cast<int>(expected.airfoil.size()));
    for (int i = 1; i <= panel.nb; ++i) {
        const Point2D& p = expected.airfoil[static_cast<std::size_t>(i - 1)];
        EXPECT_EQ(panel.airfoilPointGet(i), (Point3D{p.x, 0, p.y})) << i;
    }
}

// What a damaged file may leave must still be a usable wing: at least one
// panel, each with an airfoil of `nb` points from which it builds its halves
// and its Side outline (the root airfoil in profile, a closed polyline of
// `nb` finite lines).
void expectUsableList(MainWing& wing, SymWingSections& stab) {
    ASSERT_GE(wing.nbWings, 1);
    ASSERT_EQ(wing.wings.size(), static_cast<std::size_t>(wing.nbWings) + 1);
    std::vector<SymWingSections*> panels{&stab};
    for (int i = 1; i <= wing.nbWings; ++i) panels.push_back(&wing.wing(i));
    for (SymWingSections* panel : panels) {
        ASSERT_GE(panel->nb, 1);
        panel->create();
        ASSERT_EQ(panel->Left.nb, panel->nb);
        ASSERT_EQ(panel->Right.nb, panel->nb);
        for (int k = 1; k <= panel->nb; ++k) {
            EXPECT_TRUE(std::isfinite(panel->Left.point1Get(k).z));
            EXPECT_TRUE(std::isfinite(panel->Right.point2Get(k).x));
        }

        panel->computeSidePoints({0.7, 40, 140});
        RecordingCanvas canvas;
        const ViewState view;
        panel->drawSide({canvas, view, {}});
        EXPECT_EQ(canvas.segments().size(), static_cast<std::size_t>(panel->nb >= 2 ? panel->nb : 0));
        for (const RecordingCanvas::Segment& s : canvas.segments()) {
            EXPECT_TRUE(std::isfinite(s.x1) && std::isfinite(s.y1) && std::isfinite(s.x2) && std::isfinite(s.y2));
        }
    }
}

TEST(WingListRecords, DefaultWingAndStabiliserAreWrittenLineForLineAndReadBack) {
    const WingPart saved;
    const std::string text = saved.save();
    EXPECT_EQ(text.substr(0, text.find("Airfoil")),
              crlfLines({"1",     "Wing Type", "16", "700", "230", "150", "0.13", "0.13", "180", "10", "50", "0",
                         "0",     "200",       "200", "200", "Wing Type", "16", "250", "130", "80", "0.13", "0.13",
                         "650",   "40",        "50",  "0",   "0",   "200",  "200", "200"}));
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 1 + 15 + 15 + 34);

    WingPart read;
    read.wing.wing(1).span = 1;
    read.stab.span = 1;
    std::istringstream in(text);
    read.read(in, kCurrent);
    EXPECT_EQ(read.wing.nbWings, 1);
    EXPECT_EQ(read.wing.currentWing, 1);
    testing::expectSamePanelValues(read.wing.wing(1), saved.wing.wing(1));
    testing::expectSamePanelValues(read.stab, saved.stab);
}

struct FixtureCase {
    const char* file;
    const Generation& generation;
    std::vector<ExpectedPanel> wings;
    ExpectedPanel stab;
};

TEST(WingListRecords, EveryLayoutReadsTheValuesItsFixtureHolds) {
    const ColorRGB grey = kDefaultPartColor;
    const FixtureCase cases[] = {
        // A count of 1 with two records: the second is read and dropped.
        {"wings_v0212.flx",
         kV0212,
         {{{650, 240, 160, 0.12, 0.1, 175, 12.5, 45, 2.5, 0}}},
         {{240, 125, 75, 0.13, 0.13, 640, 35, 48, -0.25, 0}}},
        // Two panels; the second takes its own position, not a continuation of the first.
        {"wings_v101.flx",
         kV101,
         {{{700, 230, 150, 0.13, 0.13, 180, 10, 50, 1e-5, 0}}, {{300, 150, 90, 0.11, 0.09, 250, -0.25, 50, 20, 700}}},
         {{250, 130, 80, 0.13, 0.13, 650, 40, 50, 0, 0}}},
        // Colours from 1.2 on; the record's 20 points are not there, so the built-in airfoil stays.
        {"wings_v120.flx",
         kV120,
         {{{720, 235, 155, 0.14, 0.12, 182, 8, 52, 3, 0}, {255, 0, 0}}},
         {{260, 135, 85, 0.12, 0.12, 660, 45, 55, 0, 0}, {10, 20, 30}}},
        {"wings_v17.flx",
         kV17,
         {{{700, 230, 150, 0.13, 0.13, 180, 10, 50, 0, 0},
           {200, 200, 255},
           {{1, 0}, {0.5, -0.4}, {1e-5, 0}, {0.5, 0.6}, {1, 0}}},
          {{210, 150, 105, 0.1, 0.1, 190, 0, 50, 0, 700}, grey, {{1, 0}, {0, -0.25}, {0, 0.25}, {1, 0}}}},
         {{250, 130, 80, 0.13, 0.13, 650, 40, 50, 0, 0}}},
        {"wings_current.flx",
         kCurrent,
         {{{800, 250, 180, 0.12, 0.11, 170, 15, 40, 5, 20},
           {255, 128, 0},
           {{1, 0}, {0.5, -0.5}, {0, -0.1}, {0, 0.1}, {0.5, 0.5}, {1, 0}}},
          {{240, 180, 126, 0.11, 0.11, 185, 5, 45, 8, 820}, {255, 128, 0}, {{1, 0}, {0, 0}, {0.5, 0.15}}},
          {{72, 126, 88.2, 0.11, 0.1, 190, 10, 53, 12, 1060}, {0, 0, 255}, {{1, 0}, {0, -0.25}, {0, 0.25}, {1, 0}}}},
         {{250.5, 130, 80, 0.09, 0.09, 650, 40, 50, 0, 0}}},
    };
    for (const FixtureCase& c : cases) {
        SCOPED_TRACE(c.file);
        std::ifstream in(std::string(FERLO_FIXTURES_DIR "/") + c.file, std::ios::binary);
        ASSERT_TRUE(in) << "fixture missing";
        WingPart part;
        part.read(in, c.generation);
        EXPECT_EQ(in.peek(), std::ifstream::traits_type::eof()) << "not read to its end";
        ASSERT_EQ(part.wing.nbWings, static_cast<int>(c.wings.size()));
        for (int i = 1; i <= part.wing.nbWings; ++i) {
            SCOPED_TRACE(i);
            expectPanel(part.wing.wing(i), c.wings[static_cast<std::size_t>(i - 1)]);
        }
        SCOPED_TRACE("stabiliser");
        expectPanel(part.stab, c.stab);
    }
}

// Records of a wing-list part, with spans that tell the panels apart (the
// default panel's span is 700).
std::string currentRecord(const char* span, const char* nb = "16") {
    return crlfLines({"Wing Type", nb, span, "230", "150", "0.13", "0.13", "180", "10", "50", "0", "0", "200", "200",
                      "200"});
}
std::string v101Record(const char* span, const char* nb = "16") {
    return crlfLines({"Wing Type", nb, span, "230", "150", "0.13", "0.13", "180", "10", "50", "0", "0"});
}
std::string v0212Record(const char* span) {
    return crlfLines({"Wing Type", "0", "16", span, "230", "150", "0.13", "0.13", "180", "10", "50", "0", "0"});
}
const std::string kFourPointAirfoil = crlfLines({"Airfoil", "4", "1", "0", "0", "-1", "0", "1", "1", "0"});

struct MalformedCase {
    const char* what;
    const Generation& generation;
    std::string text;
    bool readError;
    std::vector<double> spans;  // of the panels the list holds afterwards
    std::vector<int> pointCounts;
};

TEST(WingListRecords, DamagedInputGivesAReadErrorOrTheDocumentedResultAndAUsableWing) {
    const std::string stab = currentRecord("250");
    const MalformedCase cases[] = {
        {"old count 0", kV101, "0\r\n" + v101Record("600") + v101Record("300") + v101Record("250"), true, {700}, {16}},
        {"old count -1", kV101, "-1\r\n" + v101Record("600") + v101Record("300") + v101Record("250"), true, {700},
         {16}},
        {"old count 3", kV101, "3\r\n" + v101Record("600") + v101Record("300") + v101Record("250"), false, {600},
         {16}},
        {"old count 40000", kV0212, "40000\r\n" + v0212Record("600") + v0212Record("300") + v0212Record("250"), true,
         {700}, {16}},
        {"current count above the limit", kCurrent, "1001\r\n" + currentRecord("600"), true, {700}, {16}},
        {"empty input", kCurrent, "", true, {700}, {16}},
        {"a non-number where a number stands", kCurrent,
         "2\r\n" + currentRecord("600") + crlfLines({"Wing Type", "16", "300", "230", "abc"}), true, {600}, {16}},
        {"cut in the first record", kCurrent, "1\r\n" + crlfLines({"Wing Type", "16", "600"}), true, {700}, {16}},
        {"cut in the second old record", kV120, "2\r\n" + currentRecord("600") + crlfLines({"Wing Type", "16", "300"}),
         true, {600}, {16}},
        {"cut in the dropped old record", kV120, "1\r\n" + currentRecord("600") + crlfLines({"Wing Type", "16"}),
         true, {600}, {16}},
        {"16-bit nb out of range", kCurrent, "1\r\n" + currentRecord("600", "32768"), true, {700}, {16}},
        {"cut before the airfoils", kCurrent, "2\r\n" + currentRecord("600", "4") + currentRecord("300", "4") + stab,
         true, {600, 300}, {16, 16}},
        {"cut in the second airfoil", kCurrent,
         "2\r\n" + currentRecord("600", "4") + currentRecord("300", "4") + stab + kFourPointAirfoil +
             crlfLines({"Airfoil", "4", "1", "0", "0"}),
         true, {600, 300}, {4, 16}},
        {"airfoil count 0", kV17,
         "2\r\n" + currentRecord("600") + currentRecord("300") + stab + crlfLines({"Airfoil", "0"}), true, {600, 300},
         {16, 16}},
        {"airfoil count above the limit", kV17,
         "1\r\n" + currentRecord("600") + currentRecord("300") + stab + crlfLines({"Airfoil", "20000", "1", "0"}),
         true, {600}, {16}},
        {"old record naming 20 points", kV120, "2\r\n" + currentRecord("600", "20") + currentRecord("300", "20") + stab,
         false, {600, 300}, {16, 16}},
    };
    for (const MalformedCase& c : cases) {
        SCOPED_TRACE(c.what);
        WingPart part;
        std::istringstream in(c.text);
        if (c.readError) {
            EXPECT_THROW(part.read(in, c.generation), ReadError);
        } else {
            EXPECT_NO_THROW(part.read(in, c.generation));
        }
        std::vector<double> spans;
        std::vector<int> pointCounts;
        for (int i = 1; i <= part.wing.nbWings; ++i) {
            spans.push_back(part.wing.wing(i).span);
            pointCounts.push_back(part.wing.wing(i).nb);
        }
        EXPECT_EQ(spans, c.spans);
        EXPECT_EQ(pointCounts, c.pointCounts);
        expectUsableList(part.wing, part.stab);
    }
}

TEST(WingListRecords, RoundTripUnderACommaDecimalLocale) {
    testing::ScopedLocale comma("de_DE.UTF-8");
    if (!comma.active()) GTEST_SKIP() << "this machine has no de_DE.UTF-8 locale";
    ASSERT_STREQ(std::localeconv()->decimal_point, ",");

    WingPart saved;
    for (std::int16_t n = 2; n <= 3; ++n) {
        saved.wing.nbWings = n;
        saved.wing.addWing();
    }
    saved.wing.wing(2).rescale(1.0 / 3.0);
    saved.wing.wing(3).colorSet({12.5, 0.1, 254.75});
    saved.stab.pos2 = -1e-7;
    std::istringstream airfoil(
        crlfLines({"Airfoil", "5", "1", "0", "0.3333333333333333", "-0.7", "0", "0", "0.1", "1.25", "1", "1e-9"}));
    ValueReader airfoilReader(airfoil, "airfoil");
    saved.wing.wing(2).read_airfoil(airfoilReader);

    const std::string text = saved.save();
    EXPECT_EQ(text.find(','), std::string::npos);

    WingPart read;
    std::istringstream in(text);
    read.read(in, kCurrent);
    EXPECT_EQ(in.peek(), std::istringstream::traits_type::eof());
    ASSERT_EQ(read.wing.nbWings, 3);
    for (int i = 1; i <= 3; ++i) {
        SCOPED_TRACE(i);
        testing::expectSamePanelValues(read.wing.wing(i), saved.wing.wing(i));
    }
    testing::expectSamePanelValues(read.stab, saved.stab);
}

}  // namespace
}  // namespace ferlo
