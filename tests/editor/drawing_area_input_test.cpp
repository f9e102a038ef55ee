#include "editor/drawing/drawing_area_input.h"

#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include <QAction>
#include <QApplication>
#include <QMouseEvent>
#include <QGroupBox>
#include <QMenu>
#include <QScrollBar>
#include <QBackingStore>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include "base/value_reader.h"
#include "document/mouse_protocol.h"
#include "document/view_drawing.h"
#include "editor/drawing/drawing_area.h"
#include "editor/drawing/pointer_shapes.h"
#include "editor/drawing/qimage_canvas.h"
#include "support/drawing_area_editor.h"
#include "support/fuselage_sections.h"
#include "support/pointer_events.h"
#include "support/snapshot.h"

namespace ferlo {
namespace {

using testing::moveMouse;
using testing::screenAt;

struct Editor : testing::DrawingAreaEditor {
    // The drawing area's pixels in the window's backing store, what goes to
    // the screen, once the events waiting are handled.
    QImage onScreen() {
        QCoreApplication::processEvents();
        QPaintDevice* device = main.backingStore()->paintDevice();
        if (device->devType() != QInternal::Image) {
            ADD_FAILURE() << "the window is not painted into an image";
            return {};
        }
        const QRect place(area.mapTo(&main, QPoint(0, 0)), area.size());
        return static_cast<QImage*>(device)->copy(place).convertToFormat(QImage::Format_RGB32);
    }
};

// Wing panel 1's tip chord in VTop: without Shift the drag moves it aft by
// the pixels divided by the zoom, with Shift (held over the lit edge) it
// widens the span; the wing tab opens. The project is no longer saved.
TEST(DrawingAreaInput, DraggingPanel1sTipInVTop) {
    for (bool shift : {false, true}) {
        Editor e;
        e.show(ViewKind::VTop, ParameterTab::Fin);
        SymWingSections& w = e.plane.mainWing.wing(1);
        const double span = w.span, pos2 = w.pos2;
        const QPoint tip = screenAt(e.view, w.shift + w.span, w.pos1 + w.pos2 + w.length2 / 2, true);
        e.hover(tip);
        ASSERT_TRUE(w.selected) << shift;
        if (shift) {
            QTest::keyPress(&e.area, Qt::Key_Shift, Qt::ShiftModifier);
            EXPECT_TRUE(e.view.shiftkey);
            EXPECT_EQ(e.area.mousePointer(), kPointerSizeWE);
        }
        EXPECT_TRUE(e.main.state().savedProject);
        const QPoint by(20, 15);
        e.drag(tip, by, shift ? Qt::ShiftModifier : Qt::NoModifier);
        EXPECT_FALSE(e.main.state().savedProject);
        EXPECT_EQ(e.main.tab(), ParameterTab::Wing);
        EXPECT_DOUBLE_EQ(w.span, shift ? span + by.x() / e.view.zoom : span);
        EXPECT_DOUBLE_EQ(w.pos2, shift ? pos2 : pos2 + by.y() / e.view.zoom);
        EXPECT_FALSE(e.view.shiftkey);  // the mouse-up clears it
        if (shift) QTest::keyRelease(&e.area, Qt::Key_Shift, Qt::NoModifier);
        testing::saveOutputPng(e.area.canvas().image(),
                               std::string("drawing_area_vtop_tip_drag") + (shift ? "_shift" : ""));
    }
}

// A drag never takes a value past what a project file holds: with panel 1's
// tip near that limit (the view fitted to it), a move that would take it past
// leaves the tip where it was, a shorter move of the same drag still moves
// it, and the project is then saved.
TEST(DrawingAreaInput, ADragKeepsTheProjectSaveable) {
    Editor e;
    SymWingSections& w = e.plane.mainWing.wing(1);
    w.span = 4e11;
    w.pos2 = 8.5e11;
    w.length2 = 1e11;
    e.show(ViewKind::VTop);
    const double start = w.pos2;
    const QPoint tip = screenAt(e.view, w.shift + w.span, w.pos1 + w.pos2 + w.length2 / 2, true);
    const QPoint far(0, 100), near(0, 10);
    ASSERT_GT(start + far.y() / e.view.zoom, kMaxFileMagnitude);

    e.hover(tip);
    QTest::mousePress(&e.area, Qt::LeftButton, {}, tip);
    ASSERT_EQ(w.paint, SymWingSections::kHitTipEdge);
    moveMouse(e.area, tip + far, Qt::LeftButton);
    EXPECT_EQ(w.pos2, start);
    moveMouse(e.area, tip + near, Qt::LeftButton);
    EXPECT_DOUBLE_EQ(w.pos2, start + near.y() / e.view.zoom);
    QTest::mouseRelease(&e.area, Qt::LeftButton, {}, tip + near);

    testing::TempDir dir;
    e.window.dialogs.saveChoices = {{QString::fromStdString((dir.path() / "far.flx").string()), 1}};
    e.main.Bar_ButtonClick("Save");
    EXPECT_EQ(e.window.dialogs.warnings, std::vector<QString>{});
    EXPECT_TRUE(e.main.state().savedProject);
}

// In Side the fin's root trailing corner lies on the fuselage's tail
// section line: a mouse-down there grabs both, and the fin's tab wins. With
// the equipment tab open only a box can be grabbed: on the box's handle, over
// the fuselage's section 2, the box alone.
TEST(DrawingAreaInput, WhatAMouseDownGrabsInSideAndTheTabThatFollows) {
    Editor e;
    e.show(ViewKind::Side);
    const QPoint corner = screenAt(e.view, 800, 30, false);
    QTest::mousePress(&e.area, Qt::LeftButton, {}, corner);
    EXPECT_NE(e.plane.fin.paint, VertWingSection::kIdlePaint);
    EXPECT_NE(e.plane.fuselages.current().paint, MeshSections::kIdlePaint);
    EXPECT_EQ(e.main.tab(), ParameterTab::Fin);
    EXPECT_TRUE(e.main.controls().FuselageVTopFrame->isHidden());
    QTest::mouseRelease(&e.area, Qt::LeftButton, {}, corner);

    for (ParameterTab tab : {ParameterTab::Fuselage, ParameterTab::Electronics}) {
        e.show(ViewKind::Side, tab);
        const ElectroBox& box = e.plane.equipment.box(1);
        const QPoint handle = screenAt(e.view, 200, box.elevation, false);
        QTest::mousePress(&e.area, Qt::LeftButton, {}, handle);
        EXPECT_EQ(box.paint != ElectroBox::kIdlePaint, tab == ParameterTab::Electronics);
        EXPECT_EQ(e.plane.fuselages.current().paint != MeshSections::kIdlePaint, tab == ParameterTab::Fuselage);
        EXPECT_EQ(e.main.tab(), tab);
        QTest::mouseRelease(&e.area, Qt::LeftButton, {}, handle);
    }
}

// Ctrl held in Side: a click into the gap between sections 1 and 2 inserts
// a section (3 to 4, the section scroll bar's maximum 4); a click on section
// 2's line then removes it. Each click ends its gesture.
TEST(DrawingAreaInput, CtrlClicksInsertAndRemoveSections) {
    Editor e;
    e.show(ViewKind::Side, ParameterTab::Fuselage);
    MeshSections& f = e.plane.fuselages.current();
    ASSERT_EQ(f.nb_sections, 3);
    const double nose = testing::sectionAt(f, 1).elevation;
    const double second = testing::sectionAt(f, 2).pos;
    QTest::keyPress(&e.area, Qt::Key_Control, Qt::ControlModifier);
    EXPECT_TRUE(e.view.ctrlkey);
    EXPECT_EQ(e.area.mousePointer(), kPointerCross);
    QTest::mouseClick(&e.area, Qt::LeftButton, Qt::ControlModifier, screenAt(e.view, second / 2, nose, false));
    EXPECT_EQ(f.nb_sections, 4);
    EXPECT_EQ(e.main.controls().FuselageScroll->maximum(), 4);
    EXPECT_EQ(f.paint, MeshSections::kIdlePaint);
    QTest::keyRelease(&e.area, Qt::Key_Control, Qt::NoModifier);
    EXPECT_FALSE(e.view.ctrlkey);

    const testing::SectionValues inserted = testing::sectionAt(f, 2);
    QTest::keyPress(&e.area, Qt::Key_Control, Qt::ControlModifier);
    EXPECT_TRUE(e.view.ctrlkey);
    const QPoint line = screenAt(e.view, inserted.pos, inserted.elevation + inserted.height / 2, false);
    QTest::mouseClick(&e.area, Qt::LeftButton, Qt::ControlModifier, line);
    QTest::keyRelease(&e.area, Qt::Key_Control, Qt::NoModifier);
    EXPECT_EQ(f.nb_sections, 3);
    EXPECT_EQ(e.main.controls().FuselageScroll->maximum(), 3);
    testing::saveOutputPng(e.area.canvas().image(), "drawing_area_side_after_ctrl_clicks");
}

// A right click opens the popup (closed here from a timer), grabs nothing,
// keeps the mouse-down point, and changes nothing that needs saving: on
// empty space and on the stabiliser's tip chord, which a left press grabs.
TEST(DrawingAreaInput, ARightClickOpensThePopupAndKeepsTheMouseDownPoint) {
    Editor e;
    e.show(ViewKind::VTop);
    const SymWingSections& stab = e.plane.stab;
    const QPoint tip = screenAt(e.view, stab.span, stab.pos1 + stab.pos2 + stab.length2 / 2, true);
    for (const QPoint at : {QPoint(60, 70), tip}) {
        e.view.xloc = 12;
        e.view.yloc = 34;
        bool shown = false;
        QTimer::singleShot(0, [&] {
            shown = e.main.controls().Popup->isVisible();
            e.main.controls().Popup->close();
        });
        e.hover(at);
        QTest::mouseClick(&e.area, Qt::RightButton, {}, at);
        EXPECT_TRUE(QTest::qWaitFor([&] { return shown; }, 2000));
        EXPECT_EQ(stab.paint, SymWingSections::kIdlePaint);
        EXPECT_EQ(e.view.xloc, 12);
        EXPECT_EQ(e.view.yloc, 34);
        EXPECT_TRUE(e.main.state().savedProject) << at.x() << "," << at.y();
    }
    QTest::mouseClick(&e.area, Qt::LeftButton, {}, tip);
    EXPECT_FALSE(e.main.state().savedProject);
}

// The 3D view: with Render up a drag renders once, at the mouse-up; with
// Render down every left-button move renders too, a move without a button
// (the demonstration's drag) does not, and a move to the same place does
// nothing at all.
TEST(DrawingAreaInput, RendersFollowTheLiveRule) {
    Editor e;
    e.show(ViewKind::VTop);
    const SymWingSections& stab = e.plane.stab;
    const QPoint tip = screenAt(e.view, stab.span, stab.pos1 + stab.pos2 + stab.length2 / 2, true);
    int before = e.rebuilds();
    e.drag(tip, {0, 10});
    EXPECT_EQ(e.rebuilds(), before + 1);

    e.main.controls().button("Render")->setChecked(true);
    before = e.rebuilds();
    QTest::mousePress(&e.area, Qt::LeftButton, {}, tip);
    moveMouse(e.area, tip + QPoint(0, 5), Qt::LeftButton);
    const double pos2 = stab.pos2;
    moveMouse(e.area, tip + QPoint(0, 5), Qt::LeftButton);
    EXPECT_EQ(stab.pos2, pos2);
    EXPECT_EQ(e.rebuilds(), before + 1);
    QTest::mouseRelease(&e.area, Qt::LeftButton, {}, tip + QPoint(0, 5));
    EXPECT_EQ(e.rebuilds(), before + 2);

    before = e.rebuilds();
    DrawingAreaInput& input = e.main.drawingAreaInput();
    input.mouseDown(1, 0, tip.x(), tip.y());
    input.mouseMove(0, 0, tip.x(), tip.y() + 8);
    EXPECT_DOUBLE_EQ(stab.pos2, pos2 + 8 / e.view.zoom);
    input.mouseUp(1, 0, tip.x(), tip.y() + 8);
    EXPECT_EQ(e.rebuilds(), before + 1);
}

// A key released during a drag ends it as a mouse-up does, with one render;
// the moves that follow, the button still down, only hover.
TEST(DrawingAreaInput, AKeyUpEndsADrag) {
    Editor e;
    e.show(ViewKind::VTop);
    const SymWingSections& stab = e.plane.stab;
    const QPoint tip = screenAt(e.view, stab.span, stab.pos1 + stab.pos2 + stab.length2 / 2, true);
    QTest::mousePress(&e.area, Qt::LeftButton, {}, tip);
    moveMouse(e.area, tip + QPoint(0, 6), Qt::LeftButton);
    const int before = e.rebuilds();
    QTest::keyPress(&e.area, Qt::Key_Z);  // ignored while a part is grabbed
    EXPECT_NE(stab.paint, SymWingSections::kIdlePaint);
    QTest::keyRelease(&e.area, Qt::Key_Z);
    EXPECT_EQ(stab.paint, SymWingSections::kIdlePaint);
    EXPECT_EQ(e.rebuilds(), before + 1);
    const double pos2 = stab.pos2;
    moveMouse(e.area, tip + QPoint(0, 20), Qt::LeftButton);
    EXPECT_EQ(stab.pos2, pos2);
    QTest::mouseRelease(&e.area, Qt::LeftButton, {}, tip + QPoint(0, 20));
}

// After a drag in each view the drawing area shows exactly what a full
// redraw of the same state draws.
TEST(DrawingAreaInput, AfterADragTheImageIsAFullRedraw) {
    struct Case {
        const char* name;
        ViewKind kind;
        ParameterTab tab;
        QPoint (*from)(const Plane&, const ViewState&);
        QPoint by;
    };
    const Case cases[] = {
        {"vtop", ViewKind::VTop, ParameterTab::Wing,
         [](const Plane& p, const ViewState& v) {
             return screenAt(v, p.stab.span, p.stab.pos1 + p.stab.pos2 + p.stab.length2 / 2, true);
         },
         {0, 12}},
        {"front", ViewKind::Front, ParameterTab::Fin,
         [](const Plane& p, const ViewState& v) { return screenAt(v, p.fin.offset1, p.fin.shift, false); }, {9, 0}},
        {"side", ViewKind::Side, ParameterTab::Fuselage,
         [](const Plane& p, const ViewState& v) {
             const testing::SectionValues s = testing::sectionAt(p.fuselages.current(), 2);
             return screenAt(v, s.pos, s.elevation + s.height, false);  // its top point
         },
         {0, -12}},
        {"side_equipment", ViewKind::Side, ParameterTab::Electronics,
         [](const Plane& p, const ViewState& v) {
             const ElectroBox& b = p.equipment.box(1);
             return screenAt(v, b.pos + 2, b.elevation, false);
         },
         {15, 0}},
        {"htop", ViewKind::HTop, ParameterTab::Fuselage,
         [](const Plane& p, const ViewState& v) {
             const testing::SectionValues s = testing::sectionAt(p.fuselages.current(), 2);
             return screenAt(v, s.pos, s.width / 2, true);
         },
         {0, 8}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Editor e;
        e.show(c.kind, c.tab);
        const QPoint from = c.from(e.plane, e.view);
        e.hover(from);
        QTest::mousePress(&e.area, Qt::LeftButton, {}, from);
        ASSERT_TRUE(e.main.drawingAreaInput().dragUnderWay());
        for (int step = 1; step <= 3; ++step) moveMouse(e.area, from + c.by * step / 3, Qt::LeftButton);
        QTest::mouseRelease(&e.area, Qt::LeftButton, {}, from + c.by);
        const QImage& shown = e.area.canvas().image();
        testing::saveOutputPng(shown, std::string("drawing_area_after_drag_") + c.name);
        const QImage expected = e.fullRedraw();
        EXPECT_TRUE(shown == expected);
        if (shown != expected) testing::saveOutputPng(expected, std::string("drawing_area_full_redraw_") + c.name);
    }
}

// The pointer swept row by row over each view, with no button down, lights
// and darkens the parts it crosses: after each row the drawing area shows
// exactly what a full redraw of the same state shows (the hover's
// highlights included), and at the end the screen shows the drawing area's
// image. Three wing panels, two fuselages and three boxes, so that parts
// cross one another.
TEST(DrawingAreaInput, AfterHoversTheImageIsAFullRedraw) {
    struct Case {
        const char* name;
        ViewKind kind;
        ParameterTab tab;
    };
    const Case cases[] = {
        {"vtop", ViewKind::VTop, ParameterTab::Wing},          {"front", ViewKind::Front, ParameterTab::Fin},
        {"side", ViewKind::Side, ParameterTab::Fuselage},      {"side_equipment", ViewKind::Side, ParameterTab::Electronics},
        {"htop", ViewKind::HTop, ParameterTab::Fuselage},      {"htop_equipment", ViewKind::HTop, ParameterTab::Electronics},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Editor e;
        for (int i = 0; i < 2; ++i) {
            ++e.plane.mainWing.nbWings;
            e.plane.mainWing.addWing(e.plane.defaultColor);
            e.plane.equipment.addBox(e.plane.units);
            e.plane.equipment.box(i + 2).pos = 150.0 + 120 * i;
        }
        e.plane.fuselages.addFuselage(true, e.plane.units, e.plane.defaultColor);
        e.plane.fuselages.fuselage(2).elevation_offset = 15;
        e.show(c.kind, c.tab);
        QCoreApplication::processEvents();  // the view on the screen
        std::optional<QPoint> lit;
        QPoint at;
        for (int y = 3; y < e.area.height(); y += 6) {
            for (int x = 2; x < e.area.width(); x += 5) {
                at = QPoint(y % 2 ? x : e.area.width() - x, y);
                e.hover(at);
                if (hoverOf(e.plane).any()) lit = at;
            }
            QCoreApplication::processEvents();  // each row's changes on the screen
            const QImage& shown = e.area.canvas().image();
            ASSERT_TRUE(shown == e.fullRedraw(at)) << "row " << y;
        }
        ASSERT_TRUE(lit) << "the sweep lit nothing";
        // The sweep ends on the last place that lit a part, so that the
        // screen shows a highlight the canvas painted last.
        e.hover(*lit);
        const QImage& shown = e.area.canvas().image();
        EXPECT_TRUE(shown == e.fullRedraw(*lit));
        testing::saveOutputPng(shown, std::string("drawing_area_after_hovers_") + c.name);
        EXPECT_TRUE(e.onScreen() == shown.convertToFormat(QImage::Format_RGB32));
    }
}

}  // namespace
}  // namespace ferlo
