// Every command that changes the aircraft, run through the real window, and
// what must follow it: the unsaved mark, the drawing area as a full redraw
// of the same state shows it, the 3D rebuilds, the open tab, the section
// box's scale and the fuselage manager's rows.

#include <functional>
#include <string>

#include <QAction>
#include <QCheckBox>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSlider>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include "document/mouse_protocol.h"
#include "editor/commands/preferences.h"
#include "editor/drawing/canvas_widget.h"
#include "editor/drawing/pointer_shapes.h"
#include "editor/drawing/qimage_canvas.h"
#include "editor/drawing/tracing_pictures.h"
#include "editor/panels/fuselage_manager.h"
#include "support/drawing_area_editor.h"
#include "support/fuselage_sections.h"
#include "support/panel_typing.h"
#include "support/pointer_events.h"
#include "support/snapshot.h"

namespace ferlo {
namespace {

using testing::moveMouse;
using testing::screenAt;

struct Window : testing::DrawingAreaEditor {
    testing::ScriptedDialogs& dialogs() { return window.dialogs; }
    MeshSections& fuselage() { return plane.fuselages.current(); }
    template <typename Widget>
    Widget& get(const char* name) {
        Widget* widget = main.findChild<Widget*>(QString::fromLatin1(name));
        if (widget == nullptr) ADD_FAILURE() << "no control " << name;
        return *widget;
    }
    QString file(const std::string& name) { return QString::fromStdString((window.config.path() / name).string()); }

    void hover(QPoint at) {
        lastHover = at;
        testing::DrawingAreaEditor::hover(at);
    }
    // The section box's scale as fitting the selected section gives it.
    double fittedSectionScale() {
        MeshSections f = fuselage();
        const CanvasWidget& box = *main.controls().DrawSectionArea;
        f.zoomSectionSet(box.width(), box.height());
        return f.szoom;
    }

    // Ctrl held in the drawing area during a click at `at`.
    void ctrlClick(QPoint at) {
        QTest::keyPress(&area, Qt::Key_Control, Qt::ControlModifier);
        QTest::mouseClick(&area, Qt::LeftButton, Qt::ControlModifier, at);
        QTest::keyRelease(&area, Qt::Key_Control, Qt::NoModifier);
    }
    // A left-button drag from `from` by `by` in three steps.
    void dragBy(QPoint from, QPoint by) {
        hover(from);
        QTest::mousePress(&area, Qt::LeftButton, {}, from);
        for (int step = 1; step <= 3; ++step) moveMouse(area, from + by * step / 3, Qt::LeftButton);
        QTest::mouseRelease(&area, Qt::LeftButton, {}, from + by);
    }
    QPoint stabTip() {
        const SymWingSections& s = plane.stab;
        return screenAt(view, s.span, s.pos1 + s.pos2 + s.length2 / 2, true);
    }
    QPoint sectionTop(int d) {
        const testing::SectionValues s = testing::sectionAt(fuselage(), d);
        return screenAt(view, s.pos, s.elevation + s.height, false);
    }
    // A second fuselage (Plus), hidden (the manager's Hide): the last one.
    void hideASecondFuselage() {
        QTest::mouseClick(&get<QPushButton>("IndexFusPlusButton"), Qt::LeftButton);
        ASSERT_EQ(plane.fuselages.nbFuselages(), 2);
        selectManagerRow(2);
        main.fuselageManager().HideCommand->click();
        ASSERT_FALSE(plane.fuselages.shown(2));
        settled();
    }
    // What the command's preparation did is not the command's.
    void settled() {
        main.state().savedProject = true;
        rebuildsBefore = rebuilds();
    }
    void selectManagerRow(int row) {
        QTreeWidget& list = *main.fuselageManager().ListView;
        list.clearSelection();
        list.topLevelItem(row - 1)->setSelected(true);
    }
    void liveRendering() { main.controls().button("Render")->setChecked(true); }

