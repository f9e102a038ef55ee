#pragma once

#include <span>
#include <string>
#include <vector>

#include "base/units.h"

namespace ferlo {

// A commercial model of radio equipment: the sizes of its block in the
// current unit and its weight as listed (never converted).
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
// item k (counting from 0) is model k. Its lengths are in the unit of its
// last rebuild.
class EquipmentCatalogue {
public:
    // Empties the catalogue and appends every row in order.
    void rebuild(std::span<const CatalogueRow> rows, LengthUnit unit);
    // Appends a model whose lengths are given in millimetres, stored in `unit`.
    void addModel(std::string name, double length, double width, double height, double weight, LengthUnit unit);

    int count() const { return static_cast<int>(models_.size()); }
    // Item `listIndex`, 0 to count() - 1; nullptr outside.
    const EquipmentModel* model(int listIndex) const;
    // The names in order, the combo box's items.
    std::vector<std::string> names() const;

private:
    std::vector<EquipmentModel> models_;
};

}  // namespace ferlo
