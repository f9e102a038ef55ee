#pragma once

#include <cstdint>

#include "base/canvas.h"
#include "base/palette.h"
#include "base/view_transform.h"

namespace ferlo {

// The view state of the 2D drawing area that the parts read: the view
// transform (`zoom`, `xoff`, `yoff`, the one transform every draw, hit test
// and drag of the view uses), the mouse-down point and the editing
// modifiers. The editor fills it; tests build it by hand.
struct ViewState : ViewTransform {
    std::int16_t xloc = 0;  // pointer position at the last mouse-down
    std::int16_t yloc = 0;
    bool shiftkey = false;
    bool ctrlkey = false;
    bool altkey = false;
};

// The document's colours of the 2D views.
struct ViewColors {
    PaletteColor colorSelected = kLightYellow;
    PaletteColor colorInactive = kLightBlue;
};

// What a part's draw, hit-test and drag operations reach through: the
// drawing surface, the view state and the colours.
struct ViewContext {
    Canvas& canvas;
    const ViewState& view;
    ViewColors colors;
};

}  // namespace ferlo
