#pragma once

#include <functional>

#include "base/view_state.h"
#include "document/view_kind.h"

namespace ferlo {

class Editor;
class TracingPictures;
struct ViewContext;

// Switching the 2D views and setting up the drawing area: each view is drawn
// completely from a cleared drawing area, fitted unless the zoom is locked.
class ViewSetup {
public:
    // `drawParts` draws the parts of the current view over the drawing area
    // just cleared and given its tracing picture.
    ViewSetup(Editor& editor, TracingPictures& pictures, std::function<void()> drawParts);

    // Switch to a view and draw it from a cleared drawing area.
    void show(ViewKind kind);
    // The transform the drawing area gives view `kind` (the current view
    // state fitted to the area, or as it is while the zoom is locked);
    // nothing on the screen changes. The Side and HTop fits use up the
    // focus key's flag.
    ViewState fittedView(ViewKind kind);
    // What the parts draw through in the drawing area.
    ViewContext viewContext();
    // The current fuselage's cross-section zoom for the section box as it
    // now stands (`fuselageZoomSectionSet`), with the bias slider's height.
    void zoomSectionBox();
    // The current fuselage's selected section drawn in the section box.
    void drawSectionBox();

private:
    // Clears the drawing area with the view's tracing picture and fits the
    // view unless the zoom is locked.
    void initDrawArea();

    Editor& editor_;
    TracingPictures& pictures_;
    std::function<void()> drawParts_;
};

}  // namespace ferlo
