#include "editor/window/help.h"

#include <QApplication>
#include <QFrame>
#include <QLineEdit>
#include <QTest>
#include <QTextBrowser>

#include <gtest/gtest.h>

#include "editor/drawing/drawing_area.h"
#include "editor/panels/parameter_panels.h"
#include "editor/panels/wing_panel.h"
#include "support/editor_window.h"
#include "support/snapshot.h"

namespace ferlo {
namespace {

// The document's name joins the folder with one "/", unless the folder ends
// in one (blanks around it aside: the folder is joined as it is).
TEST(Help, TheDocumentLiesInTheDataFolder) {
    EXPECT_EQ(helpFilePath("/opt/ferlo"), "/opt/ferlo/Ferlo.html");
    EXPECT_EQ(helpFilePath("/opt/ferlo/"), "/opt/ferlo/Ferlo.html");
    EXPECT_EQ(helpFilePath("/"), "/Ferlo.html");
    EXPECT_EQ(helpFilePath("/opt/ferlo/ "), "/opt/ferlo/ Ferlo.html");
}

// The toolbar's Help button shows the shipped document over the drawing
// area, each time it is pressed; shut-down closes it.
TEST(Help, TheHelpButtonShowsTheDocumentOverTheDrawingArea) {
    testing::EditorWindow editor;
    MainWindow& main = editor.start();
    EXPECT_EQ(main.help().viewer(), nullptr);
    for (int press = 0; press < 2; ++press) {
        main.Bar_ButtonClick("Help");
        ASSERT_NE(main.help().viewer(), nullptr);
        EXPECT_TRUE(main.help().viewer()->isVisible());
        EXPECT_EQ(main.help().viewer()->geometry(), main.controls().DrawArea->geometry());
        EXPECT_EQ(main.help().browser()->documentTitle(), "Ferlo Help");
        main.help().helpQuit();
        EXPECT_FALSE(main.help().viewer()->isVisible());
    }
    main.Bar_ButtonClick("Help");
    testing::saveOutputPng(main.grab().toImage(), "main_window_help");
    editor.dialogs.answers = {true};
    main.close();
    EXPECT_FALSE(main.help().viewer()->isVisible());
}

// Presses `key` on `widget` of the main window, the window active (the
// keys are the window's while it is; other tests' windows on the display
// may take the activation away at any time).
void pressKey(MainWindow& main, QWidget* widget, Qt::Key key) {
    QApplication::setActiveWindow(&main);
    QTest::keyClick(widget, key);
}

// F1 opens the help wherever the focus is in the window; Escape closes it,
// from the drawing area as from the viewer itself.
TEST(Help, F1OpensItAndEscapeClosesIt) {
    testing::EditorWindow editor;
    MainWindow& main = editor.startSettled();
    QWidget* area = main.controls().DrawArea;
    pressKey(main, area, Qt::Key_F1);
    ASSERT_NE(main.help().viewer(), nullptr);
    EXPECT_TRUE(main.help().viewer()->isVisible());
    pressKey(main, area, Qt::Key_Escape);
    EXPECT_FALSE(main.help().viewer()->isVisible());

    pressKey(main, main.panels().wing().boxes.Span, Qt::Key_F1);
    EXPECT_TRUE(main.help().viewer()->isVisible());
    pressKey(main, main.help().browser(), Qt::Key_Escape);
    EXPECT_FALSE(main.help().viewer()->isVisible());
}

// Without the document nothing is shown and nothing is said.
TEST(Help, AMissingDocumentIsSilent) {
    testing::EditorWindow editor;
    testing::TempDir emptyData;
    editor.env.paths.dataFolder = QString::fromStdString(emptyData.path().string());
    MainWindow& main = editor.start();
    main.Bar_ButtonClick("Help");
    EXPECT_EQ(main.help().viewer(), nullptr);
    EXPECT_TRUE(editor.dialogs.warnings.empty());
    EXPECT_TRUE(editor.dialogs.informations.empty());
}

}  // namespace
}  // namespace ferlo
