#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "base/units.h"

namespace ferlo {

// A commercial model of radio equipment: the sizes of its block in the unit
// asked for and its weight as listed (never converted).
struct EquipmentModel {
    std::string name;
    double height = 0;
    double width = 0;
    double length = 0;
    double weight = 0;
};

// A row of a built-in catalogue: lengths in millimetres.
struct CatalogueRow {
    const char* name;
    double length, width, height, weight;
};

// The built-in catalogues, each starting with "Custom", a starting size for a
// box sized by hand.
std::span<const CatalogueRow> servoCatalogue();
std::span<const CatalogueRow> receiverCatalogue();
std::span<const CatalogueRow> accuCatalogue();

// One catalogue of models, in the order of the equipment panel's combo box:
// item k (counting from 0) is model k. It keeps the built-in millimetres and
// gives a model's sizes in the unit asked for, so they follow the model's
// unit whichever way that changed (a project read, a new project, the
// preferences).
class EquipmentCatalogue {
public:
    explicit EquipmentCatalogue(std::span<const CatalogueRow> rows) : rows_(rows) {}

    int count() const { return static_cast<int>(rows_.size()); }
    // Item `listIndex`, 0 to count() - 1, its lengths in `unit`; nothing outside.
    std::optional<EquipmentModel> model(int listIndex, LengthUnit unit) const;
    // The names in order, the combo box's items.
    std::vector<std::string> names() const;

private:
    std::span<const CatalogueRow> rows_;
};

}  // namespace ferlo
