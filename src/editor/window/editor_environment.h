#pragma once

#include <functional>
#include <memory>

#include <QPoint>
#include <QString>

class QWidget;

namespace ferlo {

class Joystick;
class Plane;
class RenderView;
class ScreenMeasure;
class UserDialogs;

// Where the editor keeps its files: the files it writes (preferences, the
// log) in the user's configuration folder; what ships with the program (the
// help document) in its data folder.
struct EditorPaths {
    QString configFolder;
    QString dataFolder;

    // The application's configuration location and the program's own folder;
    // Qt's own settings are kept in that configuration folder too.
    static EditorPaths standard();
};

// Makes the settings Qt keeps for itself (the file dialogs' history and
// folder) go into `folder` instead of the user's shared configuration
// folder.
void keepQtSettingsIn(const QString& folder);

// Makes the 3D view for the aircraft, inside the 3D box.
using RenderViewFactory = std::function<std::unique_ptr<RenderView>(Plane& plane, QWidget& box)>;

// Opens the first joystick for a flight.
using JoystickFactory = std::function<std::unique_ptr<Joystick>()>;

// Puts the real mouse pointer at a point of the screen (pixels); false
// where the platform lets no program move it (Wayland).
using PointerMover = std::function<bool(const QPoint& screen)>;
bool movePlatformPointer(const QPoint& screen);

// What the editor takes from outside: the dialogs, the screen, its folders,
// the 3D view, the joystick (none: the mouse steers the flights) and the
// pointer the demonstration moves. The program passes the real ones; tests
// their own.
struct EditorEnvironment {
    UserDialogs& dialogs;
    const ScreenMeasure& screen;
    EditorPaths paths;
    RenderViewFactory makeRenderView;
    JoystickFactory openJoystick = {};
    PointerMover movePointer = movePlatformPointer;
};

}  // namespace ferlo
