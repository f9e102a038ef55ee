#pragma once

#include "document/mouse_protocol.h"
#include "support/default_plane.h"
#include "support/recording_canvas.h"

namespace ferlo::testing {

// The drawing area of the editor, as far as the mouse protocol needs it: the
// default aircraft with `extraPanels` added wing panels, its view set up (as
// with the equipment tab open or not) on a recording canvas whose recording
// then starts empty.
struct DrawingArea {
    Plane plane;
    ViewState view;
    RecordingCanvas canvas;
    MouseProtocol mouse{plane, view, canvas};

    DrawingArea(ViewKind mode, double zoom, double xoff, double yoff, int extraPanels = 1,
                bool equipmentTabOpen = false) {
        setUpDefaultPlane(plane, extraPanels);
        view.zoom = zoom;
        view.xoff = xoff;
        view.yoff = yoff;
        mouse.mode = mode;
        mouse.equipmentTabOpen = equipmentTabOpen;
        redraw();
    }
    // The view set up again; the recording starts empty.
    void redraw() {
        mouse.drawView();
        canvas.reset();
    }
    SymWingSections& wing(int i) { return plane.mainWing.wing(i); }

    // A whole gesture: mouse-down at `from`, one move to `to`, mouse-up.
    void drag(double fromX, double fromY, double toX, double toY) {
        mouse.mouseDown(fromX, fromY);
        mouse.mouseMove(toX, toY);
        mouse.mouseUp();
    }
};

}  // namespace ferlo::testing
