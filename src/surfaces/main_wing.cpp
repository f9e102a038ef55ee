#include "surfaces/main_wing.h"

#include <stdexcept>
#include <string>

#include "base/change_all_or_none.h"

namespace ferlo {

SymWingSections& MainWing::wing(int i) {
    return const_cast<SymWingSections&>(static_cast<const MainWing&>(*this).wing(i));
}

const SymWingSections& MainWing::wing(int i) const {
    if (i < 1 || i > nbWings || static_cast<std::size_t>(i) >= wings.size()) {
        throw std::out_of_range("there is no wing panel " + std::to_string(i));
    }
    return wings[static_cast<std::size_t>(i)];
}

void MainWing::initWings(const ColorRGB& defaultColor) {
    if (nbWings < 1) nbWings = 1;
    wings.resize(static_cast<std::size_t>(nbWings) + 1);
    for (int i = 1; i <= nbWings; ++i) {
        SymWingSections& panel = wings[static_cast<std::size_t>(i)];
        panel = SymWingSections{};
        panel.init(defaultColor);
    }
    currentWing = 1;
}

void MainWing::freeWings() { wings.resize(1); }

void MainWing::addWing(const ColorRGB& defaultColor) {
    if (nbWings < 2 || static_cast<std::size_t>(nbWings - 1) >= wings.size()) {
        throw std::logic_error("addWing needs a previous panel to continue");
    }
    wings.resize(static_cast<std::size_t>(nbWings) + 1);
    const SymWingSections& p = wings[static_cast<std::size_t>(nbWings - 1)];
    SymWingSections panel;
    panel.init(defaultColor);
    panel.pos1 = p.pos1 + p.pos2;
    panel.pos2 = 0.0;
    panel.span = p.span * 0.3;
    panel.length1 = p.length2;
    panel.length2 = panel.length1 * 0.7;
    panel.elevation1 = p.elevation1 + p.elevation2;
    panel.elevation2 = 0.0;
    panel.thickness1 = p.thickness2;
    panel.thickness2 = panel.thickness1;
    panel.shift = p.shift + p.span;
    wings[static_cast<std::size_t>(nbWings)] = std::move(panel);
}

// A conversion that fails at one panel leaves every panel as it was.
void MainWing::rescaleWings(double k) {
    changeAllOrNone(wings, [k](SymWingSections& w) { w.rescale(k); });
}

void MainWing::switchWingsToInches() {
    changeAllOrNone(wings, [](SymWingSections& w) { w.switchToInches(); });
}

void MainWing::switchWingsToMillimeters() {
    changeAllOrNone(wings, [](SymWingSections& w) { w.switchToMillimeters(); });
}

bool MainWing::wingGrabbed() const {
    for (int i = 1; i <= nbWings; ++i) {
        if (wing(i).paint != SymWingSections::kIdlePaint) return true;
    }
    return false;
}

bool MainWing::wingSelected() const {
    for (int i = 1; i <= nbWings; ++i) {
        if (wing(i).selected) return true;
    }
    return false;
}

std::int32_t MainWing::wingSelectedPartGet() const {
    for (int i = 1; i <= nbWings; ++i) {
        if (wing(i).selected) return wing(i).selected_part;
    }
    return -1;
}

void MainWing::resetWingsPaint() {
    forEachWing([](SymWingSections& w) { w.paint = SymWingSections::kIdlePaint; });
}

void MainWing::unselectWings() {
    forEachWing([](SymWingSections& w) { w.selected = false; });
}

}  // namespace ferlo
