#include <array>
#include <vector>

#include <gtest/gtest.h>

#include "support/default_aircraft.h"
#include "support/view_testing.h"
#include "surfaces/main_wing.h"

namespace ferlo {
namespace {

using Segment = RecordingCanvas::Segment;
using testing::RecordedView;

// The default first panel and two added ones, drawn in the VTop view at zoom 1
// with the origin at (100, 40): panel 1's tip chord and panel 2's root chord
// share x 800, y 230 to 380; panel 2's tip and panel 3's root lie at x 1010.
struct ThreePanelWing {
    MainWing wing = testing::defaultMainWing();
    RecordedView screen{1, 100, 40};

    ThreePanelWing() {
        for (std::int16_t n = 2; n <= 3; ++n) {
            wing.nbWings = n;
            wing.addWing();
        }
        for (int i = 1; i <= 3; ++i) wing.wing(i).drawVTop(screen.context());
        for (int i = 1; i <= 3; ++i) wing.wing(i).drawFront(screen.context());  // elevation 50 is at y -10
        screen.canvas.reset();
    }

    // A mouse move as the views make it: panel by panel, in order.
    void selectsVTop(double x, double y) {
        for (int i = 1; i <= 3; ++i) wing.wing(i).selectsVTop(screen.context(), x, y);
    }
    void selectsFront(double x, double y) {
        for (int i = 1; i <= 3; ++i) wing.wing(i).selectsFront(screen.context(), x, y);
    }

    std::array<std::int32_t, 3> paints() const {
        return {wing.wing(1).paint, wing.wing(2).paint, wing.wing(3).paint};
    }
};

TEST(MainWingViews, MouseDownGrabsTheRootOfEveryPanelOutboardOfAGrabbedRoot) {
    struct Case {
        const char* what;
        double x, y;
        std::array<std::int32_t, 3> paints;
    };
    const Case cases[] = {
        {"edge shared by panels 1 and 2", 800, 305, {0, 4, 4}},
        {"root edge of panel 1", 100, 340, {4, 4, 4}},
        // Panel 2's tip leading corner is panel 3's root leading corner: each
        // answers for its own, and with no root edge grabbed nothing follows.
        {"corner shared by panels 2 and 3", 1010, 230, {5, 6, 7}},
        {"tip edge of panel 3", 1073, 250, {5, 5, 0}},
        {"nothing", 50, 50, {5, 5, 5}},
    };
    for (const Case& c : cases) {
        ThreePanelWing w;
        w.wing.wing(3).initval = -1;
        w.screen.pressAt(static_cast<std::int16_t>(c.x), static_cast<std::int16_t>(c.y));
        w.wing.initMouseValVTopWings(w.screen.view, c.x, c.y);
        EXPECT_EQ(w.paints(), c.paints) << c.what;
        if (c.paints[2] == SymWingSections::kHitRootEdge) {
            EXPECT_EQ(w.wing.wing(3).initval, 190) << c.what;  // pos1, its start value
        }
    }
}

TEST(MainWingViews, PanelsSharingAGrabbedEdgeMoveTogether) {
    for (bool shift : {false, true}) {
        ThreePanelWing w;
        w.screen.view.shiftkey = shift;
        w.screen.pressAt(800, 305);
        w.wing.initMouseValVTopWings(w.screen.view, 800, 305);
        w.selectsVTop(820, 340);  // 20 outward, 35 aft
        const SymWingSections& p1 = w.wing.wing(1);
        const SymWingSections& p2 = w.wing.wing(2);
        const SymWingSections& p3 = w.wing.wing(3);
        if (shift) {
            EXPECT_EQ(p1.span, 720);
            EXPECT_EQ(p2.shift, 720);
            EXPECT_EQ(p3.shift, 930);
            EXPECT_EQ(p2.pos1, 190);
        } else {
            EXPECT_EQ(p1.pos2, 45);
            EXPECT_EQ(p2.pos1, 225);
            EXPECT_EQ(p3.pos1, 225);
            EXPECT_EQ(p2.shift, 700);
        }
        // The shared edge is still one: panel 1's tip is panel 2's root.
        EXPECT_EQ(p1.pos1 + p1.pos2, p2.pos1);
        EXPECT_EQ(p1.shift + p1.span, p2.shift);
        EXPECT_EQ(p2.pos1 + p2.pos2, p3.pos1);
        EXPECT_EQ(p2.shift + p2.span, p3.shift);
    }
}

TEST(MainWingViews, FrontRootBarOfTheFirstPanelRaisesTheWholeWing) {
    ThreePanelWing w;
    // Panel 1's root bar at x 100 around y -10.
    w.screen.pressAt(100, -10);
    w.wing.initMouseValFrontWings(w.screen.view, 100, -10);
    EXPECT_EQ(w.paints(), (std::array<std::int32_t, 3>{4, 4, 4}));
    w.selectsFront(100, -20);
    for (int i = 1; i <= 3; ++i) EXPECT_EQ(w.wing.wing(i).elevation1, 60) << i;
    w.wing.resetWingsPaint();
    EXPECT_FALSE(w.wing.wingGrabbed());
}

TEST(MainWingViews, HoverOverASharedEdgeLightsBothPanels) {
    ThreePanelWing w;
    w.selectsVTop(800, 305);
    // Per panel: 8 erasing, 4 drawn, 4 mirror segments.
    const std::vector<Segment>& s = w.screen.canvas.segments();
    ASSERT_EQ(s.size(), 48u);
    const auto litEdges = [&s](int panel) {
        std::vector<int> lit;
        for (int k = 0; k < 4; ++k) {
            if (s[static_cast<std::size_t>(panel * 16 + 8 + k)].color == kLightYellow) lit.push_back(k + 2);
        }
        return lit;
    };
    EXPECT_EQ(litEdges(0), std::vector<int>{3});
    EXPECT_EQ(litEdges(1), (std::vector<int>{2, 3, 4, 5}));
    EXPECT_EQ(litEdges(2), std::vector<int>{});
    EXPECT_TRUE(w.wing.wingSelected());
    EXPECT_EQ(w.wing.wingSelectedPartGet(), SymWingSections::kHitTipEdge);
}

TEST(MainWingViews, PrintsEveryPanelWithoutTouchingTheScreenOutlines) {
    ThreePanelWing w;
    RecordingCanvas printer;
    w.wing.printVTopWings(printer, {2, 1000, 0});
    EXPECT_EQ(printer.segments().size(), 24u);
    printer.reset();
    w.wing.printFrontWings(printer, ViewColors{}, {2, 1000, 400});
    EXPECT_EQ(printer.segments().size(), 27u);  // eight lines and the centre line a panel
    // The hit test still answers on the screen outline.
    EXPECT_EQ(w.wing.wing(1).testPositionVTop(800, 305), SymWingSections::kHitTipEdge);
}

}  // namespace
}  // namespace ferlo
