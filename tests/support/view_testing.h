#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include <gtest/gtest.h>

#include "base/geometry.h"
#include "base/view_state.h"
#include "support/recording_canvas.h"

namespace ferlo::testing {

// A drawing area for tests: a recording canvas, a view state and the
// document's colours.
struct RecordedView {
    RecordingCanvas canvas;
    ViewState view;
    ViewColors colors;

    RecordedView(double zoom, double xoff, double yoff) {
        view.zoom = zoom;
        view.xoff = xoff;
        view.yoff = yoff;
    }
    ViewContext context() { return {canvas, view, colors}; }
    // The state of a mouse-down at (x, y), as the editor stores it.
    void pressAt(std::int16_t x, std::int16_t y) {
        view.xloc = x;
        view.yloc = y;
    }
};

// The view state of a mouse-down at screen column `xloc` (row 0) in a view
// with `transform`.
inline ViewState pressedAt(std::int16_t xloc, const ViewTransform& transform = {}) {
    ViewState view;
    static_cast<ViewTransform&>(view) = transform;
    view.xloc = xloc;
    return view;
}

// The colour of each segment, in drawing order.
inline std::vector<PaletteColor> colorsOf(const std::vector<RecordingCanvas::Segment>& segments) {
    std::vector<PaletteColor> colors;
    for (const auto& s : segments) colors.push_back(s.color);
    return colors;
}

// The points a run of segments passes: the start of each, then the end of
// the last (a closed outline's first point comes again at the end).
inline std::vector<Point2D> polylinePoints(const std::vector<RecordingCanvas::Segment>& segments) {
    std::vector<Point2D> points;
    for (const auto& s : segments) points.push_back({s.x1, s.y1});
    if (!segments.empty()) points.push_back({segments.back().x2, segments.back().y2});
    return points;
}

inline void expectSegment(const RecordingCanvas::Segment& s, double x1, double y1, double x2, double y2,
                          PaletteColor color, const char* what) {
    EXPECT_DOUBLE_EQ(s.x1, x1) << what;
    EXPECT_DOUBLE_EQ(s.y1, y1) << what;
    EXPECT_DOUBLE_EQ(s.x2, x2) << what;
    EXPECT_DOUBLE_EQ(s.y2, y2) << what;
    EXPECT_EQ(s.color, color) << what;
}

// The recorded segments are `expected`, one by one: ends and colour.
inline void expectSegments(const std::vector<RecordingCanvas::Segment>& actual,
                           const std::vector<RecordingCanvas::Segment>& expected, const char* what) {
    ASSERT_EQ(actual.size(), expected.size()) << what;
    for (std::size_t k = 0; k < expected.size(); ++k) {
        const RecordingCanvas::Segment& e = expected[k];
        SCOPED_TRACE(::testing::Message() << what << ", segment " << k);
        expectSegment(actual[k], e.x1, e.y1, e.x2, e.y2, e.color, what);
    }
}

// The four segments from `first` on are the closed outline through `corners`
// (the first corner again at the end), all in `color`.
inline void expectOutline(const std::vector<RecordingCanvas::Segment>& segments, std::size_t first,
                          const std::array<Point2D, 4>& corners, PaletteColor color, const char* what) {
    ASSERT_GE(segments.size(), first + 4) << what;
    for (std::size_t k = 0; k < 4; ++k) {
        const Point2D& from = corners[k];
        const Point2D& to = corners[(k + 1) % 4];
        SCOPED_TRACE(::testing::Message() << what << ", edge " << k + 2);
        expectSegment(segments[first + k], from.x, from.y, to.x, to.y, color, what);
    }
}

}  // namespace ferlo::testing
