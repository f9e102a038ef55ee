#include <string>
#include <utility>

#include <gtest/gtest.h>

#include "document/view_drawing.h"
#include "editor/drawing/qimage_canvas.h"
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

// The Side and HTop views while the parameter panels show the equipment tab,
// with a servo, a receiver turned on its side and an accumulator: the boxes
// in black, the fin in the inactive colour in the Side view.
TEST(ViewSnapshots, EquipmentBoxesInTheSideAndHTopViews) {
    Plane plane;
    testing::setUpDefaultPlane(plane);
    Equipment& equipment = plane.equipment;
    equipment.addBox(plane.units);
    equipment.addBox(plane.units);
    ElectroBox& receiver = equipment.box(2);
    receiver.box = ElectroBox::kReceiver;
    receiver.orientation = 1;
    receiver.pos = 260;
    receiver.shift = -20;
    ElectroBox& accu = equipment.box(3);
    accu.box = ElectroBox::kAccumulator;
    accu.pos = 80;
    accu.elevation = 20;
    equipment.currentBox = 3;
    equipment.applyModel(0, plane.units);  // 100 long, 20 wide and high
    for (const auto& [name, mode] : {std::pair{"view_side_equipment", ViewKind::Side},
                                     std::pair{"view_htop_equipment", ViewKind::HTop}}) {
        ViewState view;
        view.zoom = 0.7;
        view.xoff = 40;
        view.yoff = mode == ViewKind::Side ? 140 : 100;
        QImageCanvas canvas(640, 200);
        drawView(plane, mode, {canvas, view, plane.viewColors()}, true);
        testing::expectMatchesSnapshot(canvas.image(), name);
    }
}

// A fuselage pair (`shift` 60) in the VTop and Front views: the plan and the
// selected section with their mirror images about the plane of symmetry.
TEST(ViewSnapshots, FuselagePairInTheVTopAndFrontViews) {
    struct Case {
        const char* name;
        ViewKind mode;
        int height;
        double yoff;
    };
    for (const Case& c : {Case{"view_vtop_fuselage_pair", ViewKind::VTop, 320, 40},
                          Case{"view_front_fuselage_pair", ViewKind::Front, 160, 100}}) {
        Plane plane;
        testing::setUpDefaultPlane(plane);
        MeshSections& fuselage = plane.fuselages.current();
        fuselage.shift = 60;
        fuselage.sel_sec = 2;
        ViewState view;
        view.zoom = 0.3;
        view.xoff = 320;
        view.yoff = c.yoff;
        QImageCanvas canvas(640, c.height);
        drawView(plane, c.mode, {canvas, view, plane.viewColors()});
        testing::expectMatchesSnapshot(canvas.image(), c.name);
    }
}

// The section box with the selected section: the default fuselage's middle
// section, 100 wide and high, with 24 outline points, a pointed upper half
// (exponent 2) and a fuller lower one (0.5) whose widest line lies at 40 %
// of the height from the top.
TEST(ViewSnapshots, SectionBoxWithTheSelectedSection) {
    MeshSections fuselage;
    fuselage.nb_cross = 24;
    fuselage.initArrays();
    fuselage.uniqueCurvature = false;
    fuselage.sel_sec = 2;
    fuselage.curvatureSet(2);
    fuselage.curvature2Set(0.5);
    fuselage.bias_curveSet(0.4);
    ASSERT_TRUE(fuselage.zoomSectionSet(200, 180));
    QImageCanvas box(200, 180);
    fuselage.drawSection(box);
    testing::expectMatchesSnapshot(box.image(), "section_box");
}

}  // namespace
}  // namespace ferlo
