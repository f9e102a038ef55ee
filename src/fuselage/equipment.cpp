#include "fuselage/equipment.h"

#include <algorithm>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>

#include "base/change_all_or_none.h"
#include "base/one_based.h"

namespace ferlo {

ElectroBox& Equipment::box(int i) { return const_cast<ElectroBox&>(static_cast<const Equipment&>(*this).box(i)); }

const ElectroBox& Equipment::box(int i) const {
    if (i < 1 || i > nbBoxes || static_cast<std::size_t>(i) >= boxes.size()) {
        throw std::out_of_range("there is no equipment box " + std::to_string(i));
    }
    return boxes[static_cast<std::size_t>(i)];
}

void Equipment::initEquipment(LengthUnit unit) {
    boxes.assign(2, ElectroBox(unit));
    nbBoxes = 1;
    currentBox = 1;
}

void Equipment::resizeEquipment(int n, LengthUnit unit) {
    if (n < 1 || n > kMaxBoxes) {
        throw std::out_of_range("an equipment list cannot hold " + std::to_string(n) + " boxes");
    }
    // Slots beyond the old count (also when the caller has raised `nbBoxes`
    // already) get new boxes.
    boxes.resize(std::min(boxes.size(), oneBasedSlots(nbBoxes)));
    boxes.resize(static_cast<std::size_t>(n) + 1, ElectroBox(unit));
    nbBoxes = static_cast<std::int16_t>(n);
    keepCurrentInList();
}

bool Equipment::addBox(LengthUnit unit) {
    if (nbBoxes >= kMaxBoxes) return false;
    resizeEquipment(nbBoxes + 1, unit);
    currentBox = nbBoxes;
    return true;
}

bool Equipment::removeLastBox() {
    if (nbBoxes <= 1) return false;
    currentBox = static_cast<std::int16_t>(nbBoxes - 1);
    resizeEquipment(nbBoxes - 1, LengthUnit::Millimeters);  // shrinks: no new box
    return true;
}

void Equipment::keepCurrentInList() { currentBox = std::clamp<std::int16_t>(currentBox, 1, nbBoxes); }

void Equipment::rescaleEquipment(double k) {
    changeAllOrNone(boxes, [k](ElectroBox& b) { b.rescale(k); });
}

void Equipment::switchEquipmentToInches() {
    changeAllOrNone(boxes, [](ElectroBox& b) { b.switchToInches(); });
}

void Equipment::switchEquipmentToMillimeters() {
    changeAllOrNone(boxes, [](ElectroBox& b) { b.switchToMillimeters(); });
}

void Equipment::createEquipment() {
    forEachBox([](ElectroBox& b) { b.create(); });
}

void Equipment::resetEquipmentPaint() {
    forEachBox([](ElectroBox& b) { b.paint = ElectroBox::kIdlePaint; });
}

bool Equipment::equipmentSelected(bool query) {
    if (!query) {
        forEachBox([](ElectroBox& b) { b.selected = false; });
        return false;
    }
    bool any = false;
    forEachBox([&any](const ElectroBox& b) { any = any || b.selected; });
    return any;
}

bool Equipment::equipmentGrabbed() const {
    for (int i = 1; i <= nbBoxes; ++i) {
        if (box(i).paint != ElectroBox::kIdlePaint) return true;
    }
    return false;
}

const EquipmentCatalogue* Equipment::catalogueOf(std::int32_t kind) const {
    switch (kind) {
        case ElectroBox::kServo: return &servoModels;
        case ElectroBox::kReceiver: return &receiverModels;
        case ElectroBox::kAccumulator: return &accuModels;
        default: return nullptr;
    }
}

bool Equipment::applyModel(int listIndex, LengthUnit unit) {
    ElectroBox& b = current();
    const EquipmentCatalogue* catalogue = catalogueOf(b.box);
    const std::optional<EquipmentModel> model = catalogue != nullptr ? catalogue->model(listIndex, unit) : std::nullopt;
    if (!model) return false;
    b.width = model->width;
    b.height = model->height;
    b.length = model->length;
    b.weight = model->weight;
    return true;
}

}  // namespace ferlo
