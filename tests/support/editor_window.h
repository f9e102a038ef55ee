#pragma once

#include <filesystem>
#include <memory>

#include <QSize>
#include <QString>

#include "editor/editor_environment.h"
#include "editor/main_window.h"
#include "editor/screen_measure.h"
#include "editor/start_up.h"
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
// view, a screen of its own and a configuration folder of its own (the help
// document from the sources). Members are public so a test can set the
// screen, the folder's files and the answers before `start`.
struct EditorWindow {
    TempDir config;
    ScriptedDialogs dialogs;
    FakeScreen screen;
    RecordingRenderView* render = nullptr;
    EditorEnvironment env{dialogs, screen, {QString::fromStdString(config.path().string()), FERLO_HELP_DIR},
                          [this](Plane&, QWidget& box) {
                              auto view = std::make_unique<RecordingRenderView>(box);
                              render = view.get();
                              return std::unique_ptr<RenderView>(std::move(view));
                          }};
    std::unique_ptr<MainWindow> main;

    MainWindow& start() {
        main = startUp(env);
        return *main;
    }
    ~EditorWindow() {
        // Leave without the quit question.
        if (main) main->hide();
    }
};

}  // namespace ferlo::testing
