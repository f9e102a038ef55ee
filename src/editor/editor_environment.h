#pragma once

#include <functional>
#include <memory>

#include <QString>

class QWidget;

namespace ferlo {

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

    // The application's configuration location and the program's own folder.
    static EditorPaths standard();
};

// Makes the 3D view for the aircraft, inside the 3D box.
using RenderViewFactory = std::function<std::unique_ptr<RenderView>(Plane& plane, QWidget& box)>;

// What the editor takes from outside: the dialogs, the screen, its folders
// and the 3D view. The program passes the real ones; tests their own.
struct EditorEnvironment {
    UserDialogs& dialogs;
    const ScreenMeasure& screen;
    EditorPaths paths;
    RenderViewFactory makeRenderView;
};

}  // namespace ferlo
