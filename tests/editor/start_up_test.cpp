#include "editor/window/start_up.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include <QAction>
#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include "editor/drawing/drawing_area.h"
#include "editor/flight/demonstration.h"
#include "editor/panels/parameter_panels.h"
#include "editor/panels/wing_panel.h"
#include "editor/window/help.h"
#include "editor/window/scene_view_host.h"
#include "editor/window/small_fonts.h"
#include "editor/window/splash.h"
#include "support/editor_window.h"
#include "support/panel_typing.h"
#include "support/snapshot.h"
#include "view3d/scene_view.h"

namespace ferlo {
namespace {

using Calls = std::vector<std::string>;

// The program opens on the default aircraft in the VTop view with the wing
// tab, renders once, and its start-up timer ticks exactly once: the first
// camera is pan (0, 0), zoom 0, yaw 900, pitch 200, rendered anew.
TEST(StartUp, ReachesItsFinalStateWithExactlyOneTimerTick) {
    testing::EditorWindow editor;
    MainWindow& main = editor.start();
    EXPECT_TRUE(main.isVisible());
    EXPECT_EQ(main.windowTitle(), "Ferlo V2.2.1");
    EXPECT_EQ(main.tab(), ParameterTab::Wing);
    EXPECT_EQ(main.state().mode, ViewKind::VTop);
    EXPECT_TRUE(main.controls().button("VTop")->isChecked());
    EXPECT_TRUE(main.state().savedProject);
    EXPECT_EQ(main.plane().mainWing.nbWings, 1);
    EXPECT_EQ(main.plane().mainWing.wing(1).span, 700);
    EXPECT_EQ(main.plane().fuselages.nbFuselages(), 1);
    EXPECT_TRUE(main.controls().Render->isVisible());
    EXPECT_EQ(editor.render->calls, (Calls{"initGL", "rebuild"}));

    QTimer* timer = main.controls().Timer1;
    EXPECT_TRUE(timer->isActive());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !timer->isActive(); }, 5000));
    QTest::qWait(60);  // six more intervals: no further tick
    EXPECT_EQ(editor.render->calls, (Calls{"initGL", "rebuild", "camera", "rebuild"}));
    ASSERT_EQ(editor.render->cameras.size(), 1u);
    EXPECT_EQ(editor.render->cameras[0], (testing::RecordingRenderView::Camera{0, 0, 0, 900, 200}));
    EXPECT_EQ(editor.render->viewZoom(), 0);

    // The VTop view is drawn: black outlines in the drawing area.
    const QImage area = main.controls().DrawArea->canvas().image();
    int black = 0;
    for (int y = 0; y < area.height(); ++y) {
        for (int x = 0; x < area.width(); ++x) black += area.pixel(x, y) == qRgb(0, 0, 0);
    }
    EXPECT_GT(black, 500);
    testing::saveOutputPng(main.grab().toImage(), "main_window");
}

// With the real 3D view: after the start-up timer's tick the box shows the
// shaded aircraft (pixels other than the black background) under the
// start-up camera.
TEST(StartUp, RendersTheAircraftInThe3DView) {
    testing::EditorWindow editor;
    editor.env.makeRenderView = [&](Plane& plane, QWidget& box) {
        return createSceneView(plane, box, editor.dialogs);
    };
    MainWindow& main = editor.start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !main.controls().Timer1->isActive(); }, 5000));
    auto* scene = main.controls().Render->findChild<SceneView*>();
    ASSERT_NE(scene, nullptr);
    EXPECT_EQ(scene->size(), main.controls().Render->size());
    EXPECT_EQ(scene->camera().viewZoom, 0);
    const QImage picture = scene->grabFramebuffer();
    int lit = 0;
    for (int y = 0; y < picture.height(); y += 2) {
        for (int x = 0; x < picture.width(); x += 2) lit += qGray(picture.pixel(x, y)) > 40;
    }
    EXPECT_GT(lit, 200);
    EXPECT_TRUE(editor.dialogs.warnings.empty());
    // The window's own grab shows the 3D box's background as transparent:
    // the 3D picture goes in as the screen shows it.
    QImage window = main.grab().toImage();
    QPainter(&window).drawImage(main.controls().Render->pos(), picture.convertToFormat(QImage::Format_RGB32));
    testing::saveOutputPng(window, "main_window_3d");
}

// The log file goes from the configuration folder only, never from the
// working folder.
TEST(StartUp, DeletesTheLogFileOfTheConfigurationFolderOnly) {
    testing::TempDir working;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(QString::fromStdString(working.path().string()));
    working.write("log.txt", "keep");
    testing::EditorWindow editor;
    editor.config.write("log.txt", "old");
    editor.start();
    QDir::setCurrent(previous);
    EXPECT_FALSE(std::filesystem::exists(editor.config.path() / "log.txt"));
    EXPECT_TRUE(std::filesystem::exists(working.path() / "log.txt"));
}

