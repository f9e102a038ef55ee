#include "document/project_generations.h"

#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "document/object_list_records.h"
#include "document/plane_operations.h"
#include "document/project_file.h"
#include "support/fuselage_sections.h"
#include "support/record_io.h"
#include "support/text_lines.h"

namespace ferlo {
namespace {

using G = ProjectGeneration;

TEST(ProjectGenerations, TheHeaderPicksTheFirstMatchingRowOfTheDispatch) {
    const struct {
        const char* version;
        ProjectGeneration generation;
    } cases[] = {
        {"V0.1.4", G::V01},    {"V 0.2.12", G::V0212}, {"V 0.2.5", G::V02},   {"V 0.3.0", G::V030},
        {"V 0.3.1", G::V031},  {"V 1.0.0", G::V031},   {"V 1.0.3", G::V10},   {"V 1.1.2", G::V10},
        {"V 1.2.0", G::V12},   {"V 1.4.1", G::V13},    {"V 1.5.0", G::V13},   {"V 1.6.0", G::V16},
        {"V 1.6.2", G::V16},   {"V 1.6.3", G::Current}, {"V 1.7.0", G::V17},  {"V 2.2.1", G::Current},
        {"V 1.6.2 ", G::Current},
    };
    for (const auto& c : cases) {
        const std::string header = std::string("# FERLO File Format ") + c.version;
        EXPECT_EQ(projectGenerationOf(header), c.generation) << header;
    }
}

TEST(ProjectGenerations, WildcardsMatchTheWholeText) {
    EXPECT_TRUE(matchesWildcard("abc", "*"));
    EXPECT_TRUE(matchesWildcard("", "*"));
    EXPECT_TRUE(matchesWildcard("x 1.6.1", "*1.6.1"));
    EXPECT_FALSE(matchesWildcard("x 1.6.12", "*1.6.1"));
    EXPECT_TRUE(matchesWildcard("a1.0.1.0.", "*1.0.*"));
    EXPECT_TRUE(matchesWildcard("aab", "*ab"));
    EXPECT_FALSE(matchesWildcard("V 0.2", "*v 0.2*"));
}

// What a file of each generation brings (tests/fixtures/project_*.flx hold
// the same aircraft in each generation's layout).
struct GenerationCase {
    const char* file;
    int wingPanels;       // the 0.3.0 file counts one panel, its second record dropped
    bool colours;         // from 1.2 on
    int fuselages;        // one, without a count, before 0.3.0
    bool positionOffset;  // the fuselage's pos_offset, from 0.3.0 on
    double curvature2;    // of fuselage 1's first section
    bool finOffsets;      // from 0.3.0 on
    bool units;           // the units flag, from 1.0.1 on (the files say inches)
    bool objectList;      // from 1.6.0 on (the files hide fuselage 2)
    bool airfoils;        // from 1.7 on
    bool current;         // elevation offsets kept, texture names
};

TEST(ProjectGenerations, EveryGenerationIsReadOntoTheDefaultAircraft) {
    const GenerationCase cases[] = {
        {"project_v02.flx", 2, false, 1, false, 2, false, false, false, false, false},
        {"project_v0212.flx", 2, false, 1, false, 1.5, false, false, false, false, false},
        {"project_v030.flx", 1, false, 2, true, 1.5, true, false, false, false, false},
        {"project_v031.flx", 2, false, 2, true, 1.5, true, false, false, false, false},
        {"project_v10.flx", 2, false, 2, true, 1.5, true, true, false, false, false},
        {"project_v12.flx", 2, true, 2, true, 1.5, true, true, false, false, false},
        {"project_v13.flx", 2, true, 2, true, 1.2, true, true, false, false, false},
        {"project_v16.flx", 2, true, 2, true, 1.2, true, true, true, false, false},
        {"project_v17.flx", 2, true, 2, true, 1.2, true, true, true, true, false},
        {"project_current.flx", 2, true, 2, true, 1.2, true, true, true, true, true},
    };
    const std::filesystem::path folder = FERLO_FIXTURES_DIR;
    for (const GenerationCase& c : cases) {
        SCOPED_TRACE(c.file);
        Plane defaults;
        newPlane(defaults);
        Plane plane;
        newPlane(plane);
        const ProjectReadResult result = readProject(plane, folder / c.file);
        ASSERT_EQ(result.status, ProjectReadStatus::Read) << result.message;

        const ColorRGB grey = kDefaultPartColor;
        EXPECT_EQ(plane.mainWing.nbWings, c.wingPanels);
        const SymWingSections& panel = plane.mainWing.wing(1);
        EXPECT_EQ(panel.span, 600);
        EXPECT_EQ(panel.elevation2, 5);
        EXPECT_EQ(panel.colorGet(), c.colours ? ColorRGB({10, 20, 30}) : grey);
        if (c.wingPanels == 2) {
            EXPECT_EQ(plane.mainWing.wing(2).shift, 600);
        }
        EXPECT_EQ(plane.stab.pos1, 640);
        EXPECT_EQ(plane.stab.colorGet(), c.colours ? ColorRGB({70, 80, 90}) : grey);
        // The stabiliser always carries the built-in airfoil.
        EXPECT_EQ(plane.stab.airfoilPointGet(5).z, defaults.stab.airfoilPointGet(5).z);
        EXPECT_EQ(panel.airfoilPointGet(5).z, c.airfoils ? 0.06 : defaults.mainWing.wing(1).airfoilPointGet(5).z);

        ASSERT_EQ(plane.fuselages.nbFuselages(), c.fuselages);
        const MeshSections& fuselage = plane.fuselages.fuselage(1);
        const auto sections = testing::sectionsOf(fuselage);
        ASSERT_EQ(sections.size(), 3u);
        EXPECT_EQ(sections[1].height, 90);
        EXPECT_EQ(sections[2].pos, 760);
        EXPECT_EQ(sections[0].curvature2, c.curvature2);
        EXPECT_EQ(fuselage.pos_offset, c.positionOffset ? -20 : 0);
        EXPECT_EQ(fuselage.elevation_offset, c.current ? 15 : 0);
        if (c.fuselages == 2) {
            EXPECT_EQ(plane.fuselages.fuselage(2).shift, 40);
            EXPECT_EQ(plane.fuselages.shown(2), !c.objectList);
        }

        EXPECT_EQ(plane.fin.span, 140);
        EXPECT_EQ(plane.fin.shift, 28);
        EXPECT_EQ(plane.fin.offset1, c.finOffsets ? 25 : 0);
        EXPECT_EQ(plane.fin.colorGet(), c.colours ? ColorRGB({100, 110, 120}) : grey);

        ASSERT_EQ(plane.equipment.nbBoxes, 2);
        EXPECT_EQ(plane.equipment.box(2).length, 55.5);
        EXPECT_EQ(plane.equipment.box(2).box, 1);
        EXPECT_EQ(plane.units, c.units ? LengthUnit::Inches : LengthUnit::Millimeters);

        EXPECT_EQ(panel.texture_filename(), c.current ? (folder / "wood.jpg").string() : "");
        EXPECT_EQ(fuselage.qualified_texture_filename(), c.current ? "skin.bmp" : "");
        EXPECT_TRUE(plane.fin.texture_filename().empty());
    }
}

TEST(ProjectGenerations, AnOldFileLeavesTheUnitAndATwinFinsOffsetsAsTheyWere) {
    Plane plane;
    newPlane(plane);
    plane.units = LengthUnit::Inches;
    plane.fin.offset1 = 12;
    plane.fin.offset2 = 3;
    const ProjectReadResult result =
        readProject(plane, std::filesystem::path(FERLO_FIXTURES_DIR) / "project_v02.flx");
    ASSERT_EQ(result.status, ProjectReadStatus::Read) << result.message;
    EXPECT_EQ(plane.units, LengthUnit::Inches);
    EXPECT_EQ(plane.fin.offset1, 12);
    EXPECT_EQ(plane.fin.offset2, 3);
}

TEST(ObjectListRecords, RowsForFuselagesTheFileDoesNotHoldAreAnError) {
    FuselageList fuselages;
    fuselages.addFuselage(false, LengthUnit::Millimeters, kDefaultPartColor);
    std::istringstream text(testing::crlfLines(
        {"ObjectList", "3", "\"Fuselage 001\"", "#FALSE#", "\"Fuselage 002\"", "#FALSE#", "\"Fuselage 003\"", "#TRUE#"}));
    ValueReader in(text, "rows.flx");
    try {
        readObjectList(fuselages, in);
        ADD_FAILURE() << "a row without a fuselage was accepted";
    } catch (const ReadError& error) {
        EXPECT_EQ(error.line(), 8);
    }
    // The rows before it are taken.
    EXPECT_FALSE(fuselages.shown(1));
    EXPECT_FALSE(fuselages.shown(2));
}

// The row texts are kept as the file stores them, whatever they say, and
// written back so; a fuselage added later gets "Fuselage " and its number.
TEST(ObjectListRecords, RowTextsAreKeptAsReadAndWrittenBack) {
    FuselageList fuselages;
    fuselages.addFuselage(false, LengthUnit::Millimeters, kDefaultPartColor);
    const std::string section =
        testing::crlfLines({"ObjectList", "2", "\"Fuselage 002\"", "#TRUE#", "\"Wing pod, left\"", "#FALSE#"});
    testing::readLines(section, [&](ValueReader& in) { readObjectList(fuselages, in); });
    EXPECT_EQ(testing::writtenLines([&](ValueWriter& out) { saveObjectList(fuselages, out); }), section);

    fuselages.addFuselage(false, LengthUnit::Millimeters, kDefaultPartColor);
    EXPECT_EQ(fuselages.rowText(3), "Fuselage 003");
    ASSERT_TRUE(fuselages.removeLastFuselage());
    ASSERT_TRUE(fuselages.removeLastFuselage());
    fuselages.addFuselage(false, LengthUnit::Millimeters, kDefaultPartColor);
    EXPECT_EQ(fuselages.rowText(1), "Fuselage 002");
    EXPECT_EQ(fuselages.rowText(2), "Fuselage 002");
    EXPECT_TRUE(fuselages.shown(2));
}

}  // namespace
}  // namespace ferlo
