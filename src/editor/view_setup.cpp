#include "editor/view_setup.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>

#include <QAction>
#include <QGroupBox>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>

#include "document/plane.h"
#include "document/zoom_to_fit.h"
#include "editor/canvas_widget.h"
#include "editor/drawing_area.h"
#include "editor/editor.h"
#include "editor/main_controls.h"
#include "editor/tracing_pictures.h"

namespace ferlo {

namespace {

std::int16_t toInt16(int pixels) {
    return static_cast<std::int16_t>(std::clamp(pixels, 0, static_cast<int>(INT16_MAX)));
}

// A size in pixels for a widget, from 0 to `limit`; nothing for a value that
// is not finite.
std::optional<int> toPixels(double value, int limit) {
    if (!std::isfinite(value)) return std::nullopt;
    return static_cast<int>(std::lround(std::clamp(value, 0.0, static_cast<double>(limit))));
}

void enableSmoothing(MainControls& c, bool top, bool down, bool width) {
    c.SmoothTopCommand->setEnabled(top);
    c.SmoothDownCommand->setEnabled(down);
    c.SmoothWidthCommand->setEnabled(width);
}

}  // namespace

ViewSetup::ViewSetup(Editor& editor, TracingPictures& pictures, std::function<void()> drawParts)
    : editor_(editor), pictures_(pictures), drawParts_(std::move(drawParts)) {}

// The toolbar shows the view's button pressed; HTop is offered only from the
// Side and HTop views; the smoothing buttons follow the fuselage views (top
// and bottom in Side, width in HTop) and stay as they were in the others.
void ViewSetup::show(ViewKind kind) {
    MainControls& c = editor_.controls();
    EditorState& state = editor_.state();
    if (kind != ViewKind::VTop) c.FuselageVTopFrame->hide();
    state.view.shiftkey = false;
    state.view.ctrlkey = false;
    QAction* htop = c.button("HTop");
    switch (kind) {
    case ViewKind::Side:
        c.button("Side")->setChecked(true);
        htop->setEnabled(true);
        enableSmoothing(c, true, true, false);
        break;
    case ViewKind::Front:
        c.button("Front")->setChecked(true);
        htop->setEnabled(false);
        break;
    case ViewKind::VTop:
        c.button("VTop")->setChecked(true);
        htop->setEnabled(false);
        break;
    case ViewKind::HTop:
        htop->setEnabled(true);
        htop->setChecked(true);
        break;
    }
    state.mode = kind;
    if (kind == ViewKind::HTop) enableSmoothing(c, false, false, true);
    initDrawArea();
    c.InsRem->setEnabled(kind == ViewKind::Side || kind == ViewKind::HTop);
    skipOnFailure(drawParts_);
}

void ViewSetup::initDrawArea() {
    pictures_.clearDrawingArea();
    if (editor_.controls().LockZoom->isChecked()) return;
    editor_.state().view = fittedView(editor_.state().mode);
}

ViewState ViewSetup::fittedView(ViewKind kind) {
    const MainControls& c = editor_.controls();
    EditorState& state = editor_.state();
    Plane& plane = editor_.plane();
    ViewState view = state.view;
    if (c.LockZoom->isChecked()) return view;
    view.zoom = 0.2;
    view.xoff = c.DrawArea->width() / 2.0;
    const std::int16_t w = toInt16(c.DrawArea->width());
    const std::int16_t h = toInt16(c.DrawArea->height());
    skipOnFailure([&] {
        switch (kind) {
        case ViewKind::VTop:
            fitVTop(plane, w, h, view);
            break;
        case ViewKind::Front:
            fitFront(plane, w, h, view);
            break;
        case ViewKind::Side:
            fitSide(plane, w, h, editor_.tab() == ParameterTab::Fin, state.focusZoom, view);
            break;
        case ViewKind::HTop:
            fitHTop(plane, w, h, state.focusZoom, view);
            break;
        }
    });
    return view;
}

void ViewSetup::zoomSectionBox() {
    MainControls& c = editor_.controls();
    skipOnFailure([&] {
        const int w = c.DrawSectionArea->width();
        const int h = c.DrawSectionArea->height();
        const std::optional<float> biasHeight = editor_.plane().fuselages.current().zoomSectionSet(w, h);
        // The slider stands beside the box: a section of a size the model
        // allows but no screen shows (a negative width, say) keeps it there.
        if (const std::optional<int> height = biasHeight ? toPixels(*biasHeight, std::max(w, h)) : std::nullopt) {
            c.BiasSlider->resize(c.BiasSlider->width(), *height);
        }
    });
}

void ViewSetup::drawSectionBox() {
    skipOnFailure([&] { editor_.plane().fuselages.current().drawSection(editor_.controls().DrawSectionArea->canvas()); });
}

ViewContext ViewSetup::viewContext() {
    Plane& plane = editor_.plane();
    return {editor_.controls().DrawArea->canvas(), editor_.state().view, plane.viewColors()};
}

}  // namespace ferlo
