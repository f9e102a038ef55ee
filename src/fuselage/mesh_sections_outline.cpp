#include "fuselage/mesh_sections.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>


namespace ferlo {

namespace {

// sgn(0) is 0, so an axis point stays on the axis whatever the exponent.
double superPower(double value, double p) {
    return value == 0.0 ? 0.0 : std::copysign(std::pow(std::fabs(value), p), value);
}

}  // namespace

// The angle's half follows from whole numbers: t = 2 pi (j - 1) / n lies
// below pi when 2 (j - 1) < n, and is pi exactly when they are equal.
MeshSections::OutlineAngle MeshSections::outlineAngle(int j, int n) {
    const int twice = 2 * (j - 1);
    if (twice == n) return {OutlineHalf::LeftEnd, -1.0, 0.0};
    const double t = 2 * std::numbers::pi * (j - 1) / n;
    return {twice < n ? OutlineHalf::Upper : OutlineHalf::Lower, std::cos(t), std::sin(t)};
}

MeshSections::OutlineFactor MeshSections::outlineFactor(const OutlineAngle& angle, double p1, double p2) {
    if (angle.half == OutlineHalf::LeftEnd) return {angle.half, -1.0, 0.0};
    const double p = angle.half == OutlineHalf::Upper ? p1 : p2;
    return {angle.half, superPower(angle.cos, p), superPower(angle.sin, p)};
}

Point2D MeshSections::SectionShape::offset(const OutlineFactor& factor) const {
    switch (factor.half) {
        case OutlineHalf::LeftEnd: return {-halfWidth, 0.0};
        case OutlineHalf::Upper: return {halfWidth * factor.across, bias * height * factor.up};
        case OutlineHalf::Lower: break;
    }
    return {halfWidth * factor.across, (1 - bias) * height * factor.up};
}

MeshSections::SectionShape MeshSections::sectionShape(int d) const {
    return {sectionValue(&MeshSections::sec_height, d), sectionValue(&MeshSections::sec_width, d) / 2,
            sectionValue(&MeshSections::sec_bias, d)};
}

Point2D MeshSections::outlineOffset(int d, int j) const {
    const int n = nb_cross;
    if (!slotOf(d) || j < 1 || j > n) return {};
    const OutlineFactor factor = outlineFactor(outlineAngle(j, n), sectionValue(&MeshSections::sec_curvature, d),
                                               sectionValue(&MeshSections::sec_curvature2, d));
    return sectionShape(d).offset(factor);
}

Point2D MeshSections::outlinePoint(int d, int j) const {
    if (!slotOf(d) || j < 1 || j > nb_cross) return {};
    const Point2D offset = outlineOffset(d, j);
    return {shift + offset.x, widestLine(d) + offset.y};
}

double MeshSections::widestLine(int d) const {
    const double height = sectionValue(&MeshSections::sec_height, d);
    const double bias = sectionValue(&MeshSections::sec_bias, d);
    return sectionValue(&MeshSections::sec_elevation, d) + elevation_offset + (1 - bias) * height;
}

std::vector<MeshSections::OutlineAngle> MeshSections::outlineAngles() const {
    std::vector<OutlineAngle> angles;
    const int points = std::min<int>(nb_cross, kMaxCrossPoints);
    for (int j = 1; j <= points; ++j) angles.push_back(outlineAngle(j, nb_cross));
    return angles;
}

void MeshSections::OutlineFactors::update(const std::vector<OutlineAngle>& angles, double p1, double p2) {
    if (!factors.empty() && p1 == upper && p2 == lower) return;
    factors.clear();
    for (const OutlineAngle& angle : angles) factors.push_back(outlineFactor(angle, p1, p2));
    upper = p1;
    lower = p2;
    std::size_t upperEnd = 0;
    while (upperEnd < factors.size() && factors[upperEnd].half == OutlineHalf::Upper) ++upperEnd;
    const bool leftEnd = upperEnd < factors.size() && factors[upperEnd].half == OutlineHalf::LeftEnd;
    upperRun = outlineRun(0, upperEnd);
    lowerRun = outlineRun(leftEnd ? upperEnd + 1 : upperEnd, factors.size());
}

MeshSections::OutlineRun MeshSections::OutlineFactors::outlineRun(std::size_t begin, std::size_t end) const {
    OutlineRun run{begin, end};
    if (begin == end) return run;
    run.acrossLow = run.acrossHigh = factors[begin].across;
    run.upLow = run.upHigh = factors[begin].up;
    for (std::size_t k = begin; k < end; ++k) {
        const OutlineFactor& f = factors[k];
        run.finite = run.finite && std::isfinite(f.across) && std::isfinite(f.up);
        run.acrossLow = std::min(run.acrossLow, f.across);
        run.acrossHigh = std::max(run.acrossHigh, f.across);
        run.upLow = std::min(run.upLow, f.up);
        run.upHigh = std::max(run.upHigh, f.up);
    }
    return run;
}

bool MeshSections::OutlineFactors::fillRow(RowScales s, Point3D* row) const {
    // The run's points, then whether they are all finite: rounding keeps the
    // order of products and sums, so a coordinate over the run's finite
    // factors lies between its values at the least and the greatest factor,
    // and when those two are finite so is every point of the run. A factor
    // that is not finite gives a point that is not.
    const auto fillRun = [&s, row, factor = factors.data()](const OutlineRun& run, double scale) {
        const auto lateral = [&s](double across) { return s.shift + s.halfWidth * across; };
        const auto height = [&s, scale](double up) { return s.widest + scale * up; };
        for (std::size_t k = run.begin; k < run.end; ++k) {
            row[k + 1] = {s.x, lateral(factor[k].across), height(factor[k].up)};
        }
        return run.begin == run.end ||
               (run.finite && std::isfinite(lateral(run.acrossLow)) && std::isfinite(lateral(run.acrossHigh)) &&
                std::isfinite(height(run.upLow)) && std::isfinite(height(run.upHigh)));
    };
    const bool upperFinite = fillRun(upperRun, s.upperScale);
    bool finite = fillRun(lowerRun, s.lowerScale) && upperFinite;
    if (upperRun.end < lowerRun.begin) {
        Point3D& end = row[upperRun.end + 1];
        end = {s.x, s.shift + -s.halfWidth, s.widest + 0.0};
        finite = finite && std::isfinite(end.y) && std::isfinite(end.z);
    }
    return finite;
}

void MeshSections::buildOutline(int d, const std::vector<OutlineAngle>& angles, OutlineFactors& factors,
                                std::vector<Point2D>& outline) const {
    factors.update(angles, sectionValue(&MeshSections::sec_curvature, d),
                   sectionValue(&MeshSections::sec_curvature2, d));
    const SectionShape shape = sectionShape(d);
    const double widest = widestLine(d);
    outline.clear();
    for (const OutlineFactor& factor : factors.factors) {
        const Point2D offset = shape.offset(factor);
        outline.push_back({shift + offset.x, widest + offset.y});
    }
}

std::vector<Point2D> MeshSections::sectionOutline(int d) const { return OutlineBuilder(*this).outline(d); }

MeshSections::OutlineBuilder::OutlineBuilder(const MeshSections& fuselage)
    : fuselage_(fuselage), angles_(fuselage.outlineAngles()) {}

const std::vector<Point2D>& MeshSections::OutlineBuilder::outline(int d) {
    if (fuselage_.slotOf(d)) {
        fuselage_.buildOutline(d, angles_, factors_, outline_);
    } else {
        outline_.clear();
    }
    return outline_;
}

void MeshSections::create() {
    if (nb_cross < 2) return;
    // The grid is bounded by the stored sections and kMaxCrossPoints, even
    // when the public counts were set past them without initArrays.
    const int sections = static_cast<int>(storedSections());
    const int points = std::min<int>(nb_cross, kMaxCrossPoints);
    // Both grids are written whole in one pass, row 0 and column 0 (never
    // used) with zeros, so they are not cleared first.
    mesh_vertices.resizeForOverwrite(sections, points);
    mesh_texcoords.resizeForOverwrite(sections, points);
    std::fill_n(mesh_vertices.row(0), points + 1, Point3D{});
    std::fill_n(mesh_texcoords.row(0), points + 1, Point2D{});
    // The points' angles are the same for every section, and sections of the
    // same exponents share their factors: each is computed once. v: 0 at
    // point 1 to 1 at the last point, the same for every section.
    const std::vector<OutlineAngle> angles = outlineAngles();
    OutlineFactors factors;
    std::vector<double> v(static_cast<std::size_t>(points) + 1);
    for (int j = 1; j <= points; ++j) v[static_cast<std::size_t>(j)] = static_cast<double>(j - 1) / (nb_cross - 1);
    // u: the point's position as a share of the rear end's (all 0 when the
    // rear end is at 0, v too).
    const double length = lengthPoint();
    for (int i = 1; i <= sections; ++i) {
        Point3D* const row = mesh_vertices.row(i);
        if (!fillMeshRow(i, angles, factors, row)) std::fill_n(row, points + 1, Point3D{});
        row[0] = Point3D{};
        Point2D* const uv = mesh_texcoords.row(i);
        uv[0] = Point2D{};
        if (length == 0) {
            std::fill_n(uv + 1, points, Point2D{});
            continue;
        }
        const double share = row[1].x / length;
        const double u = std::isfinite(share) ? share : 0.0;
        for (int j = 1; j <= points; ++j) uv[j] = {u, v[static_cast<std::size_t>(j)]};
    }
}

bool MeshSections::fillMeshRow(int d, const std::vector<OutlineAngle>& angles, OutlineFactors& factors,
                               Point3D* row) const {
    const auto slot = slotOf(d);
    if (!slot) return false;
    const std::size_t s = *slot;
    factors.update(angles, sec_curvature[s], sec_curvature2[s]);
    const double x = sec_pos[s] + pos_offset;
    if (!std::isfinite(x)) return false;
    // The products of SectionShape::offset and widestLine, each formed once.
    const double height = sec_height[s];
    const double bias = sec_bias[s];
    return factors.fillRow({x, shift, sec_width[s] / 2, sec_elevation[s] + elevation_offset + (1 - bias) * height,
                            bias * height, (1 - bias) * height},
                           row);
}

Point3D MeshSections::pointGet(int j, int i, bool mirror) const {
    // Row 0 and column 0 are never filled.
    if (i < 1 || j < 1 || !mesh_vertices.contains(i, j)) return {};
    Point3D p = mesh_vertices.get(i, j);
    // y - 2 shift, without forming 2 shift, which could overflow.
    if (mirror) p.y = p.y - shift - shift;
    return p;
}

Point2D MeshSections::texcoordGet(int j, int i) const { return mesh_texcoords.get(i, j); }

}  // namespace ferlo
