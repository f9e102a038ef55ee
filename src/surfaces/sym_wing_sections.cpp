#include "surfaces/sym_wing_sections.h"

#include <array>

#include "base/units.h"
#include "base/length_conversion.h"

namespace ferlo {

void SymWingSections::init(const ColorRGB& defaultColor) {
    Left = WingSection{};
    Right = WingSection{};
    nb = kBuiltInAirfoilPoints;
    setTexture("");
    paint = kIdlePaint;
    color = defaultColor;
    allocate();
    init_airfoil();
    Left.init(*this);
    Right.init(*this);
}

void SymWingSections::allocate() {
    const std::size_t slots = nb > 0 ? static_cast<std::size_t>(nb) + 1 : 1;
    airfoil.assign(slots, Point3D{});
    side_pts.assign(slots, Point2D{});
    Left.init(*this);
    Right.init(*this);
}

void SymWingSections::create() {
    Left.init(*this);
    Right.init(*this);
    Left.create();
    Right.createSymmetrical(Left);
}

void SymWingSections::init_airfoil() {
    const AirfoilPoints& table = builtInAirfoil();
    for (std::size_t i = 1; i < airfoil.size() && i < table.size(); ++i) airfoil[i] = table[i];
    normalize_airfoil();
}

void SymWingSections::loadAirfoilFile(const std::string& filename) {
    XyAirfoil read = readXyAirfoil(filename);  // throws before anything changes
    adoptAirfoil(std::move(read.points));
    thickness1 = read.thickness;
    thickness2 = read.thickness;
}

void SymWingSections::adoptAirfoil(AirfoilPoints points) {
    nb = static_cast<std::int16_t>(points.size() - 1);
    allocate();
    airfoil = std::move(points);
}

void SymWingSections::normalize_airfoil() {
    const AirfoilThickness measured = measureAirfoilThickness(airfoil);
    if (measured.measurable) {
        thickness1 = measured.value;
        thickness2 = measured.value;
    }
    divideHeights(airfoil, thickness1);
}

template <typename Convert>
void SymWingSections::convertLengths(Convert convert) {
    convertAllLengths(std::array<double*, 8>{&span, &length1, &length2, &pos1, &pos2, &elevation1, &elevation2, &shift},
                      convert, "panel");
}

void SymWingSections::switchToInches() {
    convertLengths([](double v) { return toInches(v); });
}

void SymWingSections::switchToMillimeters() {
    convertLengths([](double v) { return toMillimeters(v); });
}

void SymWingSections::rescale(double k) {
    convertLengths([k](double v) { return v * k; });
}

void SymWingSections::loadTexture(ImageConverter& converter, ConversionProgress& progress) {
    Left.loadTexture(converter, progress);
    Right.loadTexture(converter, progress);
}

void SymWingSections::setTexture(const std::string& path) {
    texturePath = path;
    Left.setTexture(path);
    Right.setTexture(path);
}

Point3D SymWingSections::airfoilPointGet(int i) const {
    if (i < 1 || static_cast<std::size_t>(i) >= airfoil.size()) return {};
    return airfoil[static_cast<std::size_t>(i)];
}

}  // namespace ferlo
