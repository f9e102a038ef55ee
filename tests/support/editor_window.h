#pragma once

#include <filesystem>
#include <memory>
#include <vector>

#include <QApplication>
#include <QPoint>
#include <QSize>
#include <QString>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include "editor/window/editor_environment.h"
#include "editor/window/main_window.h"
#include "editor/window/screen_measure.h"
#include "editor/window/start_up.h"
#include "support/recording_render_view.h"
#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"

namespace ferlo::testing {

// A screen of a given work area and resolution.
class FakeScreen : public ScreenMeasure {
public:
    QSize area{1280, 1024};
    double dpi = 120;

    QSize workArea() const override { return area; }
    double logicalDpi() const override { return dpi; }
};

// The editor as the program starts it, with scripted dialogs, a recording 3D
// view, a screen of its own, a configuration folder of its own (the help
// document from the sources), no joystick and a pointer that only records
// where the demonstration puts it (the real pointer would wander over the
// windows of other tests on the display). Members are public so a test can
// set the screen, the folder's files, the answers and the joystick before
// `start`.
struct EditorWindow {
    TempDir config;
    ScriptedDialogs dialogs;
    FakeScreen screen;
    RecordingRenderView* render = nullptr;
    std::vector<QPoint> pointerMoves;
    EditorEnvironment env{dialogs,
                          screen,
                          {QString::fromStdString(config.path().string()), FERLO_HELP_DIR},
                          [this](Plane&, QWidget& box) {
                              auto view = std::make_unique<RecordingRenderView>(box);
                              render = view.get();
                              return std::unique_ptr<RenderView>(std::move(view));
                          },
                          {},
                          [this](const QPoint& at) {
                              pointerMoves.push_back(at);
                              return false;
                          }};
    std::unique_ptr<MainWindow> main;

    // A 1024 x 768 screen at 96 dots per inch, where the mode follows the
    // preferences file: normal at the first start, small fonts from the
    // second on (once the file exists).
    void screenOfMode(bool smallFonts) {
        screen.area = QSize(1024, 768);
        screen.dpi = 96;
        if (smallFonts) config.write("prefs.txt", "");
    }

    MainWindow& start() {
        main = startUp(env);
        return *main;
    }
    // Starts the editor and waits for the start-up timer's tick; the calls
    // the 3D view recorded so far are cleared.
    MainWindow& startSettled() {
        start();
        QTimer* timer = main->controls().Timer1;
        if (!QTest::qWaitFor([&] { return !timer->isActive(); }, 5000)) ADD_FAILURE() << "the start-up timer runs on";
        render->calls.clear();
        render->cameras.clear();
        return *main;
    }
    // Makes the started window the active one, asking again while it is not:
    // on a busy display without a window manager the first request can be
    // lost while the window is still being mapped.
    bool activate() {
        if (!QTest::qWaitForWindowExposed(main.get(), 10000)) return false;
        return QTest::qWaitFor(
            [&] {
                if (!main->isActiveWindow()) main->activateWindow();
                return main->isActiveWindow();
            },
            10000);
    }
    ~EditorWindow() {
        // Leave without the quit question.
        if (main) main->hide();
    }
};

// Closes each popup menu soon after it opens (the first-use demonstration
// ends by waiting for its popup), keeping the popups' object names.
struct PopupCloser {
    QTimer timer;
    std::vector<QString> closed;

    PopupCloser() {
        timer.setInterval(20);
        QObject::connect(&timer, &QTimer::timeout, [this] {
            if (QWidget* popup = QApplication::activePopupWidget()) {
                closed.push_back(popup->objectName());
                popup->close();
            }
        });
        timer.start();
    }
};

}  // namespace ferlo::testing
