#include "editor/demonstration.h"

#include <cmath>
#include <string>
#include <vector>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolBar>

#include <gtest/gtest.h>

#include "document/plane_operations.h"
#include "editor/drawing_area.h"
#include "support/editor_window.h"
#include "support/glide_run.h"
#include "support/snapshot.h"
#include "support/text_lines.h"
#include "ui_core/glide.h"

namespace ferlo {
namespace {

// How far a glide of `distance` pixels along one axis carries a drag: the
// pointer's last whole-pixel position.
int dragPixels(double distance) { return glidePixel(testing::runGlide({0, 0}, {distance, 0}).last.x); }

MainWindow* mainWindowShown() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == "Main") return static_cast<MainWindow*>(w);
    }
    return nullptr;
}

// A whole first-use run from the preferences file: four messages, the
// scenes' drags on wing panel 1 (down by the plain drag, inwards with
// Shift), a section inserted ahead of section 2 with Ctrl, and the popup
// offered once at the end (closed here by a timer). The user's clicks and
// keys meanwhile are ignored. The window ends in the Side view with the
// fuselage tab, the project unsaved.
TEST(Demonstration, AWholeRunAtFirstUse) {
    testing::EditorWindow editor;
    editor.screen.dpi = 96;
    editor.config.write("prefs.txt", testing::crlfLines({"\"DoIt\"", "#FALSE#", "#FALSE#"}));
    Plane defaults;
    newPlane(defaults);
    const SymWingSections& before = defaults.mainWing.wing(1);
    MeshSections& fuselageBefore = defaults.fuselages.current();
    fuselageBefore.sel_sec = 2;

    testing::PopupCloser popups;
    bool userInputTried = false;
    ViewKind modeAfterUserInput = ViewKind::Front;
    double vtopZoom = 0;
    QTimer watch;
    watch.setInterval(20);
    QObject::connect(&watch, &QTimer::timeout, [&] {
        MainWindow* main = mainWindowShown();
        if (main != nullptr && main->state().mode == ViewKind::VTop) vtopZoom = main->state().view.zoom;
        if (userInputTried || main == nullptr || !main->demonstration().Timer2->isActive()) return;
        // A click on the HTop button and a key in the drawing area while a
        // glide runs.
        userInputTried = true;
        QTest::mouseClick(main->controls().Bar->widgetForAction(main->controls().button("HTop")), Qt::LeftButton);
        QTest::keyClick(main->controls().DrawArea, Qt::Key_Z);
        modeAfterUserInput = main->state().mode;
    });
    watch.start();
    MainWindow& main = editor.start();
    watch.stop();
    testing::saveOutputPng(main.grab().toImage(), "demonstration_end");

    const std::vector<std::pair<QString, QString>> messages{
        {"First use Help",
         "The following demonstration shows how to use\nthe Mouse, the Shift and the Control key\n"
         "The cursor will move AUTOMATICALLY"},
        {"First use Help", "MOUSE edits ..."},
        {"First use Help", "SHIFT button for horizontal moves ..."},
        {"First use Help", "CTRL key for insert/remove sections ..."},
    };
    EXPECT_EQ(editor.dialogs.informations, messages);
    EXPECT_EQ(popups.closed, std::vector<QString>{"Popup"});
    EXPECT_TRUE(userInputTried);
    EXPECT_EQ(modeAfterUserInput, ViewKind::VTop);

    EXPECT_EQ(main.state().mode, ViewKind::Side);
    EXPECT_EQ(main.tab(), ParameterTab::Fuselage);
    EXPECT_FALSE(main.state().savedProject);
    EXPECT_FALSE(main.demonstration().running());
    EXPECT_FALSE(main.demonstration().ShiftButton->isVisible());
    EXPECT_FALSE(main.demonstration().pointerPicture->isVisible());

    // Panel 1's tip: 50 pixels aft, then 50 inwards with Shift; each glide
    // stops short of its target, at 47 pixels.
    ASSERT_GT(vtopZoom, 0);
    const double drag = dragPixels(50) / vtopZoom;
    EXPECT_EQ(dragPixels(50), 47);
    const SymWingSections& wing = main.plane().mainWing.wing(1);
    EXPECT_NEAR(wing.pos2, before.pos2 + drag, 1e-9);
    EXPECT_NEAR(wing.span, before.span - drag, 1e-9);
    EXPECT_EQ(wing.pos1, before.pos1);
    EXPECT_EQ(wing.length2, before.length2);

    // A section inserted 20 pixels ahead of section 2, which it becomes.
    MeshSections fuselage = main.plane().fuselages.current();
    const ViewState& side = main.state().view;
    EXPECT_EQ(fuselage.nb_sections, fuselageBefore.nb_sections + 1);
    fuselage.sel_sec = 2;
    const double pressed = std::nearbyint(fuselageBefore.posGet() * side.zoom + side.xoff - 20);
    EXPECT_NEAR(fuselage.posGet(), (pressed - side.xoff) / side.zoom, 1e-9);

    // The pointer went where the platform could not put it: its picture
    // showed the way, last at the popup.
    ASSERT_FALSE(editor.pointerMoves.empty());
}

// Closing the window during a glide ends the demonstration first: the glide
// stops, no message or popup follows, the window's input is the user's
// again and the window goes cleanly.
TEST(Demonstration, ClosingTheWindowDuringAGlideEndsIt) {
    testing::EditorWindow editor;
    MainWindow& main = editor.startSettled();
    Demonstration& demo = main.demonstration();
    testing::PopupCloser popups;
    bool closed = false;
    QTimer closer;
    closer.setInterval(10);
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (closed || !demo.Timer2->isActive()) return;
        editor.dialogs.answers = {true};
        closed = main.close();
    });
    closer.start();
    demo.run();
    closer.stop();
    EXPECT_TRUE(closed);
    EXPECT_FALSE(demo.running());
    EXPECT_FALSE(demo.Timer2->isActive());
    EXPECT_EQ(editor.dialogs.informations.size(), 2u);
    EXPECT_TRUE(popups.closed.empty());
    EXPECT_FALSE(main.endLongOperation);
    EXPECT_EQ(main.state().mode, ViewKind::VTop);
    editor.main.reset();
}

}  // namespace
}  // namespace ferlo
