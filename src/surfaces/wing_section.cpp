#include "surfaces/wing_section.h"

#include <cmath>

#include "surfaces/part_texture.h"
#include "surfaces/sym_wing_sections.h"

namespace ferlo {

namespace {

template <typename T>
T entryOrZero(const std::vector<T>& values, int i) {
    if (i < 1 || static_cast<std::size_t>(i) >= values.size()) return T{};
    return values[static_cast<std::size_t>(i)];
}

std::size_t slots(std::int16_t nb) { return nb > 0 ? static_cast<std::size_t>(nb) + 1 : 1; }

}  // namespace

void WingSection::init(const SymWingSections& wg) {
    span = wg.span;
    shift = wg.shift;
    length1 = wg.length1;
    thickness1 = wg.thickness1;
    elevation1 = wg.elevation1;
    pos1 = wg.pos1;
    length2 = wg.length2;
    thickness2 = wg.thickness2;
    elevation2 = wg.elevation2;
    pos2 = wg.pos2;
    nb = wg.nb;
    airfoil_filename = wg.airfoil_filename;
    airfoil.assign(slots(nb), Point3D{});
    for (int i = 1; i <= nb; ++i) airfoil[static_cast<std::size_t>(i)] = wg.airfoilPointGet(i);
}

void WingSection::copyGeometry(const WingSection& other) {
    span = other.span;
    shift = other.shift;
    length1 = other.length1;
    thickness1 = other.thickness1;
    elevation1 = other.elevation1;
    pos1 = other.pos1;
    length2 = other.length2;
    thickness2 = other.thickness2;
    elevation2 = other.elevation2;
    pos2 = other.pos2;
    nb = other.nb;
    airfoil_filename = other.airfoil_filename;
}

void WingSection::createSymmetrical(const WingSection& lwg) {
    copyGeometry(lwg);
    span = -lwg.span;
    shift = -lwg.shift;
    airfoil.assign(slots(nb), Point3D{});
    for (int i = 1; i <= nb; ++i) airfoil[static_cast<std::size_t>(i)] = lwg.airfoilPointGet(i);
    create();
}

void WingSection::create() {
    rootOrigin = {pos1, shift, elevation1};
    tipOrigin = {rootOrigin.x + pos2, rootOrigin.y + span, rootOrigin.z + elevation2};
    rootPoints.assign(slots(nb), Point3D{});
    computeSectionPoints(rootPoints, rootOrigin, length1, thickness1);
    tipPoints.assign(slots(nb), Point3D{});
    computeSectionPoints(tipPoints, tipOrigin, length2, thickness2);
}

void WingSection::computeSectionPoints(std::vector<Point3D>& points, const Point3D& origin, double chord,
                                       double thickness) const {
    for (int i = 1; i <= nb; ++i) {
        const Point3D a = airfoilPointGet(i);
        points[static_cast<std::size_t>(i)] = {origin.x + a.x * chord, origin.y,
                                               origin.z + a.z * chord * thickness};
    }
}

void WingSection::create_texcoords() {
    if (xtex == 0 || span == 0.0 || nb < 1) return;
    texcoord1.assign(slots(nb), 0.0);
    texcoord2.assign(slots(nb), 0.0);
    const double aspect = static_cast<double>(ytex) / static_cast<double>(xtex);
    const int firstSurface = (nb + 1) / 2;  // the middle point too when nb is odd
    for (int i = 1; i <= firstSurface; ++i) {
        const auto k = static_cast<std::size_t>(i);
        texcoord1[k] = ((point1Get(i).x - pos1) / span) * aspect;
        texcoord2[k] = ((point2Get(i).x - pos1) / span) * aspect;
    }
    // The second surface shows the image column of the mirrored index.
    for (int i = firstSurface + 1; i <= nb; ++i) {
        const auto k = static_cast<std::size_t>(i);
        const auto mirrored = static_cast<std::size_t>(nb + 1 - i);
        texcoord1[k] = texcoord1[mirrored];
        texcoord2[k] = texcoord2[mirrored];
    }
}

void WingSection::textureMap(TextureContext& context) {
    const TextureFields fields{texture_filename, texture_loaded, xtex, ytex, texture_bytes};
    try {
        mapPartTexture(fields, {true, TextureWrap::Clamp, [this] { create_texcoords(); }}, context);
    } catch (const ImageError& error) {
        if (reportedTextureFailure == texture_filename) return;
        reportedTextureFailure = texture_filename;
        context.notifier.textureFailed({kWingSectionTextureError, texture_filename, error.what()});
        return;
    }
    reportedTextureFailure.clear();
}

Point3D WingSection::point1Get(int i) const { return entryOrZero(rootPoints, i); }
Point3D WingSection::point2Get(int i) const { return entryOrZero(tipPoints, i); }
double WingSection::texcoord1Get(int i) const { return entryOrZero(texcoord1, i); }
double WingSection::texcoord2Get(int i) const { return entryOrZero(texcoord2, i); }
Point3D WingSection::airfoilPointGet(int i) const { return entryOrZero(airfoil, i); }

}  // namespace ferlo
