#include "surfaces/vert_wing_section.h"

#include <algorithm>
#include <cmath>

#include "base/one_based.h"
#include "base/part_texture.h"
#include "surfaces/planform_texcoords.h"

namespace ferlo {

namespace {

// One half of the fin's symmetric section, leading edge to trailing edge:
// chord fraction x and half-thickness h in table units. Dividing by
// kProfileScale makes the largest half-thickness, at 30 % of the chord,
// exactly half the relative thickness.
struct ProfileRow {
    double x;
    double h;
};
constexpr std::array<ProfileRow, 8> kHalfProfile{{
    {0, 0}, {0.05, 0.8}, {0.1, 1.0}, {0.15, 1.2}, {0.2, 1.25}, {0.3, 1.3}, {0.6, 1.2}, {1.0, 0},
}};
constexpr double kProfileScale = 2.6;

// Point k of `count` along one side, leading edge (k 1) to trailing edge
// (k count): the table rows themselves for 8 points, otherwise read off the
// table, linearly between rows, at evenly spaced row positions.
ProfileRow profilePoint(int k, int count) {
    if (count <= 1) return kHalfProfile.front();
    const auto lastRow = kHalfProfile.size() - 1;
    const double position = static_cast<double>(k - 1) * static_cast<double>(lastRow) / (count - 1);
    const auto row = static_cast<std::size_t>(position);
    const double fraction = position - static_cast<double>(row);
    if (row >= lastRow || fraction == 0.0) return kHalfProfile[std::min(row, lastRow)];
    const ProfileRow& a = kHalfProfile[row];
    const ProfileRow& b = kHalfProfile[row + 1];
    return {a.x + fraction * (b.x - a.x), a.h + fraction * (b.h - a.h)};
}

bool isFinite(const Point3D& p) { return std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.z); }

}  // namespace

void VertWingSection::create() {
    const Point3D rootOrigin{pos1, offset1, shift};
    const Point3D tipOrigin{pos1 + pos2, offset1 + offset2, shift + span};
    root_section = computeSection(rootOrigin, length1, thickness1);
    tip_section = computeSection(tipOrigin, length2, thickness2);
    if (texture_loaded) {
        // Both sections measure u from the root leading edge in units of the span.
        root_texcoords = planformTexcoords(root_section, nb, pos1, span, xtex, ytex);
        tip_texcoords = planformTexcoords(tip_section, nb, pos1, span, xtex, ytex);
    }
}

// The ring of `nb` points in the horizontal plane of `origin`, its leading
// edge at `origin` and its centre line along x: the first (nb + 1) / 2 points
// run along the +y side from the leading edge to the trailing edge, the rest
// back along the -y side, point i mirroring point nb + 1 - i. A section whose
// points would not be finite is left all zero.
std::vector<Point3D> VertWingSection::computeSection(const Point3D& origin, double chord, double thickness) const {
    std::vector<Point3D> section(oneBasedSlots(nb));
    const int side = (nb + 1) / 2;
    for (int k = 1; k <= side; ++k) {
        const ProfileRow row = profilePoint(k, side);
        section[static_cast<std::size_t>(k)] = {row.x * chord, (row.h / kProfileScale) * chord * thickness, 0};
    }
    for (int i = side + 1; i <= nb; ++i) {
        const Point3D& mirrored = section[static_cast<std::size_t>(nb + 1 - i)];
        section[static_cast<std::size_t>(i)] = {mirrored.x, -mirrored.y, 0};
    }
    for (int i = 1; i <= nb; ++i) {
        Point3D& p = section[static_cast<std::size_t>(i)];
        p = {p.x + origin.x, p.y + origin.y, p.z + origin.z};
        if (!isFinite(p)) return std::vector<Point3D>(oneBasedSlots(nb));
    }
    return section;
}

TextureFields VertWingSection::textureFields() { return {texturePath, texture_loaded, xtex, ytex, texture_bytes}; }

// The image as loaded (no turn), clamped; `create` gives the sections their
// texture coordinates once the size is known.
TextureSteps VertWingSection::textureSteps() {
    return {.quarterTurn = false, .wrap = TextureWrap::Clamp, .afterLoad = [this] { create(); }};
}

void VertWingSection::textureMap(TextureContext& context) {
    mapPartTextureReporting(textureFields(), textureSteps(), context, kFinTextureError, reportedTextureFailure);
}

void VertWingSection::loadTexture(ImageConverter& converter, ConversionProgress& progress) {
    loadPartTexture(textureFields(), textureSteps(), converter, progress);
}

}  // namespace ferlo
