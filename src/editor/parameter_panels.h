#pragma once

#include <memory>

namespace ferlo {

class EquipmentPanel;
class FinPanel;
class Editor;
class StabPanel;
class TabPanel;
class ViewSetup;
class WingPanel;

// The parameter tabs' panels, each building its fields on its page of
// `MainControls::pages`, and their fill procedures, which copy the current
// parts' values into the tabs. A change elsewhere names the refill of its
// tab among its effects (`Effects::RefillWingTab`, ...).
class ParameterPanels {
public:
    ParameterPanels(Editor& main, ViewSetup& views);
    ~ParameterPanels();

    void updateWingInterface();
    void updateStabInterface();
    void updateFuselageInterface();
    void updateRudderInterface();
    void updateEquipmentInterface();

    WingPanel& wing() { return *wing_; }
    StabPanel& stab() { return *stab_; }
    FinPanel& fin() { return *fin_; }
    EquipmentPanel& equipment() { return *equipment_; }

private:
    std::unique_ptr<WingPanel> wing_;
    std::unique_ptr<StabPanel> stab_;
    std::unique_ptr<FinPanel> fin_;
    std::unique_ptr<EquipmentPanel> equipment_;
    std::unique_ptr<TabPanel> fuselage_;
};

}  // namespace ferlo
