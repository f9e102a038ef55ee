#pragma once

#include <memory>

namespace ferlo {

class FuselagePanel;
class MainWindow;

// The parameter tabs' fields and their fill procedures, which copy the
// current parts' values into the tabs. Each tab is a page of
// `MainControls::pages`, a container that its panel fills with its fields.
class ParameterPanels {
public:
    explicit ParameterPanels(MainWindow& main);
    ~ParameterPanels();

    void updateWingInterface();
    void updateStabInterface();
    void updateFuselageInterface();
    void updateRudderInterface();
    void updateEquipmentInterface();

private:
    [[maybe_unused]] MainWindow& main_;
    std::unique_ptr<FuselagePanel> fuselage_;
};

}  // namespace ferlo
