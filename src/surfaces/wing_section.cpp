#include "surfaces/wing_section.h"

#include "base/one_based.h"
#include "surfaces/part_texture.h"
#include "surfaces/planform_texcoords.h"
#include "surfaces/sym_wing_sections.h"

namespace ferlo {

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
    airfoil.assign(oneBasedSlots(nb), Point3D{});
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
    airfoil.assign(oneBasedSlots(nb), Point3D{});
    for (int i = 1; i <= nb; ++i) airfoil[static_cast<std::size_t>(i)] = lwg.airfoilPointGet(i);
    create();
}

void WingSection::create() {
    rootOrigin = {pos1, shift, elevation1};
    tipOrigin = {rootOrigin.x + pos2, rootOrigin.y + span, rootOrigin.z + elevation2};
    rootPoints.assign(oneBasedSlots(nb), Point3D{});
    computeSectionPoints(rootPoints, rootOrigin, length1, thickness1);
    tipPoints.assign(oneBasedSlots(nb), Point3D{});
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
    texcoord1 = planformTexcoords(rootPoints, nb, pos1, span, xtex, ytex);
    texcoord2 = planformTexcoords(tipPoints, nb, pos1, span, xtex, ytex);
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
