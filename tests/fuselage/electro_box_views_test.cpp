// The equipment box in the Side and HTop views: its rectangle, hit tests,
// hover and drag steps, and DXF output.

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "fuselage/electro_box.h"
#include "support/dxf_capture.h"
#include "support/view_testing.h"

namespace ferlo {
namespace {

using testing::colorsOf;
using testing::DxfCapture;
using testing::polylinePoints;
using testing::RecordedView;

// The operations of a box in one view.
struct BoxView {
    const char* name;
    void (ElectroBox::*draw)(const ViewContext&, std::int32_t);
    std::int32_t (ElectroBox::*testPosition)(double, double) const;
    void (ElectroBox::*initMouseVal)(const ViewState&);
    void (ElectroBox::*selects)(const ViewContext&, double, double);
    void (ElectroBox::*saveDXF)(DxfFile&, std::int16_t) const;
};

const BoxView kSide{"Side", &ElectroBox::drawSide, &ElectroBox::testPositionSide, &ElectroBox::initMouseValSide,
                    &ElectroBox::selectsSide, &ElectroBox::saveDXF_side};
const BoxView kHTop{"HTop", &ElectroBox::drawHTop, &ElectroBox::testPositionHTop, &ElectroBox::initMouseValHTop,
                    &ElectroBox::selectsHTop, &ElectroBox::saveDXF_htop};

// Every test draws at zoom 2 with the model origin at (10, 300). The default
// box then stands from x 410 to 470; in the Side view from y 200 (bottom,
// the handle) up to y 150; in the HTop view from y 275 down to y 305 (the
// handle).
constexpr double kZoom = 2;
constexpr double kXoff = 10;
constexpr double kYoff = 300;

// A box drawn once in a view on a recording canvas, whose recording then
// starts empty; mouse gestures on it as the editor makes them.
struct DrawnBox {
    const BoxView& ops;
    ElectroBox box;
    RecordedView screen{kZoom, kXoff, kYoff};

