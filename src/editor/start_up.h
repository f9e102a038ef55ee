#pragma once

#include <memory>

#include <QString>

namespace ferlo {

class MainWindow;
struct EditorEnvironment;

// The version as major.minor.revision ("2.2.1").
QString programVersion();

// The log file start-up deletes in the configuration folder.
inline constexpr const char* kLogFileName = "log.txt";

// The start-up sequence, run under the splash window: the configuration
// folder's log file deleted, small-fonts mode decided, the main window
// initialised and shown on the default aircraft in the VTop view with the
// wing tab open, the preferences read and, when they ask for it, the
// first-use demonstration. A failing step is skipped. The start-up timer's
// single tick follows once the event loop runs.
std::unique_ptr<MainWindow> startUp(EditorEnvironment& env);

// The guided first-use demonstration as start-up runs it when the
// preferences ask for it: its messages, its three scenes, and the fuselage
// tab with the Side view before the last one.
void runFirstUseDemonstration(MainWindow& main);

}  // namespace ferlo
