#include "fuselage/equipment.h"

namespace ferlo {

void Equipment::testPositionSideEquipment(double x, double y) { pressBoxes(&ElectroBox::testPositionSide, x, y); }

void Equipment::testPositionHTopEquipment(double x, double y) { pressBoxes(&ElectroBox::testPositionHTop, x, y); }

void Equipment::pressBoxes(std::int32_t (ElectroBox::*testPosition)(double, double) const, double x, double y) {
    ElectroBox& first = current();
    first.paint = (first.*testPosition)(x, y);
    // A hit on the current box grabs it alone; the others stay as they are.
    if (first.paint == ElectroBox::kHitHandle) return;
    for (int i = 1; i <= nbBoxes; ++i) {
        if (i == currentBox) continue;
        ElectroBox& b = box(i);
        b.paint = (b.*testPosition)(x, y);
    }
}

void Equipment::initMouseValSideEquipment(const ViewState& view) {
    forEachBox([&view](ElectroBox& b) { b.initMouseValSide(view); });
}

void Equipment::initMouseValHTopEquipment(const ViewState& view) {
    forEachBox([&view](ElectroBox& b) { b.initMouseValHTop(view); });
}

void Equipment::saveDXF_sideEquipment(DxfFile& file) const { saveDXFBoxes(&ElectroBox::saveDXF_side, file); }

void Equipment::saveDXF_htopEquipment(DxfFile& file) const { saveDXFBoxes(&ElectroBox::saveDXF_htop, file); }

void Equipment::saveDXFBoxes(void (ElectroBox::*saveDXF)(DxfFile&, std::int16_t) const, DxfFile& file) const {
    for (int i = 1; i <= nbBoxes; ++i) (box(i).*saveDXF)(file, static_cast<std::int16_t>(i));
}

}  // namespace ferlo
