#include "fuselage/mesh_sections.h"

#include <cmath>
#include <limits>
#include <sstream>
#include <stdexcept>
#include <vector>

#include <gtest/gtest.h>

#include "support/fuselage_sections.h"
#include "support/view_testing.h"

namespace ferlo {
namespace {

using testing::fuselageWith;
using testing::savedRecord;
using testing::sectionAt;
using testing::sectionsOf;
using testing::SectionValues;

const std::vector<SectionValues> kDefaultSections{
    {20, 20, 0, 10, 1, 1, 0.5},
    {100, 100, 200, 10, 1, 1, 0.5},
    {10, 10, 800, 30, 1, 1, 0.5},
};

std::vector<SectionValues> lengthsDividedBy(std::vector<SectionValues> sections, double divisor) {
    for (auto& s : sections) {
        for (double* length : {&s.height, &s.width, &s.pos, &s.elevation}) *length /= divisor;
    }
    return sections;
}

TEST(MeshSections, NewFuselageHasThreeDefaultSectionsInEitherUnit) {
    const struct {
        LengthUnit units;
        double divisor;
    } cases[] = {{LengthUnit::Millimeters, 1.0}, {LengthUnit::Inches, 25.4}};
    for (const auto& c : cases) {
        const MeshSections fuselage(c.units, {1, 2, 3});
        EXPECT_EQ(fuselage.nb_sections, 3);
        EXPECT_EQ(fuselage.nb_cross, 8);
        EXPECT_EQ(sectionsOf(fuselage), lengthsDividedBy(kDefaultSections, c.divisor)) << c.divisor;
        EXPECT_EQ(fuselage.shift, 0);
        EXPECT_EQ(fuselage.pos_offset, 0);
        EXPECT_EQ(fuselage.elevation_offset, 0);
        EXPECT_FALSE(fuselage.transparent);
        EXPECT_TRUE(fuselage.uniqueCurvature);
        EXPECT_TRUE(fuselage.linkedCurvatures);
        EXPECT_EQ(fuselage.paint, 4);
        EXPECT_EQ(fuselage.sel_sec, 1);
        EXPECT_EQ(fuselage.szoom, 10);  // not a length
        EXPECT_EQ(fuselage.colorGet(), (ColorRGB{1, 2, 3}));
        EXPECT_EQ(fuselage.texture_filename(), "");
        EXPECT_EQ(fuselage.qualified_texture_filename(), "");
        EXPECT_FALSE(fuselage.texture_loaded);
    }
    EXPECT_EQ(MeshSections().colorGet(), kDefaultPartColor);
}

TEST(MeshSections, ExtentsCoverEverySectionWithTheOffsets) {
    const struct {
        const char* what;
        MeshSections fuselage;
        double start, length, minElevation, maxElevation, maxWidth;
    } cases[] = {
        {"default", MeshSections(), 0, 800, 10, 110, 100},
        {"offsets", [] {
             MeshSections f;
             f.pos_offset = 50;
             f.elevation_offset = -5;
             f.shift = 30;  // no extent reads it
             return f;
         }(), 50, 850, 5, 105, 100},
        {"negative positions", fuselageWith({{5, 5, -40, -3}, {8, 2, -90, 1}}), -90, -40, -3, 9, 5},
        // Far from the origin every extent is still one of the sections'.
        {"far above and aft", fuselageWith({{10, 4, 2e7, 200000}, {20, 6, 3e7, 300000}}), 2e7, 3e7, 200000, 300020, 6},
        {"far below and ahead", fuselageWith({{10, 4, -3e7, -3e7}, {20, 6, -2e7, -2e7}}), -3e7, -2e7, -3e7,
         -2e7 + 20, 6},
        // Without sections the fuselage stands at its offsets.
        {"no sections", [] {
             MeshSections f;
             f.pos_offset = 7;
             f.elevation_offset = 2;
             f.nb_sections = 0;
             f.initArrays();
             return f;
         }(), 7, 7, 2, 2, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.fuselage.startpoint(), c.start) << c.what;
        EXPECT_EQ(c.fuselage.lengthPoint(), c.length) << c.what;
        EXPECT_EQ(c.fuselage.minElevationPoint(), c.minElevation) << c.what;
        EXPECT_EQ(c.fuselage.maxElevationPoint(), c.maxElevation) << c.what;
        EXPECT_EQ(c.fuselage.maxWidthPoint(), c.maxWidth) << c.what;
    }
}

TEST(MeshSections, CopyTakesTheSectionsInDisplayOrderAndLeavesTheRest) {
    MeshSections source(LengthUnit::Millimeters, {10, 20, 30});
    // A section inserted at 500 stands in storage slot 4 but at display index 3.
    source.sel_sec = 3;
    source.insertSection(testing::pressedAt(500));
    source.sel_sec = 2;
    source.nb_cross = 12;
    source.initArrays();
    source.shift = 30;
    source.pos_offset = 50;
    source.elevation_offset = 7;
    source.transparent = true;
    source.uniqueCurvature = false;
    source.linkedCurvatures = false;
    source.szoom = 12;
    source.paint = 2;
    source.setTexture("/textures/wood.bmp");
    source.texture_loaded = true;
    const std::vector<SectionValues> sections = sectionsOf(source);

    const MeshSections copy = MeshSections::copyOf(source);

    EXPECT_EQ(sectionsOf(copy), sections);
    EXPECT_EQ(sections[2].pos, 500);
    EXPECT_EQ(copy.nb_sections, 4);
    EXPECT_EQ(copy.nb_cross, 12);
    EXPECT_TRUE(copy.transparent);
    EXPECT_FALSE(copy.uniqueCurvature);
    EXPECT_FALSE(copy.linkedCurvatures);
    EXPECT_EQ(copy.colorGet(), (ColorRGB{10, 20, 30}));
    EXPECT_EQ(copy.shift, 0);
    EXPECT_EQ(copy.pos_offset, 0);
    EXPECT_EQ(copy.elevation_offset, 0);
    EXPECT_EQ(copy.szoom, 0);
    EXPECT_EQ(copy.sel_sec, 1);
    EXPECT_EQ(copy.paint, 4);
    EXPECT_EQ(copy.texture_filename(), "");
    EXPECT_EQ(copy.qualified_texture_filename(), "");
    EXPECT_FALSE(copy.texture_loaded);
    // The source's sections are unchanged, its last section now selected.
    EXPECT_EQ(sectionsOf(source), sections);
    EXPECT_EQ(source.sel_sec, 4);
}

TEST(MeshSections, NewFuselageCopiesTheCurrentOneOnlyWithCtrl) {
    MeshSections current = fuselageWith({{1, 2, 3, 4}, {5, 6, 7, 8}});
    current.shift = 9;

    const MeshSections copied = MeshSections::newFuselage(true, current, LengthUnit::Inches, {1, 1, 1});
    EXPECT_EQ(sectionsOf(copied), sectionsOf(current));  // already in the current unit
    EXPECT_EQ(copied.colorGet(), kDefaultPartColor);      // the current one's colour

    const MeshSections fresh = MeshSections::newFuselage(false, current, LengthUnit::Inches, {1, 1, 1});
    EXPECT_EQ(sectionsOf(fresh), lengthsDividedBy(kDefaultSections, 25.4));
    EXPECT_EQ(fresh.colorGet(), (ColorRGB{1, 1, 1}));
}

TEST(MeshSections, SelectedSectionSettersFollowTheSelectionAndTheUniqueCurvatureRule) {
    using Setter = void (MeshSections::*)(double);
    const struct {
        const char* what;
        Setter setter;
        double SectionValues::*field;
        bool unique;
        int sel_sec;
        std::vector<int> changed;  // display indices that take the value
    } cases[] = {
        {"upper exponent, unique", &MeshSections::curvatureSet, &SectionValues::curvature, true, 2, {1, 2, 3}},
        {"upper exponent, one", &MeshSections::curvatureSet, &SectionValues::curvature, false, 2, {2}},
        {"upper exponent, none selected", &MeshSections::curvatureSet, &SectionValues::curvature, true, 0, {}},
        {"lower exponent, unique", &MeshSections::curvature2Set, &SectionValues::curvature2, true, 3, {1, 2, 3}},
        {"bias, unique", &MeshSections::bias_curveSet, &SectionValues::bias, true, 1, {1, 2, 3}},
        {"bias, after the last", &MeshSections::bias_curveSet, &SectionValues::bias, true, 4, {}},
        {"width, unique", &MeshSections::widthSet, &SectionValues::width, true, 2, {2}},
        {"height", &MeshSections::heightSet, &SectionValues::height, true, 3, {3}},
        {"position", &MeshSections::posSet, &SectionValues::pos, true, 1, {1}},
        {"elevation, negative selection", &MeshSections::elevationSet, &SectionValues::elevation, true, -1, {}},
    };
    for (const auto& c : cases) {
        MeshSections fuselage;
        fuselage.uniqueCurvature = c.unique;
        fuselage.sel_sec = static_cast<std::int16_t>(c.sel_sec);
        (fuselage.*c.setter)(2.5);
        std::vector<SectionValues> expected = kDefaultSections;
        for (int d : c.changed) expected[static_cast<std::size_t>(d - 1)].*c.field = 2.5;
        EXPECT_EQ(sectionsOf(fuselage), expected) << c.what;

        // No setter stores a value that is not finite.
        for (double bad : {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity()}) {
            (fuselage.*c.setter)(bad);
            EXPECT_EQ(sectionsOf(fuselage), expected) << c.what;
        }
    }
}

TEST(MeshSections, GettersReadTheSelectedSectionAndZeroOutsideTheSections) {
    MeshSections fuselage;
    fuselage.sel_sec = 2;
    EXPECT_EQ(fuselage.heightGet(), 100);
    EXPECT_EQ(fuselage.posGet(), 200);
    for (int outside : {0, -3, 4, 32767}) {
        fuselage.sel_sec = static_cast<std::int16_t>(outside);
        EXPECT_EQ(sectionAt(fuselage, outside), (SectionValues{0, 0, 0, 0, 0, 0, 0})) << outside;
        EXPECT_EQ(fuselage.heightGet(), 0) << outside;
    }
}

TEST(MeshSections, FillCurvatureArraysCopiesTheUpperExponentAndCentresTheBias) {
    MeshSections fuselage =
        fuselageWith({{1, 1, 0, 0, 1.5, 7, 0.1}, {1, 1, 1, 0, 2, 8, 0.2}, {1, 1, 2, 0, 3, 9, 0.9}});
    fuselage.fillCurvatureArrays();
    const auto sections = sectionsOf(fuselage);
    for (std::size_t i = 0; i < sections.size(); ++i) {
        EXPECT_EQ(sections[i].curvature, (std::vector<double>{1.5, 2, 3}[i]));
        EXPECT_EQ(sections[i].curvature2, sections[i].curvature);
        EXPECT_EQ(sections[i].bias, 0.5);
    }
}

TEST(MeshSections, RescaleAndUnitSwitchConvertTheSevenLengthsOnly) {
    MeshSections fuselage = fuselageWith({{20, 30, -40, 10, 1.5, 2.5, 0.25}, {100, 90, 200, 5, 0.5, 3, 0.75}});
    fuselage.shift = 30;
    fuselage.pos_offset = -12.5;
    fuselage.elevation_offset = 4;
    fuselage.colorSet({10, 20, 30});
    fuselage.szoom = 7;

    MeshSections doubled = fuselage;
    doubled.rescale(2);
    EXPECT_EQ(sectionsOf(doubled), (std::vector<SectionValues>{{40, 60, -80, 20, 1.5, 2.5, 0.25},
                                                               {200, 180, 400, 10, 0.5, 3, 0.75}}));
    EXPECT_EQ(doubled.shift, 60);
    EXPECT_EQ(doubled.pos_offset, -25);
    EXPECT_EQ(doubled.elevation_offset, 8);
    EXPECT_EQ(doubled.colorGet(), (ColorRGB{10, 20, 30}));
    EXPECT_EQ(doubled.szoom, 7);
    EXPECT_EQ(doubled.nb_cross, 8);

    MeshSections inches = fuselage;
    inches.switchToInches();
    EXPECT_EQ(inches.shift, 30 / 25.4);
    EXPECT_EQ(sectionAt(inches, 2).width, 90 / 25.4);
    EXPECT_EQ(sectionAt(inches, 2).bias, 0.75);
    inches.switchToMillimeters();
    const auto back = sectionsOf(inches);
    const auto original = sectionsOf(fuselage);
    for (std::size_t i = 0; i < back.size(); ++i) {
        EXPECT_DOUBLE_EQ(back[i].height, original[i].height);
        EXPECT_DOUBLE_EQ(back[i].width, original[i].width);
        EXPECT_DOUBLE_EQ(back[i].pos, original[i].pos);
        EXPECT_DOUBLE_EQ(back[i].elevation, original[i].elevation);
    }
    EXPECT_DOUBLE_EQ(inches.pos_offset, -12.5);
}

TEST(MeshSections, ARescaleThatWouldOverflowChangesNothing) {
    for (double k : {1e307, std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity()}) {
        MeshSections fuselage;
        fuselage.shift = 1;  // the only length small enough to stay finite at 1e307
        const std::string before = savedRecord(fuselage);
        EXPECT_THROW(fuselage.rescale(k), std::overflow_error) << k;
        EXPECT_EQ(savedRecord(fuselage), before) << k;
    }
}

TEST(MeshSections, InitArraysKeepsTheSectionsAndGivesNewOnesZeros) {
    MeshSections fuselage;
    fuselage.nb_sections = 4;
    fuselage.initArrays();
    std::vector<SectionValues> expected = kDefaultSections;
    expected.push_back({0, 0, 0, 0, 0, 0, 0});
    EXPECT_EQ(sectionsOf(fuselage), expected);
    // The new section is one of its own: setting it changes no other.
    fuselage.sel_sec = 4;
    fuselage.uniqueCurvature = false;
    fuselage.posSet(900);
    fuselage.curvatureSet(2);
    expected[3].pos = 900;
    expected[3].curvature = 2;
    EXPECT_EQ(sectionsOf(fuselage), expected);
    EXPECT_EQ(fuselage.lengthPoint(), 900);

    // Shrinking drops the last sections.
    fuselage.nb_sections = 2;
    fuselage.initArrays();
    EXPECT_EQ(sectionsOf(fuselage), (std::vector<SectionValues>{kDefaultSections[0], kDefaultSections[1]}));
}

TEST(MeshSections, InitArraysShrinkingAShuffledStorageKeepsEachSectionInASlotOfItsOwn) {
    MeshSections fuselage;
    fuselage.sel_sec = 3;
    fuselage.insertSection(testing::pressedAt(500));  // storage slot 4, display index 3
    fuselage.nb_sections = 3;
    fuselage.initArrays();
    // Storage slot 4 is gone; the display index that named it takes the free slot 3.
    EXPECT_EQ(sectionsOf(fuselage), kDefaultSections);
    fuselage.nb_sections = 4;
    fuselage.initArrays();
    fuselage.uniqueCurvature = false;
    for (int d = 1; d <= 4; ++d) {
        fuselage.sel_sec = static_cast<std::int16_t>(d);
        fuselage.curvatureSet(10 + d);
    }
    for (int d = 1; d <= 4; ++d) EXPECT_EQ(sectionAt(fuselage, d).curvature, 10 + d) << d;
}

TEST(MeshSections, InitArraysBringsTheCountsWithinTheirBounds) {
    const struct {
        std::int16_t nb_sections, nb_cross;
        std::int16_t expectedSections, expectedCross;
    } cases[] = {
        {3, -4, 3, 0},
        {-2, 8, 0, 8},
        {32767, 32767, MeshSections::kMaxSections, MeshSections::kMaxCrossPoints},
        {MeshSections::kMaxSections, MeshSections::kMaxCrossPoints, MeshSections::kMaxSections,
         MeshSections::kMaxCrossPoints},
    };
    for (const auto& c : cases) {
        MeshSections fuselage;
        fuselage.nb_sections = c.nb_sections;
        fuselage.nb_cross = c.nb_cross;
        fuselage.initArrays();
        EXPECT_EQ(fuselage.nb_sections, c.expectedSections) << c.nb_sections;
        EXPECT_EQ(fuselage.nb_cross, c.expectedCross) << c.nb_cross;
        fuselage.sel_sec = fuselage.nb_sections;
        fuselage.heightSet(5);
        EXPECT_EQ(fuselage.heightGet(), fuselage.nb_sections > 0 ? 5 : 0);
    }
}

// The counts are public: set past the arrays without initArrays, every
// operation still stays inside them (the sanitizer build checks the reads).
TEST(MeshSections, CountsSetPastTheArraysNeverLeadOutsideThem) {
    MeshSections fuselage;
    fuselage.nb_sections = 50;
    fuselage.nb_cross = 5000;
    fuselage.sel_sec = 40;
    fuselage.heightSet(3);
    fuselage.curvatureSet(3);
    EXPECT_EQ(fuselage.heightGet(), 0);
    EXPECT_EQ(fuselage.lengthPoint(), 800);
    EXPECT_EQ(fuselage.maxWidthPoint(), 100);
    fuselage.fillCurvatureArrays();
    fuselage.smoothTop();
    fuselage.smoothDown();
    fuselage.SmoothWidth();
    fuselage.insertSection(testing::pressedAt(100));
    fuselage.removeSection();
    fuselage.rescale(2);
    fuselage.create();
    EXPECT_EQ(fuselage.pointGet(1, 3).x, 1600);
    EXPECT_EQ(fuselage.pointGet(1, 40), Point3D{});
    EXPECT_EQ(fuselage.pointGet(1, 40, true), Point3D{});
    EXPECT_EQ(fuselage.texcoordGet(6000, 2), Point2D{});
    EXPECT_EQ(fuselage.outlinePoint(40, 1), Point2D{});
    // The record names 50 sections and holds 50 (zero past the third), so it reads back.
    fuselage.nb_cross = 8;
    std::istringstream in(savedRecord(fuselage));
    ValueReader reader(in, "fuselage.flx");
    MeshSections reread;
    reread.read(reader);
    EXPECT_EQ(reread.nb_sections, 50);
    EXPECT_EQ(sectionAt(reread, 3).pos, 1600);
    EXPECT_EQ(sectionAt(reread, 50), (SectionValues{0, 0, 0, 0, 0, 0, 0}));
}

TEST(MeshSections, ColourIsCopiedInAndOut) {
    MeshSections fuselage;
    ColorRGB colour = fuselage.colorGet();
    colour.red = 1;
    EXPECT_EQ(fuselage.colorGet(), kDefaultPartColor);
    fuselage.colorSet(colour);
    EXPECT_EQ(fuselage.colorGet(), (ColorRGB{1, 200, 200}));
}

}  // namespace
}  // namespace ferlo
