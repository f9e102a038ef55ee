#include "surfaces/wing_section.h"

#include "base/one_based.h"
#include "base/part_texture.h"
#include "surfaces/planform_texcoords.h"
#include "surfaces/sym_wing_sections.h"

namespace ferlo {

// The values a half takes over from its panel or from the other half: the
// geometry, `nb`, the airfoil's name and its points.
template <typename Source>
void WingSection::copyValues(const Source& source) {
    span = source.span;
    shift = source.shift;
    length1 = source.length1;
    thickness1 = source.thickness1;
    elevation1 = source.elevation1;
    pos1 = source.pos1;
    length2 = source.length2;
    thickness2 = source.thickness2;
    elevation2 = source.elevation2;
    pos2 = source.pos2;
    nb = source.nb;
    airfoil_filename = source.airfoil_filename;
    airfoil.assign(oneBasedSlots(nb), Point3D{});
    for (int i = 1; i <= nb; ++i) airfoil[static_cast<std::size_t>(i)] = source.airfoilPointGet(i);
}

void WingSection::init(const SymWingSections& wg) { copyValues(wg); }

void WingSection::createSymmetrical(const WingSection& lwg) {
    copyValues(lwg);
    span = -lwg.span;
    shift = -lwg.shift;
    create();
}

void WingSection::create() {
    rootOrigin = {pos1, shift, elevation1};
    tipOrigin = {rootOrigin.x + pos2, rootOrigin.y + span, rootOrigin.z + elevation2};
    rootPoints.assign(oneBasedSlots(nb), Point3D{});
    computeSectionPoints(rootPoints, rootOrigin, length1, thickness1);
    tipPoints.assign(oneBasedSlots(nb), Point3D{});
    computeSectionPoints(tipPoints, tipOrigin, length2, thickness2);
    // With its image loaded the half keeps its texture on the new rings.
    if (texture_loaded) create_texcoords();
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

TextureFields WingSection::textureFields() { return {texturePath, texture_loaded, xtex, ytex, texture_bytes}; }

TextureSteps WingSection::textureSteps() {
    return {.quarterTurn = true, .wrap = TextureWrap::Clamp, .afterLoad = [this] { create_texcoords(); }};
}

void WingSection::loadTexture(ImageConverter& converter, ConversionProgress& progress) {
    loadPartTexture(textureFields(), textureSteps(), converter, progress);
}

void WingSection::textureMap(TextureContext& context) {
    mapPartTextureReporting(textureFields(), textureSteps(), context, kWingSectionTextureError,
                            reportedTextureFailure);
}

Point3D WingSection::point1Get(int i) const { return entryOrZero(rootPoints, i); }
Point3D WingSection::point2Get(int i) const { return entryOrZero(tipPoints, i); }
double WingSection::texcoord1Get(int i) const { return entryOrZero(texcoord1, i); }
double WingSection::texcoord2Get(int i) const { return entryOrZero(texcoord2, i); }
Point3D WingSection::airfoilPointGet(int i) const { return entryOrZero(airfoil, i); }

}  // namespace ferlo
