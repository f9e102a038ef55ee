#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "fuselage/mesh_sections.h"
#include "support/fuselage_sections.h"
#include "support/view_testing.h"

namespace ferlo {
namespace {

using testing::fuselageWith;
using testing::savedRecord;
using testing::sectionAt;
using testing::sectionsOf;
using testing::SectionValues;

const std::vector<SectionValues> kDefaultSections = sectionsOf(MeshSections());

std::vector<double> positionsOf(const MeshSections& fuselage) {
    std::vector<double> positions;
    for (const SectionValues& s : sectionsOf(fuselage)) positions.push_back(s.pos);
    return positions;
}

TEST(MeshSectionsEditing, InsertedSectionLiesOnTheLinesBetweenItsNeighbours) {
    const struct {
        const char* what;
        ViewState view;
        double pos_offset;
        double position;
    } cases[] = {
        {"Side view at zoom 1", testing::pressedAt(500, {1, 0, 0}), 0, 500},
        {"zoomed and offset", testing::pressedAt(320, {0.5, 100, 0}), 20, 420},
    };
    for (const auto& c : cases) {
        MeshSections fuselage;
        fuselage.pos_offset = c.pos_offset;
        fuselage.sel_sec = 3;  // the hit test's gap between sections 2 and 3
        fuselage.insertSection(c.view);
        EXPECT_EQ(fuselage.nb_sections, 4) << c.what;
        EXPECT_EQ(fuselage.sel_sec, 3) << c.what;
        EXPECT_EQ(positionsOf(fuselage), (std::vector<double>{0, 200, c.position, 800})) << c.what;
        // Between (H, W, E) = (100, 100, 10) at 200 and (10, 10, 30) at 800.
        const double share = (c.position - 200) / 600;
        const SectionValues inserted = sectionAt(fuselage, 3);
        EXPECT_DOUBLE_EQ(inserted.height, 100 - 90 * share) << c.what;
        EXPECT_DOUBLE_EQ(inserted.width, 100 - 90 * share) << c.what;
        EXPECT_DOUBLE_EQ(inserted.elevation, 10 + 20 * share) << c.what;
        EXPECT_EQ(inserted.curvature, 1) << c.what;
        EXPECT_EQ(inserted.curvature2, 1) << c.what;
        EXPECT_EQ(inserted.bias, 0.5) << c.what;
        EXPECT_EQ(fuselage.heightGet(), inserted.height) << c.what;  // the new section is selected
    }
    MeshSections fuselage;
    fuselage.sel_sec = 3;
    fuselage.insertSection(testing::pressedAt(500));
    EXPECT_EQ(sectionAt(fuselage, 3), (SectionValues{55, 55, 500, 20, 1, 1, 0.5}));
}

TEST(MeshSectionsEditing, RemovingTheInsertedSectionRestoresTheFuselage) {
    MeshSections fuselage;
    fuselage.sel_sec = 3;
    fuselage.insertSection(testing::pressedAt(500));
    fuselage.removeSection();
    EXPECT_EQ(fuselage.nb_sections, 3);
    EXPECT_EQ(sectionsOf(fuselage), kDefaultSections);
    EXPECT_EQ(savedRecord(fuselage), savedRecord(MeshSections()));
    EXPECT_EQ(fuselage.sel_sec, 3);
    EXPECT_EQ(fuselage.posGet(), 800);
}

// Sections inserted out of storage order, then one removed from the middle:
// the rest keep their values and display order.
TEST(MeshSectionsEditing, RemovalRenumbersAShuffledStorage) {
    MeshSections fuselage;
    fuselage.sel_sec = 3;
    fuselage.insertSection(testing::pressedAt(500));  // slot 4 at display 3
    fuselage.sel_sec = 2;
    fuselage.insertSection(testing::pressedAt(100));  // slot 5 at display 2
    std::vector<SectionValues> expected = sectionsOf(fuselage);
    ASSERT_EQ(positionsOf(fuselage), (std::vector<double>{0, 100, 200, 500, 800}));

    for (int removed : {3, 1, 3}) {  // the sections at 200, at 0, then at 800
        fuselage.sel_sec = static_cast<std::int16_t>(removed);
        fuselage.removeSection();
        expected.erase(expected.begin() + (removed - 1));
        EXPECT_EQ(sectionsOf(fuselage), expected) << removed;
        // Every section is still a storage slot of its own.
        MeshSections probe = fuselage;
        probe.uniqueCurvature = false;
        for (int d = 1; d <= probe.nb_sections; ++d) {
            probe.sel_sec = static_cast<std::int16_t>(d);
            probe.curvatureSet(10 + d);
        }
        for (int d = 1; d <= probe.nb_sections; ++d) EXPECT_EQ(sectionAt(probe, d).curvature, 10 + d) << removed;
    }
    EXPECT_EQ(positionsOf(fuselage), (std::vector<double>{100, 500}));
}

TEST(MeshSectionsEditing, RemovingTheLastSectionLeavesTheSelectionOutside) {
    MeshSections fuselage;
    fuselage.sel_sec = 3;
    fuselage.removeSection();
    EXPECT_EQ(fuselage.nb_sections, 2);
    EXPECT_EQ(fuselage.sel_sec, 3);
    EXPECT_EQ(fuselage.heightGet(), 0);
    EXPECT_EQ(sectionsOf(fuselage), (std::vector<SectionValues>{kDefaultSections[0], kDefaultSections[1]}));
}

TEST(MeshSectionsEditing, InsertAndRemoveRefuseWhatTheyCannotDo) {
    const auto fuselageWithout = [](const std::function<void(MeshSections&)>& change) {
        MeshSections fuselage;
        change(fuselage);
        return fuselage;
    };
    const auto twoSections = fuselageWith({{10, 10, 0, 0}, {20, 20, 100, 0}});
    const auto samePositions = fuselageWith({{10, 10, 50, 0}, {20, 20, 50, 0}, {30, 30, 90, 0}});
    const struct {
        const char* what;
        MeshSections fuselage;
        std::int16_t sel_sec;
        ViewState view;
        bool insert;
    } cases[] = {
        {"insert before the first section", MeshSections(), 1, testing::pressedAt(100), true},
        {"insert after the last section", MeshSections(), 4, testing::pressedAt(900), true},
        {"insert with no selection", MeshSections(), 0, testing::pressedAt(100), true},
        {"insert between sections at one position", samePositions, 2, testing::pressedAt(50), true},
        {"insert at zoom 0", MeshSections(), 2, testing::pressedAt(100, {0, 0, 0}), true},
        {"insert far beyond the numbers", MeshSections(), 2, testing::pressedAt(100, {1e-320, 0, 0}), true},
        {"insert without outline points", fuselageWithout([](MeshSections& f) { f.nb_cross = 0; }), 2,
         testing::pressedAt(100), true},
        {"insert at the largest section count", fuselageWithout([](MeshSections& f) {
             f.nb_sections = MeshSections::kMaxSections;
             f.initArrays();
         }), 2, testing::pressedAt(100), true},
        {"remove from two sections", twoSections, 1, {}, false},
        {"remove without outline points", fuselageWithout([](MeshSections& f) { f.nb_cross = 0; }), 2, {}, false},
        {"remove with no selection", MeshSections(), 0, {}, false},
        {"remove after the last section", MeshSections(), 4, {}, false},
    };
    for (const auto& c : cases) {
        MeshSections fuselage = c.fuselage;
        fuselage.sel_sec = c.sel_sec;
        const std::string before = savedRecord(fuselage);
        if (c.insert) {
            fuselage.insertSection(c.view);
        } else {
            fuselage.removeSection();
        }
        EXPECT_EQ(savedRecord(fuselage), before) << c.what;
        EXPECT_EQ(fuselage.sel_sec, c.sel_sec) << c.what;
    }
}

TEST(MeshSectionsEditing, SmoothingMovesInnerSectionsAQuarterOfTheWayToTheirNeighboursLine) {
    using Command = void (MeshSections::*)();
    const struct {
        const char* what;
        std::vector<SectionValues> sections;
        double elevation_offset;
        Command command;
        int passes;
        SectionValues middle;
    } cases[] = {
        {"top", {{10, 10, 0, 0}, {40, 10, 100, 0}, {10, 10, 300, 0}}, 0, &MeshSections::smoothTop, 1,
         {32.5, 10, 100, 0}},
        {"top over a raised bottom", {{10, 10, 0, 0}, {40, 10, 100, 20}, {10, 10, 300, 0}}, 0,
         &MeshSections::smoothTop, 1, {27.5, 10, 100, 20}},  // top 60 becomes 0.75 * 60 + 0.25 * 10
        {"top with an elevation offset", {{10, 10, 0, 0}, {40, 10, 100, 20}, {10, 10, 300, 0}}, 5,
         &MeshSections::smoothTop, 1, {27.5, 10, 100, 20}},
        {"bottom", {{10, 10, 0, 0}, {40, 10, 100, 20}, {10, 10, 300, 0}}, 0, &MeshSections::smoothDown, 1,
         {45, 10, 100, 15}},
        {"bottom with an elevation offset", {{10, 10, 0, 0}, {40, 10, 100, 20}, {10, 10, 300, 0}}, 5,
         &MeshSections::smoothDown, 1, {45, 10, 100, 15}},
        {"width", {{1, 10, 0, 0}, {1, 40, 100, 0}, {1, 30, 400, 0}}, 0, &MeshSections::SmoothWidth, 1,
         {1, 33.75, 100, 0}},
        {"width nearer the rear", {{1, 10, 0, 0}, {1, 40, 300, 0}, {1, 30, 400, 0}}, 0, &MeshSections::SmoothWidth,
         1, {1, 36.25, 300, 0}},
        {"width twice", {{1, 10, 0, 0}, {1, 40, 100, 0}, {1, 30, 400, 0}}, 0, &MeshSections::SmoothWidth, 2,
         {1, 0.75 * 33.75 + 0.25 * 15, 100, 0}},
        {"neighbours at one position", {{1, 10, 50, 0}, {1, 40, 100, 0}, {1, 30, 50, 0}}, 0,
         &MeshSections::SmoothWidth, 1, {1, 40, 100, 0}},
    };
    for (const auto& c : cases) {
        MeshSections fuselage = fuselageWith(c.sections);
        fuselage.elevation_offset = c.elevation_offset;
        for (int pass = 0; pass < c.passes; ++pass) (fuselage.*c.command)();
        const auto result = sectionsOf(fuselage);
        EXPECT_EQ(result[0], c.sections[0]) << c.what;
        EXPECT_EQ(result[2], c.sections[2]) << c.what;
        EXPECT_DOUBLE_EQ(result[1].height, c.middle.height) << c.what;
        EXPECT_DOUBLE_EQ(result[1].width, c.middle.width) << c.what;
        EXPECT_EQ(result[1].pos, c.middle.pos) << c.what;
        EXPECT_DOUBLE_EQ(result[1].elevation, c.middle.elevation) << c.what;
    }
}

TEST(MeshSectionsEditing, SmoothingUsesUnsmoothedNeighboursInDisplayOrder) {
    // Display positions 0, 200, 500, 800 with the section at 500 in storage slot 4.
    MeshSections fuselage;
    fuselage.sel_sec = 3;
    fuselage.insertSection(testing::pressedAt(500));
    fuselage.sel_sec = 4;
    fuselage.widthSet(30);
    fuselage.SmoothWidth();
    const auto widths = sectionsOf(fuselage);
    EXPECT_EQ(widths[0].width, 20);
    // Section 2: neighbours 20 at 0 and 55 at 500 (before the pass), line value 34.
    EXPECT_DOUBLE_EQ(widths[1].width, 0.75 * 100 + 0.25 * 34);
    // Section 3: neighbours 100 at 200 (before the pass) and 30 at 800, line value 65.
    EXPECT_DOUBLE_EQ(widths[2].width, 0.75 * 55 + 0.25 * 65);
    EXPECT_EQ(widths[3].width, 30);
}

TEST(MeshSectionsEditing, TwoSectionsAreLeftAsTheyAreBySmoothing) {
    MeshSections fuselage = fuselageWith({{10, 20, 0, 5}, {40, 50, 100, 0}});
    const std::string before = savedRecord(fuselage);
    fuselage.smoothTop();
    fuselage.smoothDown();
    fuselage.SmoothWidth();
    EXPECT_EQ(savedRecord(fuselage), before);
}

}  // namespace
}  // namespace ferlo
