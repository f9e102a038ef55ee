#include "editor/program.h"

#include <csignal>
#include <cstdlib>

#include <QApplication>

#include "editor/main_window.h"
#include "editor/render_view.h"
#include "editor/scene_view_host.h"
#include "editor/start_up.h"
#include "ui_core/joystick.h"
#include "view3d/fatal_error.h"
#include "view3d/sdl_joystick.h"
#include "view3d/surface_format.h"

namespace ferlo {

void prepareProgramProcess() {
    std::signal(SIGXFSZ, SIG_IGN);
    setDefaultSurfaceFormat();
}

void nameProgram() {
    QCoreApplication::setApplicationName(QStringLiteral("Ferlo"));
    QCoreApplication::setApplicationVersion(programVersion());
}

ProgramEnvironment::ProgramEnvironment()
    : editor_{dialogs_, screen_, EditorPaths::standard(),
              [this](Plane& plane, QWidget& box) { return createSceneView(plane, box, dialogs_); },
              openSdlJoystick} {}

int runProgram(EditorEnvironment& env, FatalErrorNotifier& fatal) {
    if (!canMakeSceneContext(sceneSurfaceFormat())) {
        fatal.fatalError(fatalErrorTitle(), fatalErrorText(kPixelFormatError));
        return EXIT_FAILURE;
    }
    const std::unique_ptr<MainWindow> mainWindow = startUp(env);
    // Closed during the first-use demonstration: the run is over.
    if (!mainWindow->isVisible()) return EXIT_SUCCESS;
    return QApplication::exec();
}

}  // namespace ferlo