    explicit DrawnBox(const BoxView& view, const ElectroBox& b = ElectroBox()) : ops(view), box(b) {
        draw(ElectroBox::kDrawPlain);
        screen.canvas.reset();
    }
    void draw(std::int32_t which) { (box.*ops.draw)(screen.context(), which); }
    std::int32_t hitAt(double x, double y) const { return (box.*ops.testPosition)(x, y); }
    // Mouse-down: the point, the hit code into `paint`, the start value.
    std::int32_t press(std::int16_t x, std::int16_t y, bool shift = false) {
        screen.view.shiftkey = shift;
        screen.pressAt(x, y);
        box.paint = hitAt(x, y);
        (box.*ops.initMouseVal)(screen.view);
        return box.paint;
    }
    void moveTo(double x, double y) { (box.*ops.selects)(screen.context(), x, y); }
};

TEST(ElectroBoxViews, RectangleCornersInEachViewAndOrientation) {
    struct Case {
        const BoxView& view;
        std::int32_t orientation;
        std::vector<Point2D> corners;  // P1 to P4, then P1 again
    };
    const Case cases[] = {
        {kSide, 0, {{410, 200}, {470, 200}, {470, 150}, {410, 150}, {410, 200}}},
        {kSide, 1, {{410, 200}, {470, 200}, {470, 170}, {410, 170}, {410, 200}}},  // 15 high
        {kHTop, 0, {{410, 275}, {470, 275}, {470, 305}, {410, 305}, {410, 275}}},  // 15 across
        {kHTop, 1, {{410, 265}, {470, 265}, {470, 315}, {410, 315}, {410, 265}}},  // 25 across
    };
    for (const Case& c : cases) {
        ElectroBox b;
        b.orientation = c.orientation;
        RecordedView screen(kZoom, kXoff, kYoff);
        (b.*c.view.draw)(screen.context(), ElectroBox::kDrawPlain);
        const auto& s = screen.canvas.segments();
        ASSERT_EQ(s.size(), 8u) << c.view.name;
        // The rectangle drawn last (none yet: all points (0, 0)) erased in
        // white, then the new one in black.
        EXPECT_EQ(colorsOf(s), (std::vector<PaletteColor>{kWhite, kWhite, kWhite, kWhite, kBlack, kBlack, kBlack,
                                                          kBlack}))
            << c.view.name;
        EXPECT_EQ(polylinePoints({s.begin() + 4, s.end()}), c.corners) << c.view.name << " " << c.orientation;
        EXPECT_EQ(polylinePoints({s.begin(), s.begin() + 4}), std::vector<Point2D>(5)) << c.view.name;
    }
}

TEST(ElectroBoxViews, OnlyTheHandleEdgeAnswersTheHitTest) {
    struct Case {
        const BoxView& view;
        double x, y;
        std::int32_t code;
        const char* what;
    };
    const Case cases[] = {
        {kSide, 440, 200, 0, "on the bottom edge"},
        {kSide, 440, 202, 0, "2 pixels below it"},
        {kSide, 440, 197.1, 0, "2.9 pixels above it"},
        {kSide, 440, 203, 1, "3 pixels below it"},
        {kSide, 410, 200, 1, "on the front corner: x must lie strictly inside"},
        {kSide, 470, 200, 1, "on the rear corner"},
        {kSide, 469.9, 201, 0, "just inside the rear corner"},
        {kSide, 440, 150, 1, "on the top edge"},
        {kSide, 440, 175, 1, "inside the rectangle"},
        {kSide, 410, 175, 1, "on the front edge"},
        {kHTop, 440, 305, 0, "on the lower edge on the screen"},
        {kHTop, 440, 307.9, 0, "2.9 pixels below it"},
        {kHTop, 440, 308, 1, "3 pixels below it"},
        {kHTop, 440, 275, 1, "on the upper edge"},
        {kHTop, 400, 305, 1, "ahead of the box"},
    };
    for (const Case& c : cases) {
        const DrawnBox drawn(c.view);
        EXPECT_EQ(drawn.hitAt(c.x, c.y), c.code) << c.view.name << ": " << c.what;
    }
}

TEST(ElectroBoxViews, ABoxNotYetDrawnInAViewCannotBeHitThere) {
    for (const BoxView* view : {&kSide, &kHTop}) {
        ElectroBox b;
        for (const Point2D p : {Point2D{0, 0}, Point2D{0, 1}, Point2D{-1, 0}, Point2D{440, 200}}) {
            EXPECT_EQ((b.*view->testPosition)(p.x, p.y), ElectroBox::kHitNothing) << view->name;
        }
    }
}

TEST(ElectroBoxViews, DragsMoveTheBoxAlongOrWithShiftUpAndDown) {
    struct Case {
        const BoxView& view;
        std::int16_t x, y;
        bool shift;
        double dx, dy;  // pointer displacement in pixels
        double pos, elevation, shift_;
    };
    const Case cases[] = {
        {kSide, 440, 200, false, 20, -10, 210, 50, 5},      // along x only
        {kSide, 440, 200, true, 20, -10, 200, 55, 5},       // up only
        {kSide, 440, 200, true, -4, 30, 200, 35, 5},        // down
        {kHTop, 440, 305, true, 0, -10, 200, 50, 10},       // to the larger lateral coordinate
        {kHTop, 440, 305, false, -30, 8, 185, 50, 5},       // forward
    };
    for (const Case& c : cases) {
        DrawnBox drawn(c.view);
        ASSERT_EQ(drawn.press(c.x, c.y, c.shift), ElectroBox::kHitHandle) << c.view.name;
        drawn.moveTo(c.x + c.dx / 2, c.y + c.dy / 2);  // each move counts from the mouse-down point
        drawn.moveTo(c.x + c.dx, c.y + c.dy);
        EXPECT_EQ(drawn.box.pos, c.pos) << c.view.name;
        EXPECT_EQ(drawn.box.elevation, c.elevation) << c.view.name;
        EXPECT_EQ(drawn.box.shift, c.shift_) << c.view.name;
        EXPECT_TRUE(drawn.box.selected) << c.view.name;
        EXPECT_EQ(drawn.box.length, 30);
    }
}

TEST(ElectroBoxViews, ADragStepErasesTheOldRectangleAndDrawsTheNewOneHighlighted) {
    DrawnBox drawn(kSide);
    drawn.press(440, 200);
    drawn.moveTo(460, 200);  // 10 units aft
    const auto& s = drawn.screen.canvas.segments();
    ASSERT_EQ(s.size(), 8u);
    const PaletteColor lit = drawn.screen.colors.colorSelected;
    EXPECT_EQ(colorsOf(s), (std::vector<PaletteColor>{kWhite, kWhite, kWhite, kWhite, lit, lit, lit, lit}));
    EXPECT_EQ(polylinePoints({s.begin(), s.begin() + 4}).front(), (Point2D{410, 200}));
    EXPECT_EQ(polylinePoints({s.begin() + 4, s.end()}).front(), (Point2D{430, 200}));
    // The hit test follows the rectangle drawn last.
    EXPECT_EQ(drawn.hitAt(485, 200), ElectroBox::kHitHandle);
    EXPECT_EQ(drawn.hitAt(420, 200), ElectroBox::kHitNothing);
}

TEST(ElectroBoxViews, OnlyAGrabbedBoxTakesAStartValueOrFollowsTheMouse) {
    for (const BoxView* view : {&kSide, &kHTop}) {
        DrawnBox drawn(*view);
        drawn.box.initval = 77;
        EXPECT_EQ(drawn.press(100, 100), ElectroBox::kHitNothing);
        EXPECT_EQ(drawn.box.initval, 77) << view->name;

        // A paint value other than grabbed or idle neither moves nor draws.
        drawn.box.paint = 2;
        drawn.moveTo(440, 200);
        EXPECT_EQ(drawn.box.pos, 200) << view->name;
        EXPECT_TRUE(drawn.screen.canvas.segments().empty()) << view->name;
    }
}

TEST(ElectroBoxViews, HoverHighlightsTheBoxWhoseHandleIsUnderThePointer) {
    const PaletteColor lit = ViewColors{}.colorSelected;
    struct Case {
        const BoxView& view;
        double x, y;
        bool selected;
    };
    const Case cases[] = {
        {kSide, 440, 201, true}, {kSide, 440, 150, false}, {kHTop, 440, 304, true}, {kHTop, 440, 200, false}};
    for (const Case& c : cases) {
        DrawnBox drawn(c.view);
        drawn.box.selected = !c.selected;
        drawn.moveTo(c.x, c.y);
        const PaletteColor color = c.selected ? lit : kBlack;
        EXPECT_EQ(colorsOf(drawn.screen.canvas.segments()),
                  (std::vector<PaletteColor>{kWhite, kWhite, kWhite, kWhite, color, color, color, color}))
            << c.view.name << " " << c.y;
        EXPECT_EQ(drawn.box.selected, c.selected) << c.view.name << " " << c.y;
        EXPECT_EQ(drawn.box.pos, 200);
    }
}

TEST(ElectroBoxViews, DrawingSetsButNeverClearsTheHighlightFlag) {
    DrawnBox drawn(kHTop);
    drawn.draw(ElectroBox::kDrawHighlighted);
    EXPECT_TRUE(drawn.box.selected);
    drawn.draw(ElectroBox::kDrawPlain);
    EXPECT_TRUE(drawn.box.selected);
}

TEST(ElectroBoxViews, DragsWithoutAUsableZoomOrBeyondTheDoublesChangeNothing) {
    for (double zoom : {0.0, std::numeric_limits<double>::quiet_NaN(), 1e-320}) {
        DrawnBox drawn(kSide);
        drawn.press(440, 200);
        drawn.screen.view.zoom = zoom;
        drawn.moveTo(30000, -30000);
        EXPECT_EQ(drawn.box.pos, 200) << zoom;
    }
    DrawnBox drawn(kSide);
    drawn.box.pos = std::numeric_limits<double>::max();
    drawn.box.initval = std::numeric_limits<double>::max();
    drawn.box.paint = ElectroBox::kHitHandle;
    drawn.screen.pressAt(0, 0);
    drawn.moveTo(30000, 0);  // max + 15000 stays max; the outline on the screen is not finite
    EXPECT_EQ(drawn.box.pos, std::numeric_limits<double>::max());
    EXPECT_TRUE(drawn.screen.canvas.segments().empty());
}

TEST(ElectroBoxViews, DxfOfOneBoxInEachView) {
    ElectroBox servo;
    DxfCapture side;
    servo.saveDXF_side(side.file, 1);
    EXPECT_EQ(side.text(), testing::dxfPolylineEntities("Servo_1", {{" 200 ", " 50 "},
                                                                    {" 230 ", " 50 "},
                                                                    {" 230 ", " 75 "},
                                                                    {" 200 ", " 75 "},
                                                                    {" 200 ", " 50 "}}));
    EXPECT_EQ(side.pen, (Point3D{200, 50, 0}));

    ElectroBox receiver;
    receiver.box = ElectroBox::kReceiver;
    DxfCapture htop;
    receiver.saveDXF_htop(htop.file, 3);
    EXPECT_EQ(htop.text(), testing::dxfPolylineEntities("Receiver_3", {{" 200 ", " 12.5 "},
                                                                       {" 230 ", " 12.5 "},
                                                                       {" 230 ", "-2.5 "},
                                                                       {" 200 ", "-2.5 "},
                                                                       {" 200 ", " 12.5 "}}));

    // A turned accumulator: 15 high in the Side view, 25 across in HTop.
    ElectroBox accu;
    accu.box = ElectroBox::kAccumulator;
    accu.orientation = 1;
    DxfCapture turned;
    accu.saveDXF_side(turned.file, 2);
    accu.saveDXF_htop(turned.file, 2);
    const std::vector<testing::DxfLine> lines = testing::readDxfLines(turned.text());
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_EQ(lines[0].layer, "Accumulator_2");
    EXPECT_EQ(lines[1].y2, 65);
    EXPECT_EQ(lines[4].y1, 17.5);
    EXPECT_EQ(lines[5].y2, -7.5);
}

TEST(ElectroBoxViews, ABoxOfAnotherKindIsOnALayerNamedByItsNumberAlone) {
    for (std::int32_t kind : {3, -1}) {
        ElectroBox b;
        b.box = kind;
        DxfCapture dxf;
        b.saveDXF_side(dxf.file, 4);
        const auto lines = testing::readDxfLines(dxf.text());
        ASSERT_EQ(lines.size(), 4u);
        for (const auto& line : lines) EXPECT_EQ(line.layer, "4") << kind;
    }
}

TEST(ElectroBoxViews, TheDxfOutputLeavesTheScreenRectangle) {
    DrawnBox drawn(kSide);
    DxfCapture dxf;
    drawn.box.saveDXF_side(dxf.file, 1);
    EXPECT_EQ(drawn.hitAt(440, 200), ElectroBox::kHitHandle);
    drawn.draw(ElectroBox::kDrawPlain);  // erases what was on the screen
    const auto& s = drawn.screen.canvas.segments();
    ASSERT_EQ(s.size(), 8u);
    EXPECT_EQ(polylinePoints({s.begin(), s.begin() + 4}).front(), (Point2D{410, 200}));
}

}  // namespace
}  // namespace ferlo
