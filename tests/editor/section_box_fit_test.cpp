// The section box follows the selected section of the current fuselage as
// the drawing area changes it: it always shows the section as large as the
// box allows.

#include <string>
#include <tuple>

#include <QAction>
#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

#include "editor/drawing/canvas_widget.h"
#include "editor/drawing/drawing_area.h"
#include "editor/drawing/qimage_canvas.h"
#include "editor/panels/parameter_panels.h"
#include "editor/window/main_window.h"
#include "support/drawing_area_editor.h"
#include "support/fuselage_sections.h"
#include "support/pointer_events.h"
#include "support/snapshot.h"

namespace ferlo {
namespace {

using testing::moveMouse;
using testing::screenAt;

// The editor on the fuselage tab with the default fuselage's sections
// given other shapes, so that no two of them fill the box alike: (H, W,
// POS, E) = (20, 40, 0, 10), (100, 60, 200, 10), (10, 10, 800, 30); section
// 1 selected.
struct Editor : testing::DrawingAreaEditor {
    CanvasWidget& box = *main.controls().DrawSectionArea;
    bool shaped = (shapeSections(), true);

    void shapeSections() {
        MeshSections& f = fuselage();
        for (const auto& [d, height, width] : {std::tuple{1, 20.0, 40.0}, {2, 100.0, 60.0}, {3, 10.0, 10.0}}) {
            f.sel_sec = static_cast<std::int16_t>(d);
            f.heightSet(height);
            f.widthSet(width);
        }
        f.sel_sec = 1;
        main.zoomSectionBox();
        main.panels().updateFuselageInterface();
    }
    MeshSections& fuselage() { return plane.fuselages.current(); }
    // Display section d's line: its middle in Side, the axis in HTop.
    QPoint sectionLine(int d, ViewKind kind) {
        const testing::SectionValues s = testing::sectionAt(fuselage(), d);
        return kind == ViewKind::Side ? screenAt(view, s.pos, s.elevation + s.height / 2, false)
                                      : screenAt(view, s.pos, fuselage().shift, true);
    }
    // The selected section drawn as large as the box allows.
    QImage fittedSection() {
        MeshSections f = fuselage();
        f.zoomSectionSet(box.width(), box.height());
        QImageCanvas expected(box.width(), box.height());
        f.drawSection(expected);
        return expected.image();
    }
    void expectFitted(const std::string& name) {
        const QImage& shown = box.canvas().image();
        EXPECT_TRUE(shown == fittedSection()) << "the box does not show section " << fuselage().sel_sec << " fitted";
        EXPECT_EQ(main.findChild<QLabel*>("FuselageSectionLabel")->text(), " " + QString::number(fuselage().sel_sec));
        testing::saveOutputPng(shown, "section_box_" + name);
    }
    void clickWithCtrl(QPoint at) {
        QTest::keyPress(&area, Qt::Key_Control, Qt::ControlModifier);
        QTest::mouseClick(&area, Qt::LeftButton, Qt::ControlModifier, at);
        QTest::keyRelease(&area, Qt::Key_Control, Qt::NoModifier);
    }
};

// Hovering over another section's line selects it: the tab shows it, the
// box fitted to it, in Side and in HTop.
TEST(SectionBoxFit, AHoverOverAnotherSectionFitsTheBoxToIt) {
    for (ViewKind kind : {ViewKind::Side, ViewKind::HTop}) {
        const std::string view = kind == ViewKind::Side ? "side" : "htop";
        SCOPED_TRACE(view);
        Editor e;
        e.show(kind, ParameterTab::Fuselage);
        for (int d : {2, 3, 1}) {
            moveMouse(e.area, e.sectionLine(d, kind));
            ASSERT_EQ(e.fuselage().sel_sec, d);
            e.expectFitted("hover_" + view + "_section_" + std::to_string(d));
        }
    }
}

// A Ctrl-click with no move inserts a section into a gap (the new one is
// selected) or removes the section under the pointer (the one after it is
// selected): the box shows the selected section fitted.
TEST(SectionBoxFit, ACtrlClickInsertOrRemoveFitsTheBoxToTheSelectedSection) {
    for (ViewKind kind : {ViewKind::Side, ViewKind::HTop}) {
        const std::string view = kind == ViewKind::Side ? "side" : "htop";
        SCOPED_TRACE(view);
        Editor e;
        e.show(kind, ParameterTab::Fuselage);
        const testing::SectionValues first = testing::sectionAt(e.fuselage(), 1);
        const QPoint gap = kind == ViewKind::Side ? screenAt(e.view, 100, first.elevation + 5, false)
                                                  : screenAt(e.view, 100, e.fuselage().shift, true);
        e.clickWithCtrl(gap);
        ASSERT_EQ(e.fuselage().nb_sections, 4);
        ASSERT_EQ(e.fuselage().sel_sec, 2);
        e.expectFitted("ctrl_insert_" + view);

        e.clickWithCtrl(e.sectionLine(3, kind));  // the 100 high section
        ASSERT_EQ(e.fuselage().nb_sections, 3);
        ASSERT_EQ(e.fuselage().sel_sec, 3);  // the tail section, 10 x 10
        e.expectFitted("ctrl_remove_" + view);
    }
}

// Dragging a section's top or bottom point in Side, or a side point in
// HTop, resizes the section (here the second): the box follows at every
// step.
TEST(SectionBoxFit, ADraggedSectionPointKeepsTheBoxFitted) {
    const struct Case {
        const char* name;
        ViewKind kind;
        QPoint (*point)(const Editor&, const testing::SectionValues&);
        QPoint by;
    } cases[] = {
        {"side_top", ViewKind::Side,
         [](const Editor& e, const testing::SectionValues& s) {
             return screenAt(e.view, s.pos, s.elevation + s.height, false);
         },
         {0, -40}},
        {"side_bottom", ViewKind::Side,
         [](const Editor& e, const testing::SectionValues& s) { return screenAt(e.view, s.pos, s.elevation, false); },
         {0, -15}},
        {"htop_side", ViewKind::HTop,
         [](const Editor& e, const testing::SectionValues& s) { return screenAt(e.view, s.pos, s.width / 2, true); },
         {0, 30}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Editor e;
        e.show(c.kind, ParameterTab::Fuselage);
        const testing::SectionValues second = testing::sectionAt(e.fuselage(), 2);
        const QPoint from = c.point(e, second);
        moveMouse(e.area, from);
        QTest::mousePress(&e.area, Qt::LeftButton, {}, from);
        ASSERT_EQ(e.fuselage().sel_sec, 2);
        ASSERT_EQ(e.main.tab(), ParameterTab::Fuselage);
        for (int step = 1; step <= 3; ++step) {
            moveMouse(e.area, from + c.by * step / 3, Qt::LeftButton);
            EXPECT_NE(testing::sectionAt(e.fuselage(), 2), second);
            e.expectFitted(std::string("drag_") + c.name + "_step_" + std::to_string(step));
        }
        QTest::mouseRelease(&e.area, Qt::LeftButton, {}, from + c.by);
        e.expectFitted(std::string("drag_") + c.name + "_released");
    }
}

}  // namespace
}  // namespace ferlo
