#include <string>

#include <gtest/gtest.h>

#include "document/view_drawing.h"
#include "editor/qimage_canvas.h"
#include "support/default_plane.h"
#include "support/snapshot.h"

namespace ferlo {
namespace {

// The default aircraft with one added wing panel, each 2D view drawn as the
// editor sets it up, compared with its reference picture; then the same with
// a twin fin, its two fins 20 millimetres either side of the plane of
// symmetry (the HTop view shows no fin).
TEST(ViewSnapshots, DefaultAircraftInTheFourViews) {
    struct Case {
        const char* name;
        ViewKind mode;
        int width, height;
        double zoom, xoff, yoff;
    };
    const Case cases[] = {
        {"view_vtop", ViewKind::VTop, 640, 320, 0.3, 320, 40},    // plan with the mirror half
        {"view_front", ViewKind::Front, 640, 160, 0.3, 320, 100},  // silhouette from ahead
        {"view_side", ViewKind::Side, 640, 200, 0.7, 40, 140},    // root airfoils and the fin in profile
        {"view_htop", ViewKind::HTop, 400, 400, 0.25, 100, 200},   // plan along the fuselage axis
    };
    for (double offset1 : {0.0, 20.0}) {
        for (const Case& c : cases) {
            Plane plane;
            testing::setUpDefaultPlane(plane, 1);
            plane.fin.offset1 = offset1;
            ViewState view;
            view.zoom = c.zoom;
            view.xoff = c.xoff;
            view.yoff = c.yoff;
            QImageCanvas canvas(c.width, c.height);
            drawView(plane, c.mode, {canvas, view, plane.viewColors()});
            testing::expectMatchesSnapshot(canvas.image(), std::string(c.name) + (offset1 == 0 ? "" : "_twin"));
        }
    }
}

}  // namespace
}  // namespace ferlo
