// The drawing area's mouse: mouse-down, mouse-move and mouse-up around the
// rows of the mouse protocol, with the window's own steps (tracing picture,
// popup, parameter tab and panels, 3D view).

#include "editor/drawing_area_input.h"

#include <QCursor>
#include <QGroupBox>
#include <QMenu>
#include <QScrollBar>

#include "document/plane.h"
#include "editor/editor.h"
#include "editor/failure_rule.h"
#include "editor/main_controls.h"
#include "editor/tracing_pictures.h"

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
    skipOnFailure([&] { dragging = protocol().dragSpan().has_value(); });
    return dragging;
}

DrawingAreaInput::DrawnView DrawingAreaInput::drawnNow() {
    const MouseProtocol& m = protocol();
    return {main_.controls().DrawArea->canvas().clears(), m.mode, m.equipmentTabOpen};
}

void DrawingAreaInput::drawView() {
    drawn_ = drawnNow();
    protocol().drawView();
}

void DrawingAreaInput::paintView() {
    pictures_.clearDrawingArea();
    skipOnFailure([&] { drawView(); });
}

// A view cleared (a tracing picture loaded, a section removed) or shown
// with another tab than it was drawn for is drawn whole, as the parts'
// mouse-move steps would draw it.
void DrawingAreaInput::paintViewIfGone() {
    if (drawn_ != drawnNow()) paintView();
}

// Any mouse-down but the right button's alone may change the model: the
// project is marked unsaved. Over a tracing picture the picture is read
// again and the view painted anew. The right button alone opens the popup
// menu and ends there; otherwise the parts take their hit codes and the
// parameter tab follows the grab. A Ctrl section edit shows its section in
// the fuselage tab; a view it cleared is drawn whole.
void DrawingAreaInput::mouseDown(int button, int, double x, double y) {
    EditorState& s = main_.state();
    MainControls& c = main_.controls();
    TracingPicture& picture = s.picture();
    if (s.view.altkey) picture.bitmapDownPos = picture.bitmapPos;
    if (button == kRightButton) {
        if (picture.bitmapLoaded) paintView();
        c.Popup->popup(QCursor::pos());
        return;
    }
    MouseProtocol& m = protocol();
    const std::optional<SelectedSection> before = selectedSection();
    main_.edit(
        [&] {
            if (m.mouseDown(x, y) == SectionEdit::None) return Effects::None;
            return fuselageTabRefill(before) | when(button == kLeftButton, Effects::Render3D);
        },
        Effects::Unsaved);
    followGrabWithTab();
    // A section removed clears the area: it is drawn whole now, not only
    // at the next move.
    picture.bitmapLoaded ? paintView() : paintViewIfGone();
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
// with live rendering a left-button drag renders the 3D view; a drag marks
// the project unsaved.
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
    paintViewIfGone();
    const std::optional<SelectedSection> before = selectedSection();
    main_.edit([&] {
        m.mouseMove(x, y);
        area.canvas().flush();
        return panelRefills(before) | when(button == kLeftButton, Effects::Render3D) |
               when(dragUnderWay(), Effects::Unsaved);
    });
    if (button != kLeftButton) updateMousePointer();
}

// The panels of the parts dragged, each once. The fuselage tab also
// follows a hover that selects another section (Side, and HTop with the
// fuselage tab); a hover changes nothing else a panel shows.
Effects DrawingAreaInput::panelRefills(const std::optional<SelectedSection>& before) {
    const ViewKind mode = main_.state().mode;
    const bool fuselageRow = mode == ViewKind::Side || (mode == ViewKind::HTop && main_.tab() != ParameterTab::Electronics);
    Plane& plane = main_.plane();
    bool fuselageGrabbed = false;
    skipOnFailure([&] { fuselageGrabbed = plane.fuselages.current().paint != MeshSections::kIdlePaint; });
    return when(plane.mainWing.wingGrabbed(), Effects::RefillWingTab) |
           when(plane.stab.paint != SymWingSections::kIdlePaint, Effects::RefillStabTab) |
           when(fuselageGrabbed || (fuselageRow && selectedSection() != before), fuselageTabRefill(before)) |
           when(plane.fin.paint != VertWingSection::kIdlePaint, Effects::RefillFinTab) |
           when(plane.equipment.equipmentGrabbed(), Effects::RefillEquipmentTab);
}

std::optional<DrawingAreaInput::SelectedSection> DrawingAreaInput::selectedSection() {
    std::optional<SelectedSection> selected;
    skipOnFailure([&] {
        const FuselageList& fuselages = main_.plane().fuselages;
        const MeshSections& f = fuselages.current();
        selected = SelectedSection{fuselages.currentFuselage, f.sel_sec, f.widthGet(), f.heightGet()};
    });
    return selected;
}

Effects DrawingAreaInput::fuselageTabRefill(const std::optional<SelectedSection>& before) {
    return Effects::RefillFuselageTab | when(selectedSection() != before, Effects::FitSectionBox);
}

// The parts are idle and redrawn plain; a view with a tracing picture is
// set up anew, the section box scaled in the fuselage views and the 3D view
// always rebuilt. Then the pointer, and the modifiers cleared.
void DrawingAreaInput::mouseUp(int, int, double, double) {
    MouseProtocol& m = protocol();
    EditorState& s = main_.state();
    const bool fuselageView = (s.mode == ViewKind::Side || s.mode == ViewKind::HTop) && !m.equipmentTabOpen;
    main_.edit([&] { m.mouseUp(); }, when(s.picture().bitmapLoaded, Effects::RedrawView) |
                                         when(fuselageView, Effects::FitSectionBox) | Effects::Rebuild3D);
    updateMousePointer();
    s.view.shiftkey = false;
    s.view.ctrlkey = false;
    s.view.altkey = false;
}

}  // namespace ferlo
