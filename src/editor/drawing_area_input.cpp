// The drawing area's mouse: mouse-down, mouse-move and mouse-up around the
// rows of the mouse protocol, with the window's own steps (tracing picture,
// popup, parameter tab and panels, 3D view).

#include "editor/drawing_area_input.h"

#include <QCursor>
#include <QGroupBox>
#include <QMenu>
#include <QScrollBar>

#include "editor/failure_rule.h"
#include "editor/main_window.h"
#include "editor/parameter_panels.h"
#include "editor/tracing_pictures.h"
#include "editor/view_picture.h"

namespace ferlo {

namespace {

constexpr int kLeftButton = 1;
constexpr int kRightButton = 2;

}  // namespace

MouseProtocol& DrawingAreaInput::protocol() {
    mouse_.mode = main_.state().mode;
    mouse_.equipmentTabOpen = main_.tab() == ParameterTab::Electronics;
    return mouse_;
}

bool DrawingAreaInput::dragUnderWay() {
    bool dragging = false;
    skipOnFailure([&] { dragging = protocol().dragParts().has_value(); });
    return dragging;
}

void DrawingAreaInput::drawView() {
    MouseProtocol& m = protocol();
    drawViewPicture(main_.controls().DrawArea->canvas(), main_.plane(), m.mode, main_.viewContext(),
                    m.equipmentTabOpen, m.dragParts());
}

void DrawingAreaInput::paintView() {
    main_.pictures().clearDrawingArea();
    skipOnFailure([&] { drawView(); });
}

// Any mouse-down but the right button's alone may change the model. Over a
// tracing picture the picture is read again and the view painted anew. The
// right button alone opens the popup menu and ends there; otherwise the
// parts take their hit codes, the parameter tab follows the grab, and a grab
// starts a drag picture.
void DrawingAreaInput::mouseDown(int button, int, double x, double y) {
    EditorState& s = main_.state();
    MainControls& c = main_.controls();
    if (button != kRightButton) s.savedProject = false;
    TracingPicture& picture = s.picture();
    if (s.view.altkey) picture.bitmapDownPos = picture.bitmapPos;
    if (button == kRightButton) {
        if (picture.bitmapLoaded) paintView();
        c.Popup->popup(QCursor::pos());
        return;
    }
    MouseProtocol& m = protocol();
    SectionEdit edit = SectionEdit::None;
    skipOnFailure([&] { edit = m.mouseDown(x, y); });
    if (edit != SectionEdit::None) {
        skipOnFailure([&] { c.FuselageScroll->setMaximum(main_.plane().fuselages.current().nb_sections); });
        if (main_.liveRendering() && button == kLeftButton) main_.renderScene(true);
    }
    followGrabWithTab();
    if (picture.bitmapLoaded || dragUnderWay()) paintView();
    c.DrawArea->canvas().flush();
}

// The tab of the last of panel 1, the stabiliser, the current fuselage and
// the fin that is grabbed; outer panels alone and boxes leave it.
void DrawingAreaInput::followGrabWithTab() {
    Plane& plane = main_.plane();
    if (plane.mainWing.wing(1).paint != SymWingSections::kIdlePaint) main_.setTab(ParameterTab::Wing);
    if (plane.stab.paint != SymWingSections::kIdlePaint) main_.setTab(ParameterTab::Stab);
    skipOnFailure([&] {
        if (plane.fuselages.current().paint == MeshSections::kIdlePaint) return;
        main_.controls().FuselageVTopFrame->setVisible(main_.state().mode == ViewKind::VTop);
        main_.setTab(ParameterTab::Fuselage);
    });
    if (plane.fin.paint != VertWingSection::kIdlePaint) main_.setTab(ParameterTab::Fin);
}

// A move to the last position changes nothing. An Alt drag over a tracing
// picture moves the picture. The drawing area takes the keyboard focus, the
// parts hover or drag, the panels of what is dragged are refilled; the
// pointer follows what lies under it unless the left button alone is down;
// with live rendering a left-button drag renders the 3D view.
void DrawingAreaInput::mouseMove(int button, int, double x, double y) {
    MouseProtocol& m = protocol();
    if (!m.takesMove(x, y)) return;
    EditorState& s = main_.state();
    DrawingArea& area = *main_.controls().DrawArea;
    TracingPicture& picture = s.picture();
    if (picture.bitmapLoaded && button == kLeftButton && s.view.altkey) {
        picture.bitmapPos = {picture.bitmapDownPos.x + (x - s.view.xloc), picture.bitmapDownPos.y + (y - s.view.yloc)};
        paintView();
    }
    area.setFocus();
    skipOnFailure([&] { m.mouseMove(x, y); });
    area.canvas().flush();
    refillPanels();
    if (button != kLeftButton) updateMousePointer();
    if (main_.liveRendering() && button == kLeftButton) main_.renderScene(true);
    if (dragUnderWay()) s.savedProject = false;
}

// The panels the view's move refills (the fuselage panel in Side and in
// HTop with the fuselage tab, with the equipment panel in Side with the
// equipment tab), and those of the parts dragged; each once.
void DrawingAreaInput::refillPanels() {
    const ViewKind mode = main_.state().mode;
    const bool equipmentTab = main_.tab() == ParameterTab::Electronics;
    const bool fuselageRow = mode == ViewKind::Side || (mode == ViewKind::HTop && !equipmentTab);
    const bool equipmentRow = mode == ViewKind::Side && equipmentTab;
    Plane& plane = main_.plane();
    ParameterPanels& panels = main_.panels();
    if (plane.mainWing.wingGrabbed()) panels.updateWingInterface();
    if (plane.stab.paint != SymWingSections::kIdlePaint) panels.updateStabInterface();
    skipOnFailure([&] {
        if (fuselageRow || plane.fuselages.current().paint != MeshSections::kIdlePaint) {
            panels.updateFuselageInterface();
        }
    });
    if (plane.fin.paint != VertWingSection::kIdlePaint) panels.updateRudderInterface();
    if (equipmentRow || plane.equipment.equipmentGrabbed()) panels.updateEquipmentInterface();
}

// The parts are idle and redrawn plain, the drag picture given up; a view
// with a tracing picture is set up anew. Then the pointer, the modifiers
// cleared, and always a 3D rebuild.
void DrawingAreaInput::mouseUp(int, int, double, double) {
    MouseProtocol& m = protocol();
    skipOnFailure([&] { m.mouseUp(); });
    EditorState& s = main_.state();
    DrawingArea& area = *main_.controls().DrawArea;
    area.canvas().endDragPicture();
    if (s.picture().bitmapLoaded) {
        switch (s.mode) {
        case ViewKind::VTop: main_.initVTopView(); break;
        case ViewKind::Front: main_.initFrontView(); break;
        case ViewKind::Side: main_.initSideView(); break;
        case ViewKind::HTop: main_.initHTopView(); break;
        }
    }
    if ((s.mode == ViewKind::Side || s.mode == ViewKind::HTop) && !m.equipmentTabOpen) main_.zoomSectionBox();
    updateMousePointer();
    s.view.shiftkey = false;
    s.view.ctrlkey = false;
    s.view.altkey = false;
    main_.renderScene(true);
}

}  // namespace ferlo
