#pragma once

#include <optional>

#include <QImage>
#include <QPoint>
#include <QTest>
#include <QTimer>

#include "document/mouse_protocol.h"
#include "editor/drawing/drawing_area.h"
#include "editor/drawing/qimage_canvas.h"
#include "editor/window/main_window.h"
#include "support/editor_window.h"
#include "support/pointer_events.h"

namespace ferlo::testing {

// The started editor, driven through its drawing area's events.
struct DrawingAreaEditor {
    EditorWindow window;
    MainWindow& main = window.start();
    DrawingArea& area = *main.controls().DrawArea;
    Plane& plane = main.plane();
    ViewState& view = main.state().view;
    // The start-up timer's renders are not the drawing area's; the pointer
    // reaches the window once it is on the screen.
    bool ready = (main.controls().Timer1->stop(), QTest::qWaitForWindowExposed(&main));

    void show(ViewKind kind, ParameterTab tab = ParameterTab::Wing) {
        main.setTab(tab);
        switch (kind) {
        case ViewKind::VTop: return main.initVTopView();
        case ViewKind::Front: return main.initFrontView();
        case ViewKind::Side: return main.initSideView();
        case ViewKind::HTop: return main.initHTopView();
        }
    }
    void hover(QPoint at) { moveMouse(area, at); }
    // A left-button drag by (dx, dy) pixels, with the modifiers held.
    void drag(QPoint from, QPoint by, Qt::KeyboardModifiers mods = {}) {
        hover(from);
        QTest::mousePress(&area, Qt::LeftButton, mods, from);
        moveMouse(area, from + by, Qt::LeftButton);
        QTest::mouseRelease(&area, Qt::LeftButton, mods, from + by);
    }
    int rebuilds() const { return window.render->count("rebuild"); }
    // The drawing area as a full redraw of the same state gives it: the view
    // drawn whole on a copy of the aircraft, then, when `hoveredAt` is given,
    // hovered there.
    QImage fullRedraw(std::optional<QPoint> hoveredAt = std::nullopt) {
        Plane copy = plane;
        ViewState copyView = view;
        const QImage& shown = area.canvas().image();
        QImageCanvas expected(shown.width(), shown.height());
        MouseProtocol mouse(copy, copyView, expected);
        mouse.mode = main.state().mode;
        mouse.equipmentTabOpen = main.tab() == ParameterTab::Electronics;
        mouse.drawView();
        if (hoveredAt) mouse.mouseMove(hoveredAt->x(), hoveredAt->y());
        return expected.image();
    }
};

}  // namespace ferlo::testing
