#include "surfaces/sym_wing_sections.h"

#include <array>
#include <cstddef>
#include <utility>

namespace ferlo {

namespace {

// The geometry of a "Wing Type" record, in the order of its lines.
constexpr std::array<double SymWingSections::*, 10> kRecordGeometry{
    &SymWingSections::span,       &SymWingSections::length1,    &SymWingSections::length2,
    &SymWingSections::thickness1, &SymWingSections::thickness2, &SymWingSections::pos1,
    &SymWingSections::pos2,       &SymWingSections::elevation1, &SymWingSections::elevation2,
    &SymWingSections::shift,
};

using RecordGeometry = std::array<double, kRecordGeometry.size()>;

// `nb` and the geometry, as every generation of the "Wing Type" record holds
// them. The panel does not take `nb` from here: its airfoil points come with
// an "Airfoil" record, which brings its own count, and a panel without one
// keeps the airfoil it has, with the `nb` that matches it.
RecordGeometry readRecordGeometry(ValueReader& in) {
    in.readCount(1, kMaxAirfoilPoints, "airfoil point count");
    RecordGeometry values{};
    for (double& value : values) value = in.readDouble();
    return values;
}

void applyRecordGeometry(SymWingSections& panel, const RecordGeometry& values) {
    for (std::size_t i = 0; i < values.size(); ++i) panel.*kRecordGeometry[i] = values[i];
}

}  // namespace

void SymWingSections::save(ValueWriter& out) const {
    out.keyword("Wing Type");
    out.integer(nb);
    for (double SymWingSections::*field : kRecordGeometry) out.number(this->*field);
    out.number(color.red);
    out.number(color.green);
    out.number(color.blue);
}

// Each reader reads its whole record before it changes the panel, so a record
// that breaks off halfway leaves the panel as it was.
void SymWingSections::read(ValueReader& in) {
    in.skipKeyword();
    const RecordGeometry geometry = readRecordGeometry(in);
    const double red = in.readDouble();
    const double green = in.readDouble();
    const double blue = in.readDouble();
    applyRecordGeometry(*this, geometry);
    color = {red, green, blue};
}

void SymWingSections::readV101(ValueReader& in) {
    in.skipKeyword();
    applyRecordGeometry(*this, readRecordGeometry(in));
}

void SymWingSections::readV0212(ValueReader& in) {
    in.skipKeyword();
    in.readDouble();  // a value these files carry before `nb`; nothing uses it
    applyRecordGeometry(*this, readRecordGeometry(in));
}

void SymWingSections::save_airfoil(ValueWriter& out) const {
    out.keyword("Airfoil");
    out.integer(nb);
    for (int i = 1; i <= nb; ++i) {
        const Point3D point = airfoilPointGet(i);
        out.number(point.x);
        out.number(point.z);
    }
}

// The points are stored as the panel holds them (heights divided by the
// relative thickness) and are taken as they stand, without normalising again.
void SymWingSections::read_airfoil(ValueReader& in) {
    in.skipKeyword();
    const int count = in.readCount(1, kMaxAirfoilPoints, "airfoil point count");
    AirfoilPoints points(static_cast<std::size_t>(count) + 1);
    for (std::size_t i = 1; i < points.size(); ++i) {
        points[i].x = in.readDouble();
        points[i].z = in.readDouble();
    }
    adoptAirfoil(std::move(points));
}

}  // namespace ferlo
