#pragma once

#include <array>

#include <QString>

#include "base/geometry.h"
#include "base/view_state.h"
#include "document/view_kind.h"

namespace ferlo {

// The tracing picture of one 2D view: a picture file shown under the view's
// outlines, for the run only (never saved).
struct TracingPicture {
    QString bitmapFile;        // the file as the open dialog gave it
    bool bitmapLoaded = false;  // the view shows its picture
    Point2D bitmapPos;         // top-left corner, drawing-area pixels
    Point2D bitmapSize;        // painted width (x) and height (y), pixels
    double bitmapScale = 100;  // resize factor, percent of the natural size
    Point2D bitmapDownPos;     // bitmapPos at the mouse-down of a picture drag
};

// The parameter tabs (`Parameters.Tab`).
enum class ParameterTab { Fuselage = 0, Wing = 1, Stab = 2, Fin = 3, Electronics = 4 };

// The main window's shared state besides its controls.
struct EditorState {
    ViewKind mode = ViewKind::VTop;  // the 2D view shown
    ViewState view;                  // its transform, mouse-down point and modifier keys
    bool savedProject = true;        // no change since start-up or the last save
    QString projectFile;             // the file last saved or read, "" for a new aircraft
    bool focusZoom = false;          // the next Side or HTop fit zooms on the selected section
    std::array<TracingPicture, 5> pictures{};  // by view kind, 1 to 4

    TracingPicture& picture(ViewKind kind) { return pictures[static_cast<int>(kind)]; }
    TracingPicture& picture() { return picture(mode); }
};

}  // namespace ferlo