    QPoint lastHover;
    int rebuildsBefore = 0;
};

struct Row {
    const char* name;
    ViewKind view;
    ParameterTab tab;  // shown before the command
    std::function<void(Window&)> command;
    bool unsaved;   // the project is marked unsaved afterwards
    int rebuilds;   // 3D rebuilds the command asks for
    ParameterTab tabAfter;
    // What else the command must leave; nothing when empty.
    std::function<void(Window&)> check = {};
    // The pointer rests over a part, which the drawing area shows lit.
    bool hovered = false;
};

const Row kRows[] = {
    // ---- The toolbar ----
    {"new", ViewKind::Side, ParameterTab::Fuselage,
     [](Window& e) {
         e.dialogs().answers = {true};
         e.plane.stab.span = 123;
         e.main.Bar_ButtonClick("New");
     },
     false, 1, ParameterTab::Fuselage, [](Window& e) { EXPECT_NE(e.plane.stab.span, 123); }},
    {"save", ViewKind::VTop, ParameterTab::Wing,
     [](Window& e) {
         e.main.state().savedProject = false;
         e.dialogs().saveChoices = {{e.file("a.flx"), 1}};
         e.main.Bar_ButtonClick("Save");
     },
     false, 0, ParameterTab::Wing},
    {"open", ViewKind::Front, ParameterTab::Fin,
     [](Window& e) {
         e.dialogs().saveChoices = {{e.file("b.flx"), 1}};
         e.main.Bar_ButtonClick("Save");
         e.plane.stab.span = 321;
         e.dialogs().openChoices = {{e.file("b.flx"), 1}};
         e.main.Bar_ButtonClick("Open");
     },
     false, 2, ParameterTab::Fin, [](Window& e) { EXPECT_NE(e.plane.stab.span, 321); }},
    {"palette", ViewKind::VTop, ParameterTab::Stab,
     [](Window& e) {
         e.dialogs().colors = {PackedColor{0x123456}};
         e.main.Bar_ButtonClick("Palette");
     },
     true, 1, ParameterTab::Stab},
    {"render", ViewKind::VTop, ParameterTab::Wing, [](Window& e) { e.main.Bar_ButtonClick("Render"); }, false, 1,
     ParameterTab::Wing},
    {"side_button", ViewKind::VTop, ParameterTab::Wing, [](Window& e) { e.main.Bar_ButtonClick("Side"); }, false, 0,
     ParameterTab::Fuselage},
    {"front_button", ViewKind::Side, ParameterTab::Fuselage, [](Window& e) { e.main.Bar_ButtonClick("Front"); },
     false, 0, ParameterTab::Wing},
    {"htop_button", ViewKind::Side, ParameterTab::Fuselage, [](Window& e) { e.main.Bar_ButtonClick("HTop"); }, false,
     0, ParameterTab::Fuselage},
    {"preferences_rescale", ViewKind::Side, ParameterTab::Fuselage,
     [](Window& e) {
         Preferences& prefs = e.main.prefs();
         prefs.ScaleText->setText("200");
         prefs.CloseCommand->click();
     },
     true, 1, ParameterTab::Wing},
    // A VRML export shows every fuselage: the hidden last one appears in
    // the manager's rows, and the project changed.
    {"vrml_shows_the_hidden_last_fuselage", ViewKind::VTop, ParameterTab::Wing,
     [](Window& e) {
         e.hideASecondFuselage();
         e.dialogs().saveChoices = {{e.file("w.wrl"), 2}};
         e.main.Bar_ButtonClick("Save");
     },
     true, 1, ParameterTab::Wing, [](Window& e) { EXPECT_TRUE(e.plane.fuselages.shown(2)); }},
    {"vrml_with_every_fuselage_shown", ViewKind::VTop, ParameterTab::Wing,
     [](Window& e) {
         e.dialogs().saveChoices = {{e.file("v.wrl"), 2}};
         e.main.Bar_ButtonClick("Save");
     },
     false, 0, ParameterTab::Wing},

    // ---- Boxes, sliders, check boxes, scroll bars, Plus and Minus ----
    {"wing_span_box", ViewKind::VTop, ParameterTab::Wing,
     [](Window& e) { testing::typeOver(&e.get<QLineEdit>("SpanText"), "900"); }, true, 0, ParameterTab::Wing},
    {"wing_span_box_rendering_live", ViewKind::VTop, ParameterTab::Wing,
     [](Window& e) {
         e.liveRendering();
         testing::typeOver(&e.get<QLineEdit>("SpanText"), "9");
     },
     true, 1, ParameterTab::Wing},
    {"section_width_box", ViewKind::Side, ParameterTab::Fuselage,
     [](Window& e) { testing::typeOver(&e.get<QLineEdit>("WidthFuselageText"), "300"); }, true, 0,
     ParameterTab::Fuselage},
    // The largest point count a fuselage takes.
    {"points_box_at_100", ViewKind::Side, ParameterTab::Fuselage,
     [](Window& e) { testing::typeOver(&e.get<QLineEdit>("NbCrossFuselageText"), "100"); }, true, 0,
     ParameterTab::Fuselage, [](Window& e) { EXPECT_EQ(e.fuselage().nb_cross, 100); }},
    {"curvature_slider", ViewKind::Side, ParameterTab::Fuselage,
     [](Window& e) { e.main.controls().CurvatureSlider->setValue(e.main.controls().CurvatureSlider->value() + 7); },
     true, 0, ParameterTab::Fuselage},
    {"bias_slider", ViewKind::HTop, ParameterTab::Fuselage,
     [](Window& e) { e.main.controls().BiasSlider->setValue(e.main.controls().BiasSlider->value() - 9); }, true, 0,
     ParameterTab::Fuselage},
    {"transparent_check", ViewKind::VTop, ParameterTab::Fuselage,
     [](Window& e) { e.get<QCheckBox>("TransparentCheck").click(); }, true, 1, ParameterTab::Fuselage},
    {"unique_curvature_check", ViewKind::Side, ParameterTab::Fuselage,
     [](Window& e) { e.get<QCheckBox>("UniqueCurvatureCheck").click(); }, true, 0, ParameterTab::Fuselage},
    {"smooth_top", ViewKind::Side, ParameterTab::Fuselage,
     [](Window& e) { e.main.controls().SmoothTopCommand->click(); }, true, 0, ParameterTab::Fuselage},
    // The section scroll bar in Front shows the new section's cross-section.
    {"section_scroll_in_front", ViewKind::Front, ParameterTab::Fuselage,
     [](Window& e) { e.main.controls().FuselageScroll->setValue(2); }, false, 0, ParameterTab::Fuselage,
     [](Window& e) { EXPECT_EQ(e.fuselage().sel_sec, 2); }},
    {"wing_plus", ViewKind::VTop, ParameterTab::Wing,
     [](Window& e) { e.get<QPushButton>("IndexWingPlusButton").click(); }, true, 0, ParameterTab::Wing,
     [](Window& e) { EXPECT_EQ(e.plane.mainWing.nbWings, 2); }},
    {"wing_minus_of_the_only_panel", ViewKind::VTop, ParameterTab::Wing,
     [](Window& e) { e.get<QPushButton>("IndexWingMinusButton").click(); }, false, 0, ParameterTab::Wing},
    {"fuselage_plus", ViewKind::Side, ParameterTab::Fuselage,
     [](Window& e) { QTest::mouseClick(&e.get<QPushButton>("IndexFusPlusButton"), Qt::LeftButton); }, true, 0,
     ParameterTab::Fuselage, [](Window& e) { EXPECT_EQ(e.plane.fuselages.currentFuselage, 2); }},
    {"fuselage_minus", ViewKind::VTop, ParameterTab::Fuselage,
     [](Window& e) {
         e.hideASecondFuselage();
         e.dialogs().answers = {true};
         e.get<QPushButton>("IndexFusMinusButton").click();
     },
     true, 0, ParameterTab::Fuselage, [](Window& e) { EXPECT_EQ(e.plane.fuselages.nbFuselages(), 1); }},
    {"equipment_plus", ViewKind::Side, ParameterTab::Electronics,
     [](Window& e) { e.get<QPushButton>("IndexServoPlusButton").click(); }, true, 0, ParameterTab::Electronics},

    // ---- The fuselage manager ----
    {"manager_hide", ViewKind::VTop, ParameterTab::Wing,
     [](Window& e) {
         e.selectManagerRow(1);
         e.main.fuselageManager().HideCommand->click();
     },
     true, 1, ParameterTab::Wing},
    {"manager_show", ViewKind::VTop, ParameterTab::Wing,
     [](Window& e) {
         e.hideASecondFuselage();
         e.selectManagerRow(2);
         e.main.fuselageManager().ShowCommand->click();
     },
     true, 1, ParameterTab::Wing},
    {"manager_close_picks_the_selected", ViewKind::Side, ParameterTab::Fuselage,
     [](Window& e) {
         e.hideASecondFuselage();
         e.selectManagerRow(2);
         e.main.fuselageManager().CloseCommand->click();
     },
     false, 0, ParameterTab::Fuselage, [](Window& e) { EXPECT_EQ(e.plane.fuselages.currentFuselage, 2); }},

    // ---- The drawing area ----
    // A Ctrl click with no move after it inserts, or removes, a section.
    {"ctrl_click_inserts_a_section", ViewKind::Side, ParameterTab::Fuselage,
     [](Window& e) {
         const testing::SectionValues first = testing::sectionAt(e.fuselage(), 1);
         e.ctrlClick(screenAt(e.view, 100, first.elevation + 5, false));
     },
     true, 2, ParameterTab::Fuselage, [](Window& e) { EXPECT_EQ(e.fuselage().nb_sections, 4); }},
    {"ctrl_click_removes_a_section", ViewKind::Side, ParameterTab::Fuselage,
     [](Window& e) {
         const testing::SectionValues second = testing::sectionAt(e.fuselage(), 2);
         e.ctrlClick(screenAt(e.view, second.pos, second.elevation + second.height / 2, false));
     },
     true, 2, ParameterTab::Fuselage, [](Window& e) { EXPECT_EQ(e.fuselage().nb_sections, 2); }},
    {"vtop_wing_tip_drag", ViewKind::VTop, ParameterTab::Fin,
     [](Window& e) {
         const SymWingSections& w = e.plane.mainWing.wing(1);
         e.dragBy(screenAt(e.view, w.shift + w.span, w.pos1 + w.pos2 + w.length2 / 2, true), {0, 15});
     },
     true, 1, ParameterTab::Wing},
    // A press on the stabiliser opens its tab.
    {"vtop_stab_press", ViewKind::VTop, ParameterTab::Wing,
     [](Window& e) {
         e.hover(e.stabTip());
         QTest::mouseClick(&e.area, Qt::LeftButton, {}, e.stabTip());
     },
     true, 1, ParameterTab::Stab},
    {"front_fin_drag", ViewKind::Front, ParameterTab::Wing,
     [](Window& e) { e.dragBy(screenAt(e.view, e.plane.fin.offset1, e.plane.fin.shift, false), {9, 0}); }, true, 1,
     ParameterTab::Fin},
    // A section point dragged in Side: the box shows the new size fitted.
    {"side_section_point_drag", ViewKind::Side, ParameterTab::Fuselage,
     [](Window& e) { e.dragBy(e.sectionTop(2), {0, -40}); }, true, 1, ParameterTab::Fuselage},
    {"side_equipment_drag", ViewKind::Side, ParameterTab::Electronics,
     [](Window& e) {
         const ElectroBox& b = e.plane.equipment.box(1);
         e.dragBy(screenAt(e.view, b.pos + 2, b.elevation, false), {15, 0});
     },
     true, 1, ParameterTab::Electronics},
    {"htop_section_drag", ViewKind::HTop, ParameterTab::Fuselage,
     [](Window& e) {
         const testing::SectionValues s = testing::sectionAt(e.fuselage(), 2);
         e.dragBy(screenAt(e.view, s.pos, s.width / 2, true), {0, 8});
     },
     true, 1, ParameterTab::Fuselage},
    // A hover, through the drawing area's own mouse move, sets the pointer.
    {"hover_sets_the_pointer", ViewKind::VTop, ParameterTab::Wing, [](Window& e) { e.hover(e.stabTip()); }, false, 0,
     ParameterTab::Wing, [](Window& e) { EXPECT_EQ(e.area.mousePointer(), kPointerSizeNS); }, true},
    {"picture_clear", ViewKind::VTop, ParameterTab::Wing,
     [](Window& e) {
         QImage picture(100, 60, QImage::Format_RGB32);
         picture.fill(Qt::red);
         ASSERT_TRUE(picture.save(e.file("plan.png"), "PNG"));
         e.dialogs().files = {e.file("plan.png")};
         e.main.pictures().loadBitmap();
         e.main.controls().ClearBitmap->trigger();
     },
     false, 0, ParameterTab::Wing, [](Window& e) { EXPECT_FALSE(e.main.state().picture().bitmapLoaded); }},
};

class EditEffects : public ::testing::TestWithParam<Row> {};

TEST_P(EditEffects, FollowUps) {
    const Row& row = GetParam();
    Window e;
    e.show(row.view, row.tab);
    ASSERT_TRUE(e.main.state().savedProject);
    e.settled();
    row.command(e);
    if (::testing::Test::HasFatalFailure()) return;
    EXPECT_EQ(e.main.state().savedProject, !row.unsaved);
    EXPECT_EQ(e.rebuilds() - e.rebuildsBefore, row.rebuilds);
    EXPECT_EQ(e.main.tab(), row.tabAfter);

    const QImage& shown = e.area.canvas().image();
    const QImage expected = row.hovered ? e.fullRedraw(e.lastHover) : e.fullRedraw();
    EXPECT_TRUE(shown == expected) << "the drawing area is not a full redraw";
    testing::saveOutputPng(shown, std::string("edit_effects_") + row.name);
    if (shown != expected) testing::saveOutputPng(expected, std::string("edit_effects_expected_") + row.name);

    EXPECT_DOUBLE_EQ(e.fuselage().szoom, e.fittedSectionScale()) << "the section box keeps another scale";
    const QTreeWidget& rows = *e.main.fuselageManager().ListView;
    ASSERT_EQ(rows.topLevelItemCount(), e.plane.fuselages.nbFuselages());
    for (int i = 1; i <= rows.topLevelItemCount(); ++i) {
        EXPECT_EQ(rows.topLevelItem(i - 1)->text(1), e.plane.fuselages.shown(i) ? "Shown" : "Hidden") << "row " << i;
    }
    if (row.check) row.check(e);
}

INSTANTIATE_TEST_SUITE_P(Commands, EditEffects, ::testing::ValuesIn(kRows),
                         [](const ::testing::TestParamInfo<Row>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace ferlo
