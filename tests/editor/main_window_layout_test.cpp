#include "ui_core/main_window_layout.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSlider>
#include <QTabWidget>
#include <QToolBar>

#include <gtest/gtest.h>

#include "editor/canvas_widget.h"
#include "editor/drawing_area.h"
#include "editor/layout_geometry.h"
#include "support/editor_window.h"
#include "support/layout_rect.h"
#include "support/snapshot.h"

namespace ferlo {
namespace {

using testing::expectRect;

// The started window's controls stand where the arithmetic puts them, for
// its own toolbar's height; the screen's resolution and the preferences
// file decide the mode.
TEST(MainWindowLayout, TheStartedWindowIsLaidOutFromTheScreen) {
    struct Case {
        int width, height;
        double dpi;
        bool preferencesFile;
        int column, parametersHeight;
        bool logoVisible;
    };
    const Case cases[] = {
        {1280, 1024, 120, false, 228, 540, true},
        {800, 700, 120, false, 228, 540, false},
        {1024, 768, 96, true, 190, 450, true},
        {700, 700, 96, true, 190, 450, false},
        {1024, 768, 96, false, 228, 540, true},
        {1024, 768, 97, true, 228, 540, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.width);
        SCOPED_TRACE(c.dpi);
        testing::EditorWindow editor;
        editor.screen.area = QSize(c.width, c.height);
        editor.screen.dpi = c.dpi;
        if (c.preferencesFile) editor.config.write("prefs.txt", "");
        MainWindow& main = editor.start();
        const MainControls& controls = main.controls();
        const int bar = controls.Bar->height();
        const MainWindowLayout layout = layoutMainWindow(c.width, c.height, bar, c.column == 190);
        expectRect(layoutRectOf(*controls.Parameters),
                   {0, c.height - c.parametersHeight - bar, 2 * c.column, c.parametersHeight}, "tabs");
        expectRect(layoutRectOf(*controls.DrawArea), layout.drawArea, "drawing area");
        expectRect(layoutRectOf(*controls.Render), layout.render, "3D box");
        EXPECT_EQ(controls.DrawArea->x(), c.column);
        EXPECT_EQ(controls.Logo->width(), c.column - 3);
        EXPECT_EQ(controls.Logo->isVisible(), c.logoVisible);
    }
}

// In both modes the cross-section editor group stands around its section
// box: the scroll bar under it and as wide, the section number under the
// scroll bar's left end, the curvature sliders with the linked check box
// between them flush left of the box from its top, the bias slider right of
// it, the smoothing buttons side by side 50 pixels under the scroll bar,
// centred at 30 %, 50 % and 70 % of the box's width. The drawing area keeps
// the layout's rectangle.
TEST(MainWindowLayout, TheSectionEditorGroupStandsAroundItsBox) {
    for (const bool smallFonts : {false, true}) {
        SCOPED_TRACE(smallFonts);
        testing::EditorWindow editor;
        editor.screenOfMode(smallFonts);
        MainWindow& main = editor.start();
        const MainControls& c = main.controls();
        if (smallFonts) testing::saveOutputPng(main.grab().toImage(), "main_window_small_fonts");

        const QRect box = c.DrawSectionArea->geometry();
        EXPECT_EQ(c.FuselageScroll->geometry(), QRect(box.left(), box.bottom() + 1, box.width(), 16));
        EXPECT_EQ(c.FuselageSectionLabel->pos(), QPoint(box.left(), box.bottom() + 17));
        EXPECT_EQ(c.CurvatureSlider->geometry(), QRect(box.left() - 16, box.top(), 16, 46));
        EXPECT_EQ(c.LinkedCurvaturesCheck->pos(), QPoint(box.left() - 16, box.top() + 46));
        EXPECT_EQ(c.Curvature2Slider->pos(), QPoint(box.left() - 16, box.top() + 64));
        EXPECT_EQ(c.BiasSlider->pos(), QPoint(box.right() + 1, box.top()));
        const int buttonsTop = box.bottom() + 17 + 50;
        const auto centre = [&](const QWidget* button) { return button->x() + button->width() / 2.0; };
        for (const QWidget* button : {c.SmoothTopCommand, c.SmoothWidthCommand, c.SmoothDownCommand}) {
            EXPECT_EQ(button->y(), buttonsTop);
        }
        EXPECT_NEAR(centre(c.SmoothTopCommand), 0.3 * box.width(), 0.5);
        EXPECT_NEAR(centre(c.SmoothWidthCommand), 0.5 * box.width(), 0.5);
        EXPECT_NEAR(centre(c.SmoothDownCommand), 0.7 * box.width(), 0.5);
        const MainWindowLayout layout = layoutMainWindow(1024, 768, c.Bar->height(), smallFonts);
        expectRect(layoutRectOf(*c.DrawArea), layout.drawArea, "drawing area");
    }
}

}  // namespace
}  // namespace ferlo
