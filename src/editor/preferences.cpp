#include "editor/preferences.h"

namespace ferlo {

// No preferences window or file yet: no demonstration, millimetres, and
// nothing to apply or keep.
Preferences::Preferences(MainWindow& main) : main_(main) {}

QString Preferences::readAll() { return {}; }
void Preferences::writeAll() {}
bool Preferences::inchesOption() const { return false; }
void Preferences::CloseCommand_Click() {}

}  // namespace ferlo
