#include "editor/parameter_panels.h"

#include "editor/equipment_panel.h"
#include "editor/fin_panel.h"
#include "editor/fuselage_panel.h"
#include "editor/stab_panel.h"
#include "editor/wing_panel.h"

namespace ferlo {

ParameterPanels::ParameterPanels(Editor& main, ViewSetup& views)
    : wing_(std::make_unique<WingPanel>(main)),
      stab_(std::make_unique<StabPanel>(main)),
      fin_(std::make_unique<FinPanel>(main)),
      equipment_(std::make_unique<EquipmentPanel>(main)),
      fuselage_(std::make_unique<FuselagePanel>(main, views)) {}

ParameterPanels::~ParameterPanels() = default;

void ParameterPanels::updateWingInterface() { wing_->fill(); }
void ParameterPanels::updateStabInterface() { stab_->fill(); }
void ParameterPanels::updateRudderInterface() { fin_->fill(); }
void ParameterPanels::updateEquipmentInterface() { equipment_->fill(); }

void ParameterPanels::updateFuselageInterface() { fuselage_->fill(); }

}  // namespace ferlo
