#include "fuselage/mesh_sections.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "base/screen_outline.h"

namespace ferlo {

// sgn(0) is 0, so an axis point stays on the axis whatever the exponent.
double MeshSections::superCos(double t, double p) {
    const double c = std::cos(t);
    return c == 0.0 ? 0.0 : std::copysign(std::pow(std::fabs(c), p), c);
}

double MeshSections::superSin(double t, double p) {
    const double s = std::sin(t);
    return s == 0.0 ? 0.0 : std::copysign(std::pow(std::fabs(s), p), s);
}

Point2D MeshSections::outlineOffset(int d, int j) const {
    const int n = nb_cross;
    if (!slotOf(d) || j < 1 || j > n) return {};
    const double height = sectionValue(&MeshSections::sec_height, d);
    const double halfWidth = sectionValue(&MeshSections::sec_width, d) / 2;
    const double bias = sectionValue(&MeshSections::sec_bias, d);
    // The angle's half follows from whole numbers: t = 2 pi (j - 1) / n lies
    // below pi when 2 (j - 1) < n, and is pi exactly when they are equal.
    const int twice = 2 * (j - 1);
    if (twice == n) return {-halfWidth, 0.0};
    const double t = 2 * std::numbers::pi * (j - 1) / n;
    if (twice < n) {
        const double p1 = sectionValue(&MeshSections::sec_curvature, d);
        return {halfWidth * superCos(t, p1), bias * height * superSin(t, p1)};
    }
    const double p2 = sectionValue(&MeshSections::sec_curvature2, d);
    return {halfWidth * superCos(t, p2), (1 - bias) * height * superSin(t, p2)};
}

Point2D MeshSections::outlinePoint(int d, int j) const {
    if (!slotOf(d) || j < 1 || j > nb_cross) return {};
    const double height = sectionValue(&MeshSections::sec_height, d);
    const double bias = sectionValue(&MeshSections::sec_bias, d);
    const double widest = sectionValue(&MeshSections::sec_elevation, d) + elevation_offset + (1 - bias) * height;
    const Point2D offset = outlineOffset(d, j);
    return {shift + offset.x, widest + offset.y};
}

std::vector<Point2D> MeshSections::sectionOutline(int d) const {
    if (!slotOf(d)) return {};
    const int points = std::min<int>(nb_cross, kMaxCrossPoints);
    std::vector<Point2D> outline;
    outline.reserve(static_cast<std::size_t>(std::max(points, 0)));
    for (int j = 1; j <= points; ++j) outline.push_back(outlinePoint(d, j));
    return outline;
}

void MeshSections::create() {
    if (nb_cross < 2) return;
    // The grid is bounded by the stored sections and kMaxCrossPoints, even
    // when the public counts were set past them without initArrays.
    const int sections = static_cast<int>(storedSections());
    const int points = std::min<int>(nb_cross, kMaxCrossPoints);
    mesh_vertices.reset(sections, points);
    mesh_texcoords.reset(sections, points);
    for (int i = 1; i <= sections; ++i) {
        const std::vector<Point2D> outline = sectionOutline(i);
        if (outline.empty() || !isFinite(outline)) continue;
        const double x = sectionValue(&MeshSections::sec_pos, i) + pos_offset;
        if (!std::isfinite(x)) continue;
        for (int j = 1; j <= points; ++j) {
            const Point2D& p = outline[static_cast<std::size_t>(j - 1)];
            mesh_vertices.set(i, j, {x, p.x, p.y});
        }
    }
    // u: the point's position as a share of the rear end's; v: 0 at point 1
    // to 1 at the last point.
    const double length = lengthPoint();
    if (length == 0) return;
    for (int i = 1; i <= sections; ++i) {
        for (int j = 1; j <= points; ++j) {
            const double u = mesh_vertices.get(i, j).x / length;
            const double v = static_cast<double>(j - 1) / (nb_cross - 1);
            mesh_texcoords.set(i, j, {std::isfinite(u) ? u : 0.0, v});
        }
    }
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
