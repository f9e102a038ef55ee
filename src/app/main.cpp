// Ferlo: starts the editor on the default aircraft and runs until its main
// window is closed.

#include <QApplication>

#include "editor/program.h"
#include "view3d/fatal_error.h"

int main(int argc, char** argv) {
    ferlo::prepareProgramProcess();
    QApplication app(argc, argv);
    ferlo::nameProgram();
    ferlo::ProgramEnvironment program;
    ferlo::MessageBoxFatalNotifier fatal;
    return ferlo::runProgram(program.editor(), fatal);
}
