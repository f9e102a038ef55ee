#pragma once

#include <memory>

namespace ferlo {

class EquipmentPanel;
class FinPanel;
class MainWindow;
class StabPanel;
class TabPanel;
class WingPanel;

// The parameter tabs' panels, each building its fields on its page of
// `MainControls::pages`, and their fill procedures, which copy the current
// parts' values into the tabs. Whoever changes a part elsewhere calls the
// fill of its tab afterwards.
class ParameterPanels {
public:
    explicit ParameterPanels(MainWindow& main);
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
