#include "fuselage/electro_box.h"

#include <array>
#include <cmath>

#include "base/length_conversion.h"

namespace ferlo {

namespace {

Point3D blockCentre(const Point3D& size, const Point3D& corner) {
    return {size.x / 2 + corner.x, size.y / 2 + corner.y, size.z / 2 + corner.z};
}

bool isFinite(const Point3D& p) { return std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.z); }

}  // namespace

ElectroBox::ElectroBox(LengthUnit unit) {
    if (unit == LengthUnit::Inches) switchToInches();
}

template <typename Convert>
void ElectroBox::convertLengths(Convert convert) {
    convertAllLengths(std::array<double*, 6>{&length, &width, &height, &pos, &elevation, &shift}, convert,
                      "equipment box");
}

void ElectroBox::switchToInches() {
    convertLengths([](double v) { return toInches(v); });
}

void ElectroBox::switchToMillimeters() {
    convertLengths([](double v) { return toMillimeters(v); });
}

void ElectroBox::rescale(double k) {
    convertLengths([k](double v) { return v * k; });
}

void ElectroBox::create() {
    const Point3D size{length, lateralExtent(), verticalExtent()};
    const Point3D corner{pos, shift - size.y / 2, elevation};
    // The centre the accessors derive from both must be finite too.
    if (!isFinite(size) || !isFinite(corner) || !isFinite(blockCentre(size, corner))) return;
    box_size = size;
    box_corner = corner;
}

Point3D ElectroBox::centerGet() const { return blockCentre(box_size, box_corner); }

ColorRGB ElectroBox::colorGet() const {
    switch (box) {
        case kServo: return {0, 0, 255};
        case kReceiver: return {0, 255, 0};
        case kAccumulator: return {255, 0, 0};
        default: return {0, 0, 0};
    }
}

}  // namespace ferlo
