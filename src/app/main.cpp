// Ferlo: starts the editor on the default aircraft and runs until its main
// window is closed.

#include <QApplication>

#include "editor/editor_environment.h"
#include "editor/main_window.h"
#include "editor/qt_user_dialogs.h"
#include "editor/render_view.h"
#include "editor/scene_view_host.h"
#include "editor/screen_measure.h"
#include "editor/start_up.h"
#include "view3d/sdl_joystick.h"
#include "view3d/surface_format.h"

int main(int argc, char** argv) {
    ferlo::setDefaultSurfaceFormat();
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Ferlo"));
    QCoreApplication::setApplicationVersion(ferlo::programVersion());

    ferlo::QtUserDialogs dialogs;
    ferlo::QtScreenMeasure screen;
    ferlo::EditorEnvironment env{dialogs, screen, ferlo::EditorPaths::standard(),
                                 [&dialogs](ferlo::Plane& plane, QWidget& box) {
                                     return ferlo::createSceneView(plane, box, dialogs);
                                 },
                                 ferlo::openSdlJoystick};
    const std::unique_ptr<ferlo::MainWindow> mainWindow = ferlo::startUp(env);
    // Closed during the first-use demonstration: the run is over.
    if (!mainWindow->isVisible()) return 0;
    return app.exec();
}
