#pragma once

#include <cstdint>
#include <vector>

#include <gtest/gtest.h>

#include "base/recording_canvas.h"
#include "base/view_state.h"
#include "surfaces/vert_wing_section.h"

namespace ferlo::testing {

// The editor's mouse protocol around the fin in the Front and Side views, in
// the editor's order: the view is set up; mouse-down stores the point in
// xloc/yloc, sets `paint` to the hit code and lets the fin remember its start
// values; every move calls the view's `selects`; mouse-up sets `paint` back
// to 5, clears `selected` and Shift and redraws the view.
class FinMouseDriver {
public:
    enum class View { Front, Side };

    FinMouseDriver(VertWingSection& fin, View view, double zoom, double xoff, double yoff) : fin_(fin), view_(view) {
        state.zoom = zoom;
        state.xoff = xoff;
        state.yoff = yoff;
        setUpView();
    }

    ViewContext context() { return {canvas, state, ViewColors{}}; }

    void down(std::int16_t x, std::int16_t y) {
        state.xloc = x;
        state.yloc = y;
        if (view_ == View::Front) {
            fin_.paint = fin_.testPositionFront(x, y);
            fin_.initMouseValFront(state);
        } else {
            fin_.paint = fin_.testPositionSide(x, y);
            fin_.initMouseValSide(state);
        }
    }

    void move(double x, double y) {
        if (view_ == View::Front) {
            fin_.selectsFront(context(), x, y);
        } else {
            fin_.selectsSide(context(), x, y);
        }
    }

    void up() {
        fin_.paint = VertWingSection::kIdlePaint;
        fin_.selected = false;
        state.shiftkey = false;
        setUpView();
    }

    // A whole gesture: down at `from`, one move to `to`, up.
    void drag(std::int16_t fromX, std::int16_t fromY, double toX, double toY) {
        down(fromX, fromY);
        move(toX, toY);
        up();
    }

    ViewState state;
    RecordingCanvas canvas;

private:
    void setUpView() {
        if (view_ == View::Front) {
            fin_.computeFrontPoints(state.zoom, state.xoff, state.yoff);
            fin_.drawFront(context());
        } else {
            fin_.drawSide(context(), state.zoom, state.xoff, state.yoff);
        }
    }

    VertWingSection& fin_;
    View view_;
};

// A pointer position and the hit code expected there.
struct FinHitCase {
    double x, y;
    std::int32_t code;
    const char* what;
};

// What a drag should have done to one length of the fin.
struct FinLengthChange {
    double VertWingSection::*field;
    double by;
};

// Every one of the fin's eight lengths of `after` is that of `before` plus
// its changes; the others stayed.
inline void expectFinLengthsChanged(const VertWingSection& before, const VertWingSection& after,
                                    const std::vector<FinLengthChange>& changes, const char* what) {
    using F = VertWingSection;
    for (double F::*field : {&F::span, &F::length1, &F::length2, &F::pos1, &F::pos2, &F::shift, &F::offset1,
                             &F::offset2}) {
        double expected = before.*field;
        for (const auto& change : changes) {
            if (change.field == field) expected += change.by;
        }
        EXPECT_DOUBLE_EQ(after.*field, expected) << what;
    }
}

}  // namespace ferlo::testing
