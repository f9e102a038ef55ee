#include "document/view_drawing.h"

#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "support/default_plane.h"
#include "support/recording_canvas.h"
#include "support/view_testing.h"

namespace ferlo {
namespace {

using Segment = RecordingCanvas::Segment;

// Each view's drawing on the default aircraft at zoom 1, over what the
// surface holds (it never clears it): the parts the view shows, in its order,
// told apart by their colours: the edited panels erase their last outline in
// white and draw it and its mirror in black; the reference outlines are light
// blue. The fuselage comes after the stabiliser in VTop (in black as the
// current one) and Front (its selected section, for reference), first in
// Side and HTop (in black, or in the inactive colour after the Side view's
// boxes while the equipment tab is open). The fin comes last in VTop (for
// reference) and Front, in Side after the fuselage (edited) or in the
// inactive colour while the equipment tab is open, and not at all in HTop.
// The equipment box erases its last rectangle and draws it in black, in Side
// only while the equipment tab is open, in HTop always.
TEST(ViewDrawing, EachViewDrawsItsPartsInItsOrder) {
    struct Case {
        ViewKind mode;
        bool equipmentTabOpen;
        double xoff, yoff;
        std::vector<std::pair<PaletteColor, int>> colorRuns;
        std::vector<std::pair<std::size_t, Segment>> edges;  // a drawn edge of a part and where it stands
    };
    const PaletteColor W = kWhite, B = kBlack, L = kLightBlue;
    // The default box: x 200 to 230, 50 to 75 high, 5 across from its centre.
    const Segment boxSideBottom{200, 250, 230, 250, B};
    const Segment boxHTopFirst{200, 287.5, 230, 287.5, B};
    const Case cases[] = {
        {ViewKind::VTop,
         false,
         100,
         0,
         {{W, 8}, {B, 8}, {W, 8}, {B, 8}, {B, 6}, {L, 4}},
         {{32, {110, 0, 150, 200, B}}, {38, {107.5, 650, 107.5, 800, L}}}},
        {ViewKind::Front,
         false,
         100,
         200,
         {{W, 8}, {B, 8}, {W, 8}, {B, 8}, {L, 8}, {B, 4}},
         {{40, {92.5, 170, 107.5, 170, B}}}},
        {ViewKind::Side, false, 0, 300, {{B, 7}, {W, 4}, {B, 4}, {L, 32}}, {{0, {0, 270, 200, 190, B}}, {11, {650, 270, 800, 270, B}}}},
        {ViewKind::Side,
         true,
         0,
         300,
         {{W, 4}, {B, 4}, {L, 7}, {W, 4}, {L, 4}, {L, 32}},
         {{4, boxSideBottom}, {19, {650, 270, 800, 270, L}}}},
        {ViewKind::HTop, false, 0, 300, {{B, 7}, {W, 4}, {B, 4}, {L, 16}}, {{0, {0, 310, 200, 350, B}}, {11, boxHTopFirst}}},
        {ViewKind::HTop, true, 0, 300, {{L, 7}, {W, 4}, {B, 4}, {L, 16}}, {{11, boxHTopFirst}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.mode));
        SCOPED_TRACE(c.equipmentTabOpen);
        Plane plane;
        testing::setUpDefaultPlane(plane);
        ViewState view;
        view.xoff = c.xoff;
        view.yoff = c.yoff;
        RecordingCanvas canvas;
        drawView(plane, c.mode, {canvas, view, plane.viewColors()}, c.equipmentTabOpen);

        for (const RecordingCanvas::Call& call : canvas.calls()) EXPECT_NE(call.op, RecordingCanvas::Op::Clear);
        std::vector<PaletteColor> expected;
        for (const auto& [color, count] : c.colorRuns) expected.insert(expected.end(), count, color);
        const std::vector<Segment>& s = canvas.segments();
        ASSERT_EQ(testing::colorsOf(s), expected);
        for (const auto& [index, e] : c.edges) testing::expectSegment(s[index], e.x1, e.y1, e.x2, e.y2, e.color, "edge");
    }
}

}  // namespace
}  // namespace ferlo
