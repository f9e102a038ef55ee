#pragma once

#include "editor/editor_environment.h"
#include "editor/qt_user_dialogs.h"
#include "editor/screen_measure.h"

namespace ferlo {

class FatalErrorNotifier;

// What the program sets up before its application object is made: the 3D
// view's surface format as the default, and SIGXFSZ ignored, so that a write
// beyond the file-size limit (`ulimit -f`) fails with EFBIG and its save
// reports the error instead of the signal ending the program.
void prepareProgramProcess();

// The application's name and version; the name also names the
// configuration folder, so it is set before the folder is looked up.
void nameProgram();

// What the editor takes from outside when the program runs: Qt's dialogs,
// the primary screen, the user's configuration folder, the OpenGL 3D view
// and SDL's joystick.
class ProgramEnvironment {
public:
    ProgramEnvironment();

    EditorEnvironment& editor() { return editor_; }

private:
    QtUserDialogs dialogs_;
    QtScreenMeasure screen_;
    EditorEnvironment editor_;
};

// The program's run once its application object exists: where the display
// gives no usable OpenGL context the fatal error (before any window shows);
// otherwise start-up and the event loop until the main window is closed.
// Returns the exit status.
int runProgram(EditorEnvironment& env, FatalErrorNotifier& fatal);

}  // namespace ferlo
