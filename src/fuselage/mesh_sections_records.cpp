#include "fuselage/mesh_sections.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace ferlo {

// The lines a generation of the record holds after its two counts, in the
// order they stand there.
struct MeshSections::RecordLayout {
    bool leadingExponent = false;  // one exponent for every section, before `shift`
    bool posOffset = false;
    bool cut = false;
    bool elevationOffsetAndFlags = false;  // elevation_offset, transparent, uniqueCurvature
    bool linkedCurvatures = false;
    bool color = false;
    std::size_t valuesPerSection = 5;  // the first values of kSectionArrays
};

namespace {

// What a "Fuselage" record carries, read whole before the fuselage changes.
// The fields an older layout does not carry start from the fuselage's values.
struct FuselageRecord {
    std::int16_t nb_sections;
    std::int16_t nb_cross;
    double shift, pos_offset, elevation_offset;
    bool cut, transparent, uniqueCurvature, linkedCurvatures;
    ColorRGB color;
    // Each section's values in the order of kSectionArrays.
    std::vector<std::array<double, 7>> sections;
};

}  // namespace

void MeshSections::save(ValueWriter& out) const {
    out.keyword("Fuselage");
    out.integer(nb_sections);
    out.integer(nb_cross);
    out.number(shift);
    out.number(pos_offset);
    out.number(elevation_offset);
    out.boolean(transparent);
    out.boolean(uniqueCurvature);
    out.boolean(linkedCurvatures);
    out.number(color.red);
    out.number(color.green);
    out.number(color.blue);
    // In display order, so the file holds the sections as the editor shows them.
    for (int d = 1; d <= nb_sections; ++d) {
        for (SectionArray array : kSectionArrays) out.number(sectionValue(array, d));
    }
}

void MeshSections::read(ValueReader& in) {
    readRecord(in, {.posOffset = true,
                    .elevationOffsetAndFlags = true,
                    .linkedCurvatures = true,
                    .color = true,
                    .valuesPerSection = kSectionArrays.size()});
}

void MeshSections::readV120(ValueReader& in) {
    readRecord(in, {.posOffset = true, .elevationOffsetAndFlags = true, .color = true});
}

void MeshSections::readV101(ValueReader& in) { readRecord(in, {.posOffset = true, .elevationOffsetAndFlags = true}); }

void MeshSections::readV030(ValueReader& in) { readRecord(in, {.posOffset = true}); }

void MeshSections::readV0212(ValueReader& in) { readRecord(in, {.cut = true}); }

void MeshSections::readV026(ValueReader& in) {
    readRecord(in, {.leadingExponent = true, .cut = true, .valuesPerSection = kLengthArrays});
}

void MeshSections::readRecord(ValueReader& in, const RecordLayout& layout) {
    FuselageRecord r{nb_sections, nb_cross,        shift,           pos_offset, elevation_offset, cut,
                     transparent, uniqueCurvature, linkedCurvatures, color,      {}};
    in.skipKeyword();
    r.nb_sections = in.readCount(0, kMaxSections, "number of fuselage sections");
    r.nb_cross = in.readCount(0, kMaxCrossPoints, "number of fuselage outline points");
    const double leadingExponent = layout.leadingExponent ? in.readDouble() : 0.0;
    r.shift = in.readDouble();
    if (layout.posOffset) r.pos_offset = in.readDouble();
    if (layout.cut) r.cut = in.readBool();
    if (layout.elevationOffsetAndFlags) {
        r.elevation_offset = in.readDouble();
        r.transparent = in.readBool();
        r.uniqueCurvature = in.readBool();
    }
    if (layout.linkedCurvatures) r.linkedCurvatures = in.readBool();
    if (layout.color) {
        for (double* channel : {&r.color.red, &r.color.green, &r.color.blue}) *channel = in.readDouble();
    }
    r.sections.resize(static_cast<std::size_t>(r.nb_sections));
    for (auto& section : r.sections) {
        for (std::size_t k = 0; k < layout.valuesPerSection; ++k) section[k] = in.readDouble();
        // The single exponent is the upper one, the first value after the lengths.
        if (layout.leadingExponent) section[kLengthArrays] = leadingExponent;
    }

    nb_sections = r.nb_sections;
    nb_cross = r.nb_cross;
    shift = r.shift;
    pos_offset = r.pos_offset;
    elevation_offset = r.elevation_offset;
    cut = r.cut;
    transparent = r.transparent;
    uniqueCurvature = r.uniqueCurvature;
    linkedCurvatures = r.linkedCurvatures;
    color = r.color;
    initArrays();
    for (std::size_t s = 1; s <= r.sections.size(); ++s) {
        sec_index[s] = static_cast<std::int16_t>(s);
        for (std::size_t k = 0; k < kSectionArrays.size(); ++k) (this->*kSectionArrays[k])[s] = r.sections[s - 1][k];
    }
    // The older records carry one exponent a section and no bias.
    if (layout.valuesPerSection < kSectionArrays.size()) fillCurvatureArrays();
}

}  // namespace ferlo
