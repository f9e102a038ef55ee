#include "editor/parameter_panels.h"

namespace ferlo {

// The pages hold no fields of their own yet, so there is nothing to fill.
ParameterPanels::ParameterPanels(MainWindow& main) : main_(main) {}

void ParameterPanels::updateWingInterface() {}
void ParameterPanels::updateStabInterface() {}
void ParameterPanels::updateFuselageInterface() {}
void ParameterPanels::updateRudderInterface() {}
void ParameterPanels::updateEquipmentInterface() {}

}  // namespace ferlo
