#include "document/print_jobs.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <vector>

#include <gtest/gtest.h>

#include "document/plane_operations.h"
#include "support/fuselage_sections.h"
#include "support/recording_print.h"

namespace ferlo {
namespace {

using Segment = RecordingCanvas::Segment;
using Page = std::vector<Segment>;
using testing::RecordingDocuments;

// A default aircraft whose fuselage has its sections at these positions
// (40 high on the axis, 30 wide, eight outline points).
Plane planeWithSectionsAt(std::vector<double> positions) {
    Plane plane;
    newPlane(plane);
    std::vector<testing::SectionValues> sections;
    for (double pos : positions) sections.push_back({40, 30, pos, 0});
    MeshSections fuselage = testing::fuselageWith(sections);
    fuselage.nb_cross = 8;
    fuselage.initArrays();
    plane.fuselages.fuselage(1) = fuselage;
    return plane;
}

// A vertical line at x from y1 to y2 (either way round) is on the page.
bool hasVerticalLine(const Page& page, double x, double y1, double y2) {
    return std::any_of(page.begin(), page.end(), [&](const Segment& s) {
        return std::abs(s.x1 - x) < 1e-9 && std::abs(s.x2 - x) < 1e-9 &&
               std::abs(std::min(s.y1, s.y2) - std::min(y1, y2)) < 1e-9 &&
               std::abs(std::max(s.y1, s.y2) - std::max(y1, y2)) < 1e-9;
    });
}

struct TileCase {
    double length;  // the fuselage's rear end in millimetres, its front end at 0
    LengthUnit unit;
    double pageWidth;  // in the unit
    std::size_t sidePages, htopPages;
};

// One page more than the whole page widths in the plan, tiled from the
// origin: the last page shows the rear end, even when the length is an exact
// multiple of the page width. The Side plan reaches to the fin's trailing
// tip (830 mm), the HTop plan to the fuselage's rear end. The Side view has
// the fuselage's lowest point on the bottom edge; the HTop view has the axis
// across the middle.
TEST(PrintJobs, SideAndHTopTileThePlanAtFullSize) {
    const TileCase cases[] = {
        {850, LengthUnit::Millimeters, 190, 5, 5},    // the fifth page shows 760 to 950
        {760, LengthUnit::Millimeters, 190, 5, 5},    // an exact multiple: the fifth starts at the rear end
        {850, LengthUnit::Inches, 190 / 25.4, 5, 5},  // 33.46 in on pages 7.48 in wide
        {750, LengthUnit::Millimeters, 190, 5, 4},    // the fin reaches past the fuselage
    };
    for (const TileCase& c : cases) {
        SCOPED_TRACE(c.length);
        const double height = 270;
        Plane plane = planeWithSectionsAt({0, c.length / 2, c.length});
        switchUnits(plane, c.unit);
        const double k = c.unit == LengthUnit::Inches ? 1 / 25.4 : 1;  // unit per millimetre
        RecordingDocuments documents(c.pageWidth, height);
        PrintSelection selection;
        selection.Side = true;
        selection.htop = true;
        printViews(plane, selection, {}, documents);
        ASSERT_EQ(documents.jobs(), (std::vector<PrintJob>{PrintJob::Side, PrintJob::HTop}));
        const auto& side = documents.documents[0];
        const auto& htop = documents.documents[1];
        EXPECT_TRUE(side.ended);
        EXPECT_TRUE(htop.ended);
        ASSERT_EQ(side.pages.size(), c.sidePages);
        ASSERT_EQ(htop.pages.size(), c.htopPages);
        const double rear = c.length * k;
        // Section lines 40 high standing on the bottom edge.
        EXPECT_TRUE(hasVerticalLine(side.pages.front(), 0, height - 40 * k, height));
        EXPECT_TRUE(
            hasVerticalLine(side.pages.back(), rear - (c.sidePages - 1) * c.pageWidth, height - 40 * k, height));
        // Section lines 30 wide centred on the middle of the page.
        const double top = height / 2 - 15 * k;
        const double bottom = height / 2 + 15 * k;
        EXPECT_TRUE(hasVerticalLine(htop.pages.front(), 0, top, bottom));
        EXPECT_TRUE(hasVerticalLine(htop.pages.back(), rear - (c.htopPages - 1) * c.pageWidth, top, bottom));
    }
}

// A fuselage reaching ahead of the origin is tiled from its front end, so
// none of it is lost: from -100 to the fin's tip at 830 in the Side view,
// to the fuselage's rear end at 300 in the HTop view.
TEST(PrintJobs, AFuselageAheadOfTheOriginIsTiledFromItsFrontEnd) {
    Plane plane = planeWithSectionsAt({-100, 100, 300});
    RecordingDocuments documents(190, 270);
    PrintSelection selection;
    selection.Side = true;
    selection.htop = true;
    printViews(plane, selection, {}, documents);
    const auto& side = documents.documents[0].pages;
    const auto& htop = documents.documents[1].pages;
    ASSERT_EQ(side.size(), 5u);
    ASSERT_EQ(htop.size(), 3u);
    // Side: 40 high on the bottom edge; HTop: 30 wide across the middle.
    EXPECT_TRUE(hasVerticalLine(side[0], 0, 230, 270));
    EXPECT_TRUE(hasVerticalLine(side[2], 400 - 2 * 190, 230, 270));
    EXPECT_TRUE(hasVerticalLine(htop[0], 0, 120, 150));
    EXPECT_TRUE(hasVerticalLine(htop[2], 400 - 2 * 190, 120, 150));
}

// One page a section, each with the page's two centre lines first, the
// section centred on the vertical one (one outline, also for a fuselage
// pair) and the fuselage's middle height on the horizontal one.
TEST(PrintJobs, CrossSectionsOnePageEachOnTheCentreLines) {
    Plane plane = planeWithSectionsAt({0, 100, 200, 300});
    plane.fuselages.fuselage(1).shift = 12;
    RecordingDocuments documents(190, 270);
    PrintSelection selection;
    selection.frontSections = true;
    printViews(plane, selection, {}, documents);
    ASSERT_EQ(documents.documents.size(), 1u);
    const auto& pages = documents.documents[0].pages;
    ASSERT_EQ(pages.size(), 4u);
    for (const Page& page : pages) {
        ASSERT_EQ(page.size(), 2u + 8u);  // centre lines, eight outline lines
        EXPECT_EQ((std::vector<double>{page[0].x1, page[0].y1, page[0].x2, page[0].y2}),
                  (std::vector<double>{95, 0, 95, 270}));
        EXPECT_EQ((std::vector<double>{page[1].x1, page[1].y1, page[1].x2, page[1].y2}),
                  (std::vector<double>{0, 135, 190, 135}));
        EXPECT_EQ(page[0].color, kBlack);
        double left = 1e9, right = -1e9, top = 1e9, bottom = -1e9;
        for (std::size_t i = 2; i < page.size(); ++i) {
            EXPECT_EQ(page[i].color, plane.colorInactive);
            left = std::min({left, page[i].x1, page[i].x2});
            right = std::max({right, page[i].x1, page[i].x2});
            top = std::min({top, page[i].y1, page[i].y2});
            bottom = std::max({bottom, page[i].y1, page[i].y2});
        }
        EXPECT_NEAR((left + right) / 2, 95, 1e-9);
        EXPECT_NEAR(top, 135 - 20, 1e-9);
        EXPECT_NEAR(bottom, 135 + 20, 1e-9);
    }
}

// Every view picked is a document of its own, in the order Side,
// cross-sections, plan, front, fuselage top; the aircraft keeps its current
// fuselage.
TEST(PrintJobs, EachViewIsADocumentOfItsOwnInAFixedOrder) {
    Plane plane;
    newPlane(plane);
    plane.fuselages.addFuselage(false, plane.units, plane.defaultColor);
    plane.fuselages.addFuselage(false, plane.units, plane.defaultColor);
    plane.fuselages.currentFuselage = 2;
    PrintScreen screen;
    screen.plan.zoom = 0.5;
    screen.plan.xoff = 300;
    screen.plan.yoff = 40;
    screen.front = screen.plan;
    screen.width = 600;
    RecordingDocuments documents(190, 270);
    printViews(plane, {true, true, true, true, true}, screen, documents);
    EXPECT_EQ(documents.jobs(), (std::vector<PrintJob>{PrintJob::Side, PrintJob::Sections, PrintJob::Plan,
                                                       PrintJob::Front, PrintJob::HTop}));
    for (const testing::PrintedDocument& document : documents.documents) {
        EXPECT_TRUE(document.ended);
        EXPECT_FALSE(document.pages.front().empty());
    }
    EXPECT_EQ(plane.fuselages.currentFuselage, 2);

    // The plan as the screen shows it, scaled by 190 / 600: wing panel 1's
    // root leading corner 180 aft of the origin, the origin where the screen
    // has it, 40 pixels down.
    const double r = 190.0 / 600;
    const Segment& first = documents.documents[2].pages[0][0];
    EXPECT_NEAR(first.x1, 300 * r, 1e-9);
    EXPECT_NEAR(first.y1, (40 + 180 * 0.5) * r, 1e-9);
    EXPECT_EQ(documents.documents[2].pages.size(), 1u);
    EXPECT_EQ(documents.documents[3].pages.size(), 1u);
}

// The first failure ends the printing: the documents before it are printed
// and ended, nothing after it begins.
TEST(PrintJobs, AFailureEndsThePrintingThere) {
    Plane plane;
    newPlane(plane);
    PrintScreen screen;
    screen.width = 600;
    RecordingDocuments documents(190, 270);
    documents.failing = PrintJob::Plan;
    EXPECT_THROW(printViews(plane, {true, true, true, true, true}, screen, documents), WriteError);
    EXPECT_EQ(documents.jobs(), (std::vector<PrintJob>{PrintJob::Side, PrintJob::Sections}));
    EXPECT_TRUE(documents.documents[1].ended);
}

TEST(PrintJobs, TiledPageCountLimits) {
    EXPECT_EQ(tiledPageCount(0, 850, 190), 5);
    EXPECT_EQ(tiledPageCount(0, 189.9, 190), 1);
    // A fuselage without sections has no extent: one page.
    EXPECT_EQ(tiledPageCount(0, -10000000, 190), 1);
    EXPECT_EQ(tiledPageCount(0, -INFINITY, 190), 1);
    EXPECT_EQ(tiledPageCount(0, kMaxTiledPages * 190.0 - 1, 190), kMaxTiledPages);
    EXPECT_THROW(tiledPageCount(0, kMaxTiledPages * 190.0, 190), std::length_error);
    EXPECT_THROW(tiledPageCount(0, INFINITY, 190), std::length_error);
    EXPECT_THROW(tiledPageCount(0, 850, 0), WriteError);
    EXPECT_THROW(tiledPageCount(0, 850, NAN), WriteError);

    // The plan and front pages need the drawing area's width.
    Plane plane;
    newPlane(plane);
    RecordingDocuments documents(190, 270);
    PrintSelection plan;
    plan.vtop = true;
    EXPECT_THROW(printViews(plane, plan, {}, documents), WriteError);
}

}  // namespace
}  // namespace ferlo
