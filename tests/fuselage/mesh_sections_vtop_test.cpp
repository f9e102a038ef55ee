// The fuselage in the VTop view: its plan outline and the mirror of a pair,
// colours and erasing, the front section line's hit test, hover and drags,
// printout and DXF output.

#include <cstdint>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "fuselage/mesh_sections.h"
#include "support/dxf_capture.h"
#include "support/view_testing.h"

namespace ferlo {
namespace {

using Segment = RecordingCanvas::Segment;
using testing::colorsOf;
using testing::DxfCapture;
using testing::expectSegments;
using testing::RecordedView;

// Every test draws at zoom 2 with the model origin at (400, 30) the default
// fuselage, by default with `shift` 30 (a pair). Its outline, from the right
// end of the front section down the right side and back up the left side, is
// then on the screen R1 (480, 30), R2 (560, 430), R3 (470, 1630), L3 (450,
// 1630), L2 (360, 430), L1 (440, 30); the front section line runs from x 440
// to 480 at y 30. The mirror lies about the column x 400.
constexpr double kZoom = 2;
constexpr double kXoff = 400;
constexpr double kYoff = 30;

const std::vector<Point2D> kOutline{{480, 30}, {560, 430}, {470, 1630}, {450, 1630}, {360, 430}, {440, 30}};

MeshSections pairFuselage(double shift = 30) {
    MeshSections fuselage;
    fuselage.shift = shift;
    return fuselage;
}

// Each point moved by (dx, dy).
std::vector<Point2D> moved(std::vector<Point2D> points, double dx, double dy) {
    for (Point2D& p : points) p = {p.x + dx, p.y + dy};
    return points;
}

std::vector<Point2D> mirrored(std::vector<Point2D> points) {
    for (Point2D& p : points) p.x = 2 * kXoff - p.x;
    return points;
}

// The closed polygons through each point list, in `color`.
std::vector<Segment> closedSegments(std::initializer_list<std::vector<Point2D>> polygons, PaletteColor color) {
    std::vector<Segment> segments;
    for (const auto& points : polygons) {
        for (std::size_t k = 0; k < points.size(); ++k) {
            const Point2D& from = points[k];
            const Point2D& to = points[(k + 1) % points.size()];
            segments.push_back({from.x, from.y, to.x, to.y, color});
        }
    }
    return segments;
}

std::vector<Segment> joined(std::vector<Segment> first, const std::vector<Segment>& second) {
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

// A fuselage whose points are computed and drawn once in the VTop view on a
// recording canvas, whose recording then starts empty; mouse gestures on it
// as the editor makes them.
struct DrawnFuselage {
    MeshSections fuselage;
    RecordedView screen{kZoom, kXoff, kYoff};

    explicit DrawnFuselage(const MeshSections& f = pairFuselage()) : fuselage(f) {
        fuselage.computeVTopPoints({kZoom, kXoff, kYoff});
        draw(MeshSections::kVTopPlain);
        screen.canvas.reset();
    }
    void draw(std::int32_t which) { fuselage.drawVTop(screen.context(), which); }
    std::int32_t press(std::int16_t x, std::int16_t y, bool shift = false) {
        screen.view.shiftkey = shift;
        screen.pressAt(x, y);
        fuselage.paint = fuselage.testPositionVTop(x, y);
        fuselage.initMouseValVTop(screen.view);
        return fuselage.paint;
    }
    void moveTo(double x, double y) { fuselage.selectsVTop(screen.context(), x, y); }
    const std::vector<Segment>& segments() const { return screen.canvas.segments(); }
};

TEST(FuselageVTop, OutlineAndTheMirrorOfAPairInTheColourOfWhich) {
    DrawnFuselage pair;
    pair.draw(MeshSections::kVTopPlain);
    expectSegments(pair.segments(), closedSegments({kOutline, mirrored(kOutline)}, kBlack), "a pair");

    DrawnFuselage single(pairFuselage(0));
    single.draw(MeshSections::kVTopPlain);
    expectSegments(single.segments(), closedSegments({moved(kOutline, -60, 0)}, kBlack), "one fuselage");

    const struct {
        std::int32_t which;
        PaletteColor color;
    } cases[] = {{MeshSections::kVTopHighlighted, kLightYellow},
                 {MeshSections::kVTopPlain, kBlack},
                 {MeshSections::kDrawInactive, kLightBlue},
                 {MeshSections::kVTopErase, kWhite},
                 {3, kBlack}};
    for (const auto& c : cases) {
        pair.screen.canvas.reset();
        pair.draw(c.which);
        EXPECT_EQ(colorsOf(pair.segments()), std::vector<PaletteColor>(12, c.color)) << c.which;
    }
}

TEST(FuselageVTop, OnlyTheFrontSectionLineAnswers) {
    const struct {
        double x, y;
        std::int32_t code;
        const char* what;
    } cases[] = {
        {460, 30, 0, "on the front section line"},
        {441, 32.9, 0, "2.9 pixels below it, near its left end"},
        {479, 27.1, 0, "2.9 pixels above it, near its right end"},
        {460, 33, 4, "exactly 3 pixels below it"},
        {460, 27, 4, "exactly 3 pixels above it"},
        {440, 30, 4, "at its left end"},
        {480, 30, 4, "at its right end"},
        {340, 30, 4, "on the mirror's front section line"},
        {520, 230, 4, "on the right side"},
        {460, 1630, 4, "on the rear section line"},
    };
    DrawnFuselage drawn;
    drawn.fuselage.sel_sec = 2;
    for (const auto& c : cases) EXPECT_EQ(drawn.fuselage.testPositionVTop(c.x, c.y), c.code) << c.what;
    EXPECT_EQ(drawn.fuselage.sel_sec, 2);

    MeshSections narrowFront = pairFuselage();
    narrowFront.widthSet(0);  // section 1 is selected
    DrawnFuselage narrow(narrowFront);
    EXPECT_EQ(narrow.fuselage.testPositionVTop(460, 30), 4);
}

TEST(FuselageVTop, DragsMoveTheWholeFuselage) {
    const struct {
        const char* what;
        bool shift;
        double dx, dy;
        double shiftAfter, posOffsetAfter;
    } cases[] = {
        {"10 pixels right at zoom 2: sideways by 5", false, 10, 20, 35, 0},
        {"with Shift, 20 pixels down: aft by 10", true, 10, 20, 30, 10},
        {"left and up", false, -90, -7, -15, 0},
        {"with Shift, up: forward", true, 3, -7, 30, -3.5},
    };
    for (const auto& c : cases) {
        DrawnFuselage drawn;
        ASSERT_EQ(drawn.press(460, 30, c.shift), MeshSections::kHitVTopFrontLine) << c.what;
        drawn.moveTo(460 + c.dx, 30 + c.dy);
        EXPECT_EQ(drawn.fuselage.shift, c.shiftAfter) << c.what;
        EXPECT_EQ(drawn.fuselage.pos_offset, c.posOffsetAfter) << c.what;
        drawn.fuselage.sel_sec = 2;  // the sections stay
        EXPECT_EQ(drawn.fuselage.posGet(), 200) << c.what;
        EXPECT_EQ(drawn.fuselage.widthGet(), 100) << c.what;
    }
}

TEST(FuselageVTop, DragStepErasesWhatWasDrawnAndDrawsTheMovedOutline) {
    DrawnFuselage pair;
    ASSERT_EQ(pair.press(460, 30), MeshSections::kHitVTopFrontLine);
    pair.moveTo(470, 50);  // shift 35: the outline 10 pixels right, the mirror 10 left
    const std::vector<Point2D> after = moved(kOutline, 10, 0);
    expectSegments(pair.segments(),
                   joined(closedSegments({kOutline, mirrored(kOutline)}, kWhite),
                          closedSegments({after, mirrored(after)}, kBlack)),
                   "a pair moved sideways");
    EXPECT_EQ(pair.fuselage.testPositionVTop(485, 30), MeshSections::kHitVTopFrontLine);  // the new points are stored

    // A fuselage that becomes a pair: nothing was drawn as its mirror, so
    // nothing is erased there.
    DrawnFuselage single(pairFuselage(0));
    const std::vector<Point2D> centred = moved(kOutline, -60, 0);
    ASSERT_EQ(single.press(400, 30), MeshSections::kHitVTopFrontLine);
    single.moveTo(410, 30);
    const std::vector<Point2D> apart = moved(centred, 10, 0);
    expectSegments(single.segments(),
                   joined(closedSegments({centred}, kWhite), closedSegments({apart, mirrored(apart)}, kBlack)),
                   "one fuselage becomes a pair");

    // A pair brought to the centre: its mirror is erased too.
    DrawnFuselage centring;
    ASSERT_EQ(centring.press(460, 30), MeshSections::kHitVTopFrontLine);
    centring.moveTo(400, 30);
    EXPECT_EQ(centring.fuselage.shift, 0);
    expectSegments(centring.segments(),
                   joined(closedSegments({kOutline, mirrored(kOutline)}, kWhite), closedSegments({centred}, kBlack)),
                   "a pair brought to the centre");
}

TEST(FuselageVTop, DragWithoutZoomOrWithoutGrabChangesNothing) {
    DrawnFuselage frozen;
    ASSERT_EQ(frozen.press(460, 30), MeshSections::kHitVTopFrontLine);
    frozen.screen.view.zoom = 0;
    frozen.moveTo(470, 50);
    EXPECT_EQ(frozen.fuselage.shift, 30);
    EXPECT_TRUE(frozen.segments().empty());

    DrawnFuselage otherCode;
    otherCode.fuselage.paint = MeshSections::kHitSideTopPoint;  // grabbed in another view
    otherCode.moveTo(470, 50);
    EXPECT_EQ(otherCode.fuselage.shift, 30);
    EXPECT_TRUE(otherCode.segments().empty());
}

TEST(FuselageVTop, HoverLightsTheWholeOutlineAndItsMirror) {
    DrawnFuselage drawn;
    drawn.moveTo(460, 31);
    EXPECT_EQ(drawn.fuselage.selected_part, MeshSections::kHitVTopFrontLine);
    EXPECT_TRUE(drawn.fuselage.selected);
    expectSegments(drawn.segments(), closedSegments({kOutline, mirrored(kOutline)}, kLightYellow), "over the front");

    drawn.screen.canvas.reset();
    drawn.moveTo(340, 30);
    EXPECT_EQ(drawn.fuselage.selected_part, MeshSections::kIdlePaint);
    EXPECT_FALSE(drawn.fuselage.selected);
    expectSegments(drawn.segments(), closedSegments({kOutline, mirrored(kOutline)}, kBlack), "away");
}

TEST(FuselageVTop, WithoutOutlinePointsOnlyPrintAndDxfWork) {
    DrawnFuselage drawn;
    drawn.fuselage.nb_cross = 0;
    drawn.fuselage.computeVTopPoints({1, 0, 0});
    drawn.fuselage.nb_cross = 8;
    EXPECT_EQ(drawn.fuselage.testPositionVTop(460, 30), 0);  // the points were kept
    drawn.fuselage.nb_cross = 0;
    drawn.draw(MeshSections::kVTopPlain);
    EXPECT_TRUE(drawn.segments().empty());
    EXPECT_EQ(drawn.fuselage.testPositionVTop(460, 30), 4);
    drawn.fuselage.paint = MeshSections::kHitVTopFrontLine;
    drawn.fuselage.initval = -1;
    drawn.fuselage.initMouseValVTop(drawn.screen.view);
    EXPECT_EQ(drawn.fuselage.initval, -1);
    drawn.moveTo(470, 50);
    EXPECT_EQ(drawn.fuselage.shift, 30);
    drawn.fuselage.paint = MeshSections::kIdlePaint;
    drawn.moveTo(460, 30);
    EXPECT_FALSE(drawn.fuselage.selected);
    EXPECT_TRUE(drawn.segments().empty());

    RecordingCanvas printer;
    drawn.fuselage.printVTop(printer, {1, 0, 0});
    EXPECT_EQ(printer.segments().size(), 12u);
    DxfCapture dxf;
    drawn.fuselage.saveDXF_vtop(dxf.file, 1);
    EXPECT_EQ(testing::readDxfLines(dxf.text()).size(), 12u);
}

TEST(FuselageVTop, PrintoutFromTheFrontSectionLineLeavesTheScreenOutline) {
    DrawnFuselage drawn;
    RecordingCanvas printer;
    drawn.fuselage.printVTop(printer, {1, 100, 10});
    // From the left end of section 1 across the front, down the right side
    // and back up the left; then the mirror, the same outline at lateral -30.
    const std::vector<Point2D> outline{{120, 10}, {140, 10}, {180, 210}, {135, 810}, {125, 810}, {80, 210}};
    const std::vector<Point2D> mirror{{60, 10}, {80, 10}, {120, 210}, {75, 810}, {65, 810}, {20, 210}};
    expectSegments(printer.segments(), closedSegments({outline, mirror}, kBlack), "printout");
    EXPECT_EQ(drawn.fuselage.testPositionVTop(460, 30), MeshSections::kHitVTopFrontLine);
}

TEST(FuselageVTop, DxfOfTheDefaultFuselageAndOfAPair) {
    DxfCapture single;
    MeshSections().saveDXF_vtop(single.file, 1);
    EXPECT_EQ(single.text(), testing::dxfPolylineEntities("Fuselage_1", {{"-10 ", " 0 "},
                                                                         {" 10 ", " 0 "},
                                                                         {" 50 ", "-200 "},
                                                                         {" 5 ", "-800 "},
                                                                         {"-5 ", "-800 "},
                                                                         {"-50 ", "-200 "},
                                                                         {"-10 ", " 0 "}}));

    DxfCapture pair;
    pairFuselage(2.5).saveDXF_vtop(pair.file, 3);
    const std::string expected =
        testing::dxfPolylineEntities("Fuselage_3", {{"-7.5 ", " 0 "},
                                                    {" 12.5 ", " 0 "},
                                                    {" 52.5 ", "-200 "},
                                                    {" 7.5 ", "-800 "},
                                                    {"-2.5 ", "-800 "},
                                                    {"-47.5 ", "-200 "},
                                                    {"-7.5 ", " 0 "}}) +
        testing::dxfPolylineEntities("Fuselage_3", {{"-12.5 ", " 0 "},
                                                    {" 7.5 ", " 0 "},
                                                    {" 47.5 ", "-200 "},
                                                    {" 2.5 ", "-800 "},
                                                    {"-7.5 ", "-800 "},
                                                    {"-52.5 ", "-200 "},
                                                    {"-12.5 ", " 0 "}});
    EXPECT_EQ(pair.text(), expected);
}

}  // namespace
}  // namespace ferlo
