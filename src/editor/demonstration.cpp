#include "editor/demonstration.h"

namespace ferlo {

// The scenes do not move the pointer yet: start-up shows the demonstration's
// messages and views around them.
Demonstration::Demonstration(MainWindow& main) : main_(main) {}

void Demonstration::demoMouseEdit(double, double, double) {}
void Demonstration::demoShiftMove(double, double, double) {}
void Demonstration::demoCtrlSection(double, double, double) {}

}  // namespace ferlo
