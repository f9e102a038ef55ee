#include "editor/parameter_panels.h"

#include "editor/fuselage_panel.h"

namespace ferlo {

ParameterPanels::ParameterPanels(MainWindow& main)
    : main_(main), fuselage_(std::make_unique<FuselagePanel>(main)) {}

ParameterPanels::~ParameterPanels() = default;

void ParameterPanels::updateWingInterface() {}
void ParameterPanels::updateStabInterface() {}
void ParameterPanels::updateFuselageInterface() { fuselage_->fill(); }
void ParameterPanels::updateRudderInterface() {}
void ParameterPanels::updateEquipmentInterface() {}

}  // namespace ferlo