// With nothing unsaved, closing asks the quit question whatever closes the
// window: No keeps the window as it was; Yes first ends a running
// operation, then takes down what the window started (the help viewer
// among them).
TEST(ShutDown, AsksBeforeQuittingAndNoKeepsTheWindow) {
    testing::EditorWindow editor;
    MainWindow& main = editor.start();
    main.Bar_ButtonClick("Help");
    ASSERT_NE(main.help().viewer(), nullptr);
    int ended = 0;
    bool helpOpenWhenEnded = false;
    main.endLongOperation = [&] {
        ++ended;
        helpOpenWhenEnded = main.help().viewer()->isVisible();
    };
    editor.dialogs.answers = {false};
    EXPECT_FALSE(main.close());
    EXPECT_EQ(editor.dialogs.questions, std::vector<QString>{"Do you really want to quit Ferlo ?"});
    EXPECT_TRUE(editor.dialogs.saveQuestions.empty());
    EXPECT_TRUE(main.isVisible());
    EXPECT_EQ(ended, 0);
    EXPECT_TRUE(main.help().viewer()->isVisible());

    editor.dialogs.answers = {true};
    EXPECT_TRUE(main.close());
    EXPECT_FALSE(main.isVisible());
    EXPECT_EQ(ended, 1);
    EXPECT_TRUE(helpOpenWhenEnded);
    EXPECT_FALSE(main.help().viewer()->isVisible());
    EXPECT_FALSE(main.controls().Timer1->isActive());
}

const QString kSaveQuestion =
    QStringLiteral("The current project has not been saved.\nDo you want to save it before quitting ?");

// With unsaved changes (a span typed), closing offers to save them instead
// of the quit question: Cancel keeps the window and the changes, Discard
// quits without a file, Save runs the Save command and quits only when the
// project was saved, not when its dialog was cancelled or wrote a VRML
// world instead.
TEST(ShutDown, UnsavedChangesAreOfferedToSave) {
    struct Case {
        const char* name;
        SaveAnswer answer;
        std::optional<FileChoice> save;
        bool closes;
    };
    const Case cases[] = {
        {"cancel", SaveAnswer::Cancel, std::nullopt, false},
        {"discard", SaveAnswer::Discard, std::nullopt, true},
        {"save", SaveAnswer::Save, FileChoice{"plane.flx", 1}, true},
        {"save cancelled", SaveAnswer::Save, FileChoice{"", 1}, false},
        {"a world instead", SaveAnswer::Save, FileChoice{"plane.wrl", 2}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        testing::TempDir dir;
        testing::EditorWindow editor;
        MainWindow& main = editor.startSettled();
        testing::typeOver(main.panels().wing().boxes.Span, "1000");
        ASSERT_FALSE(main.state().savedProject);
        editor.dialogs.saveAnswers = {c.answer};
        if (c.save) {
            const QString file = c.save->file.isEmpty() ? QString() : QString::fromStdString((dir.path() / c.save->file.toStdString()).string());
            editor.dialogs.saveChoices = {{file, c.save->filterIndex}};
        }
        EXPECT_EQ(main.close(), c.closes);
        EXPECT_EQ(editor.dialogs.saveQuestions, std::vector<QString>{kSaveQuestion});
        EXPECT_TRUE(editor.dialogs.questions.empty());
        EXPECT_EQ(editor.dialogs.saveRequests.size(), c.answer == SaveAnswer::Save ? 1u : 0u);
        EXPECT_EQ(main.isVisible(), !c.closes);
        EXPECT_EQ(main.state().savedProject, c.closes && c.answer == SaveAnswer::Save);
        EXPECT_EQ(std::filesystem::exists(dir.path() / "plane.flx"), c.save && c.save->file == "plane.flx");
        if (c.closes) continue;
        // What the window keeps is still offered at the next close.
        editor.dialogs.saveAnswers = {SaveAnswer::Discard};
        EXPECT_TRUE(main.close());
    }
}

// The first-use demonstration's edits are changes like the user's own.
TEST(ShutDown, TheDemonstrationsEditsAreOfferedToSave) {
    testing::EditorWindow editor;
    MainWindow& main = editor.startSettled();
    const testing::PopupCloser popups;
    main.demonstration().run();
    editor.dialogs.saveAnswers = {SaveAnswer::Discard};
    EXPECT_TRUE(main.close());
    EXPECT_EQ(editor.dialogs.saveQuestions, std::vector<QString>{kSaveQuestion});
    EXPECT_TRUE(editor.dialogs.questions.empty());
}

// The window stays maximised: restoring it maximises it again at once.
TEST(ShutDown, ARestoredWindowIsMaximisedAgain) {
    testing::EditorWindow editor;
    MainWindow& main = editor.start();
    main.setWindowState(Qt::WindowNoState);
    EXPECT_TRUE(QTest::qWaitFor([&] { return (main.windowState() & Qt::WindowMaximized) != 0; }, 2000));
}

TEST(Splash, ShowsTheVersionAndGrowsInSmallFontsMode) {
    Splash splash;
    splash.lblVersion->setText("Version " + programVersion());
    EXPECT_EQ(splash.lblVersion->text(), "Version 2.2.1");
    testing::saveOutputPng(splash.grab().toImage(), "splash");
    const QSize size = splash.size();
    const QRect label = splash.lblVersion->geometry();
    enlargeForSmallFonts(splash);
    EXPECT_EQ(splash.size(), QSize(qRound(size.width() * 1.23), qRound(size.height() * 1.23)));
    EXPECT_EQ(splash.lblVersion->geometry(), QRect(qRound(label.x() * 1.23), qRound(label.y() * 1.23),
                                                   qRound(label.width() * 1.23), qRound(label.height() * 1.23)));
    const QWidget* picture = splash.findChild<QWidget*>("Image1");
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->geometry(), QRect(10, 10, 400, 200));
}

}  // namespace
}  // namespace ferlo
