#include "surfaces/vert_wing_section.h"

#include <sstream>
#include <stdexcept>
#include <string>

#include <gtest/gtest.h>

#include "base/file_errors.h"
#include "support/default_aircraft.h"
#include "support/fixture_text.h"
#include "support/record_io.h"

namespace ferlo {
namespace {

using testing::defaultFin;
using testing::fixtureText;

std::string savedRecord(const VertWingSection& fin) {
    return testing::writtenLines([&fin](ValueWriter& writer) { fin.save(writer); });
}

void expectDefaultGeometry(const VertWingSection& fin) {
    EXPECT_EQ(fin.nb, 16);
    EXPECT_EQ(fin.span, 150);
    EXPECT_EQ(fin.length1, 150);
    EXPECT_EQ(fin.length2, 80);
    EXPECT_EQ(fin.thickness1, 0.1);
    EXPECT_EQ(fin.thickness2, 0.1);
    EXPECT_EQ(fin.pos1, 650);
    EXPECT_EQ(fin.pos2, 100);
    EXPECT_EQ(fin.shift, 30);
    EXPECT_EQ(fin.offset1, 0);
    EXPECT_EQ(fin.offset2, 0);
}

TEST(VertWingSection, InitGivesASingleDefaultFinWhateverThePreviousFinHeld) {
    VertWingSection fin;
    fin.nb = 40;
    fin.span = 1;
    fin.length1 = fin.length2 = 2;
    fin.thickness1 = fin.thickness2 = 0.3;
    fin.pos1 = fin.pos2 = 4;
    fin.shift = 5;
    fin.offset1 = 60;
    fin.offset2 = -7;
    fin.paint = 8;
    fin.setTexture("/home/u/wood.bmp");
    fin.texture_loaded = true;
    fin.colorSet({1, 2, 3});
    fin.initval = 11;
    fin.selected = true;
    fin.selected_part = 7;
    fin.xtex = 256;
    fin.create();

    fin.init({150, 160, 170});

    expectDefaultGeometry(fin);
    EXPECT_FALSE(fin.isTwin());
    EXPECT_EQ(fin.paint, 5);
    EXPECT_EQ(fin.texture_filename(), "");
    EXPECT_EQ(fin.qualified_texture_filename(), "");
    EXPECT_FALSE(fin.texture_loaded);
    EXPECT_EQ(fin.colorGet(), (ColorRGB{150, 160, 170}));
    // Interaction state and the texture size stay for the texture and mouse code.
    EXPECT_EQ(fin.initval, 11);
    EXPECT_TRUE(fin.selected);
    EXPECT_EQ(fin.selected_part, 7);
    EXPECT_EQ(fin.xtex, 256);
    // The sections match the new count and geometry at once.
    EXPECT_EQ(fin.point1Get(1), (Point3D{650, 0, 30}));
    EXPECT_EQ(fin.point1Get(16), (Point3D{650, 0, 30}));
    EXPECT_EQ(fin.point1Get(17), Point3D{});

    EXPECT_EQ(defaultFin().colorGet(), kDefaultPartColor);
}

TEST(VertWingSection, RecordWritesFourteenValuesWithTheOffsetsBeforeShift) {
    VertWingSection fin = defaultFin();
    fin.offset1 = 20;
    fin.offset2 = -2.5;
    fin.shift = 33;
    fin.colorSet({10, 20.5, 30});
    EXPECT_EQ(savedRecord(fin),
              "Rudder\r\n16\r\n150\r\n150\r\n80\r\n0.1\r\n0.1\r\n650\r\n100\r\n20\r\n-2.5\r\n33\r\n"
              "10\r\n20.5\r\n30\r\n");
}

TEST(VertWingSection, RecordReadsBackWhateverTheKeywordLineHolds) {
    VertWingSection written = defaultFin();
    written.nb = 24;
    written.span = 161.25;
    written.length1 = 140;
    written.length2 = 1.0 / 3.0;
    written.thickness1 = 0.12;
    written.thickness2 = 0.08;
    written.pos1 = 612.5;
    written.pos2 = -4;
    written.offset1 = 20;
    written.offset2 = 5;
    written.shift = 31;
    written.colorSet({255, 0, 127.5});
    std::string text = savedRecord(written);
    text.replace(0, 6, "anything at all");

    std::istringstream in(text);
    ValueReader reader(in, "fin.flx");
    VertWingSection fin = defaultFin();
    fin.read(reader);
    EXPECT_EQ(savedRecord(fin), savedRecord(written));
    EXPECT_TRUE(reader.atEnd());
    EXPECT_NE(fin.point1Get(24), Point3D{});  // sections for the new count
}

struct OlderLayout {
    const char* fixture;
    void (VertWingSection::*reader)(ValueReader&);
    double offset1, offset2;
};

TEST(VertWingSection, OlderLayoutsReadFromFixturesKeepTheDefaultColour) {
    const OlderLayout layouts[] = {
        {"rudder_v101.flx", &VertWingSection::readV101, 20, 5},
        {"rudder_v030.flx", &VertWingSection::readV030, 20, 5},
        {"rudder_v0212.flx", &VertWingSection::readV0212, 0, 0},  // the two values there are not offsets
    };
    for (const auto& layout : layouts) {
        std::istringstream in(fixtureText(layout.fixture));
        ValueReader reader(in, layout.fixture);
        VertWingSection fin = defaultFin();
        (fin.*layout.reader)(reader);
        EXPECT_EQ(fin.nb, 16) << layout.fixture;
        EXPECT_EQ(fin.span, 160) << layout.fixture;
        EXPECT_EQ(fin.length1, 140) << layout.fixture;
        EXPECT_EQ(fin.length2, 70) << layout.fixture;
        EXPECT_EQ(fin.thickness1, 0.12) << layout.fixture;
        EXPECT_EQ(fin.thickness2, 0.09) << layout.fixture;
        EXPECT_EQ(fin.pos1, 600) << layout.fixture;
        EXPECT_EQ(fin.pos2, 90) << layout.fixture;
        EXPECT_EQ(fin.offset1, layout.offset1) << layout.fixture;
        EXPECT_EQ(fin.offset2, layout.offset2) << layout.fixture;
        EXPECT_EQ(fin.shift, 25) << layout.fixture;
        EXPECT_EQ(fin.colorGet(), kDefaultPartColor) << layout.fixture;
        // The reader took its own values and no more.
        EXPECT_EQ(reader.readLine(), "Next record") << layout.fixture;
    }
}

TEST(VertWingSection, UnusableRecordsAreRejectedAndLeaveTheFinAsItWas) {
    struct Case {
        const char* what;
        const char* text;
        void (VertWingSection::*reader)(ValueReader&);
        int line;
    };
    const char* tail = "\n150\n150\n80\n0.1\n0.1\n650\n100\n0\n0\n30\n200\n200\n200\n";
    const std::string nb0 = std::string("Rudder\n0") + tail;
    const std::string nbNegative = std::string("Rudder\n-16") + tail;
    const std::string nb4 = std::string("Rudder\n4") + tail;
    const std::string nbLarge = std::string("Rudder\n10001") + tail;
    const std::string nbBeyond16Bits = std::string("Rudder\n40000") + tail;
    const std::string nbText = std::string("Rudder\nsixteen") + tail;
    const Case cases[] = {
        {"nb 0", nb0.c_str(), &VertWingSection::read, 2},
        {"nb negative", nbNegative.c_str(), &VertWingSection::read, 2},
        {"nb 4", nb4.c_str(), &VertWingSection::readV101, 2},
        {"nb 10001", nbLarge.c_str(), &VertWingSection::read, 2},
        {"nb beyond 16 bits", nbBeyond16Bits.c_str(), &VertWingSection::read, 2},
        {"nb not a number", nbText.c_str(), &VertWingSection::read, 2},
        {"old layout nb 0", "Rudder\n1\n0\n150\n150\n80\n0.1\n0.1\n650\n100\n0\n0\n30\n", &VertWingSection::readV0212,
         3},
        {"colour not a number", "Rudder\n20\n1\n1\n1\n0.2\n0.2\n1\n1\n9\n9\n1\n1\nred\n1\n", &VertWingSection::read,
         14},
        {"record cut short", "Rudder\n20\n16\n1\n1\n0.2\n", &VertWingSection::readV030, 7},
    };
    for (const auto& c : cases) {
        VertWingSection fin = defaultFin();
        fin.offset1 = 12;
        fin.create();
        const std::string before = savedRecord(fin);
        std::istringstream in(c.text);
        ValueReader reader(in, "bad.flx");
        try {
            (fin.*c.reader)(reader);
            ADD_FAILURE() << c.what << ": accepted";
        } catch (const ReadError& e) {
            EXPECT_EQ(e.line(), c.line) << c.what;
        }
        EXPECT_EQ(savedRecord(fin), before) << c.what;
        EXPECT_EQ(fin.point1Get(6), (Point3D{695, 19.5, 30})) << c.what;
    }
}

TEST(VertWingSection, SectionPointCountsAtTheLimitsAreRead) {
    for (int nb : {VertWingSection::kMinSectionPoints, VertWingSection::kMaxSectionPoints}) {
        std::istringstream in("Rudder\n" + std::to_string(nb) + "\n150\n150\n80\n0.1\n0.1\n650\n100\n0\n0\n30\n");
        ValueReader reader(in, "edge.flx");
        VertWingSection fin = defaultFin();
        fin.readV101(reader);
        EXPECT_EQ(fin.nb, nb);
        EXPECT_EQ(fin.point1Get(nb), (Point3D{650, 0, 30})) << nb;  // the ring closes at the leading edge
    }
}

TEST(VertWingSection, UnitSwitchAndRescaleConvertTheEightLengthsOnly) {
    VertWingSection fin = defaultFin();
    fin.span = 254;
    fin.offset1 = 25.4;
    fin.offset2 = 50.8;
    fin.switchToInches();
    EXPECT_DOUBLE_EQ(fin.span, 10);
    EXPECT_DOUBLE_EQ(fin.offset1, 1);
    EXPECT_DOUBLE_EQ(fin.offset2, 2);
    EXPECT_DOUBLE_EQ(fin.pos1, 650 / 25.4);
    EXPECT_EQ(fin.thickness1, 0.1);
    EXPECT_EQ(fin.nb, 16);
    fin.switchToMillimeters();
    EXPECT_DOUBLE_EQ(fin.span, 254);
    EXPECT_DOUBLE_EQ(fin.length2, 80);

    fin.rescale(2);
    const double lengths[] = {fin.span, fin.length1, fin.length2, fin.pos1, fin.pos2, fin.offset1, fin.offset2, fin.shift};
    const double expected[] = {508, 300, 160, 1300, 200, 50.8, 101.6, 60};
    for (int i = 0; i < 8; ++i) EXPECT_DOUBLE_EQ(lengths[i], expected[i]) << i;
    EXPECT_EQ(fin.thickness2, 0.1);
    EXPECT_EQ(fin.colorGet(), kDefaultPartColor);
}

TEST(VertWingSection, RescaleThatOverflowsIsReportedAndChangesNothing) {
    VertWingSection fin = defaultFin();
    fin.offset1 = 1e12;
    const std::string before = savedRecord(fin);
    EXPECT_THROW(fin.rescale(1e300), std::overflow_error);
    EXPECT_EQ(savedRecord(fin), before);
}

}  // namespace
}  // namespace ferlo
