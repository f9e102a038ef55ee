// Switching the 2D views and setting up the drawing area: each view is drawn
// completely from a cleared drawing area, fitted unless the zoom is locked.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>

#include <QAction>
#include <QGroupBox>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>

#include "document/zoom_to_fit.h"
#include "editor/canvas_widget.h"
#include "editor/drawing_area.h"
#include "editor/drawing_area_input.h"
#include "editor/failure_rule.h"
#include "editor/main_window.h"
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

void MainWindow::initVTopView() { setUpView(ViewKind::VTop); }
void MainWindow::initFrontView() { setUpView(ViewKind::Front); }
void MainWindow::initSideView() { setUpView(ViewKind::Side); }
void MainWindow::initHTopView() { setUpView(ViewKind::HTop); }

// The toolbar shows the view's button pressed; HTop is offered only from the
// Side and HTop views; the smoothing buttons follow the fuselage views (top
// and bottom in Side, width in HTop) and stay as they were in the others.
void MainWindow::setUpView(ViewKind kind) {
    MainControls& c = controls_;
    if (kind != ViewKind::VTop) c.FuselageVTopFrame->hide();
    state_.view.shiftkey = false;
    state_.view.ctrlkey = false;
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
    state_.mode = kind;
    if (kind == ViewKind::HTop) enableSmoothing(c, false, false, true);
    initDrawArea();
    c.InsRem->setEnabled(kind == ViewKind::Side || kind == ViewKind::HTop);
    skipOnFailure([&] { drawingAreaInput_->drawView(); });
}

void MainWindow::initDrawArea() {
    pictures_->clearDrawingArea();
    if (controls_.LockZoom->isChecked()) return;
    state_.view = fittedView(state_.mode);
}

ViewState MainWindow::fittedView(ViewKind kind) {
    ViewState view = state_.view;
    if (controls_.LockZoom->isChecked()) return view;
    view.zoom = 0.2;
    view.xoff = controls_.DrawArea->width() / 2.0;
    const std::int16_t w = toInt16(controls_.DrawArea->width());
    const std::int16_t h = toInt16(controls_.DrawArea->height());
    skipOnFailure([&] {
        switch (kind) {
        case ViewKind::VTop:
            fitVTop(plane_, w, h, view);
            break;
        case ViewKind::Front:
            fitFront(plane_, w, h, view);
            break;
        case ViewKind::Side:
            fitSide(plane_, w, h, tab() == ParameterTab::Fin, state_.focusZoom, view);
            break;
        case ViewKind::HTop:
            fitHTop(plane_, w, h, state_.focusZoom, view);
            break;
        }
    });
    return view;
}

void MainWindow::refreshDrawingArea() {
    setUpView(state_.mode);
    if (liveRendering()) renderScene(true);
}

void MainWindow::afterEdit() {
    state_.savedProject = false;
    refreshDrawingArea();
}

void MainWindow::zoomSectionBox() {
    MainControls& c = controls_;
    skipOnFailure([&] {
        const int w = c.DrawSectionArea->width();
        const int h = c.DrawSectionArea->height();
        const std::optional<float> biasHeight = plane_.fuselages.current().zoomSectionSet(w, h);
        // The slider stands beside the box: a section of a size the model
        // allows but no screen shows (a negative width, say) keeps it there.
        if (const std::optional<int> height = biasHeight ? toPixels(*biasHeight, std::max(w, h)) : std::nullopt) {
            c.BiasSlider->resize(c.BiasSlider->width(), *height);
        }
    });
}

ViewContext MainWindow::viewContext() { return {controls_.DrawArea->canvas(), state_.view, plane_.viewColors()}; }

ParameterTab MainWindow::tab() const { return static_cast<ParameterTab>(controls_.Parameters->currentIndex()); }

void MainWindow::setTab(ParameterTab tab) { controls_.Parameters->setCurrentIndex(static_cast<int>(tab)); }

void MainWindow::Parameters_Click() {
    if (tab() == ParameterTab::Wing || tab() == ParameterTab::Stab) {
        skipOnFailure([&] { plane_.fuselages.current().selected = false; });
    }
}

}  // namespace ferlo
