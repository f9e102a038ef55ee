#include "editor/program.h"

#include <csignal>

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>
#include <QSurfaceFormat>
#include <QWidget>

#include <gtest/gtest.h>

#include "editor/render_view.h"
#include "support/default_plane.h"
#include "support/temp_dir.h"
#include "ui_core/joystick.h"
#include "view3d/surface_format.h"

namespace ferlo {
namespace {

// What the process had before a test prepared it as the program does.
struct ProcessSettings {
    struct sigaction fileSizeAction {};
    QSurfaceFormat format = QSurfaceFormat::defaultFormat();
    QString name = QCoreApplication::applicationName();
    QByteArray configHome = qgetenv("XDG_CONFIG_HOME");
    ProcessSettings() { sigaction(SIGXFSZ, nullptr, &fileSizeAction); }
    ~ProcessSettings() {
        sigaction(SIGXFSZ, &fileSizeAction, nullptr);
        QSurfaceFormat::setDefaultFormat(format);
        QCoreApplication::setApplicationName(name);
        if (configHome.isNull()) qunsetenv("XDG_CONFIG_HOME");
        else qputenv("XDG_CONFIG_HOME", configHome);
        keepQtSettingsIn(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
    }
};

// Before its application object the program takes the 3D view's surface
// format as the default and ignores SIGXFSZ (a write beyond the file-size
// limit fails with EFBIG instead).
TEST(ProgramEnvironment, ThePreparedProcessIgnoresTheFileSizeSignalAndDrawsWithTheSceneFormat) {
    const ProcessSettings kept;
    std::signal(SIGXFSZ, SIG_DFL);
    QSurfaceFormat::setDefaultFormat(QSurfaceFormat());
    prepareProgramProcess();
    struct sigaction action {};
    sigaction(SIGXFSZ, nullptr, &action);
    EXPECT_EQ(action.sa_handler, SIG_IGN);
    EXPECT_EQ(QSurfaceFormat::defaultFormat(), sceneSurfaceFormat());
}

// The program's editor environment: Qt's dialogs, the configuration folder
// "Ferlo" in the user's configuration folder (made when missing), the help
// beside the program, the OpenGL 3D view and a joystick for the flights.
TEST(ProgramEnvironment, IsMadeOfTheRealParts) {
    const ProcessSettings kept;
    const testing::TempDir home;
    qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(home.path().string()));
    nameProgram();
    EXPECT_EQ(QCoreApplication::applicationName(), "Ferlo");
    EXPECT_FALSE(QCoreApplication::applicationVersion().isEmpty());

    ProgramEnvironment program;
    EditorEnvironment& env = program.editor();
    const QString folder = QDir(QString::fromStdString(home.path().string())).filePath("Ferlo");
    EXPECT_EQ(env.paths.configFolder, folder);
    EXPECT_TRUE(QDir(folder).exists());
    EXPECT_EQ(env.paths.dataFolder, QCoreApplication::applicationDirPath());
    EXPECT_NE(dynamic_cast<QtUserDialogs*>(&env.dialogs), nullptr);
    EXPECT_NE(dynamic_cast<const QtScreenMeasure*>(&env.screen), nullptr);

    ASSERT_TRUE(env.openJoystick) << "the flights would never read a joystick";
    EXPECT_NE(env.openJoystick(), nullptr);

    ASSERT_TRUE(env.makeRenderView);
    Plane plane;
    testing::setUpDefaultPlane(plane);
    QWidget box;
    const std::unique_ptr<RenderView> view = env.makeRenderView(plane, box);
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->widget()->objectName(), "SceneView");
    EXPECT_EQ(view->widget()->parent(), &box);
}

}  // namespace
}  // namespace ferlo
