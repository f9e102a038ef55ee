#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "base/value_writer.h"
#include "fuselage/mesh_sections.h"
#include "support/record_io.h"

namespace ferlo::testing {

// The seven values of one fuselage section.
struct SectionValues {
    double height = 0, width = 0, pos = 0, elevation = 0;
    double curvature = 1, curvature2 = 1, bias = 0.5;
    friend bool operator==(const SectionValues&, const SectionValues&) = default;
};

inline void PrintTo(const SectionValues& s, std::ostream* os) {
    *os << "{H " << s.height << ", W " << s.width << ", POS " << s.pos << ", E " << s.elevation << ", p1 "
        << s.curvature << ", p2 " << s.curvature2 << ", B " << s.bias << "}";
}

// Display section d as the selected-section getters read it (on a copy, so
// the fuselage's own selection stays).
inline SectionValues sectionAt(const MeshSections& fuselage, int d) {
    MeshSections probe = fuselage;
    probe.sel_sec = static_cast<std::int16_t>(d);
    return {probe.heightGet(),    probe.widthGet(),      probe.posGet(),        probe.elevationGet(),
            probe.curvatureGet(), probe.curvature2Get(), probe.bias_curveGet()};
}

// Display sections 1 to nb_sections.
inline std::vector<SectionValues> sectionsOf(const MeshSections& fuselage) {
    std::vector<SectionValues> sections;
    for (int d = 1; d <= fuselage.nb_sections; ++d) sections.push_back(sectionAt(fuselage, d));
    return sections;
}

// A default millimetre fuselage with these sections, in display order,
// written through the selected-section setters; section 1 selected.
inline MeshSections fuselageWith(const std::vector<SectionValues>& sections) {
    MeshSections fuselage;
    fuselage.nb_sections = static_cast<std::int16_t>(sections.size());
    fuselage.initArrays();
    fuselage.uniqueCurvature = false;
    for (std::size_t i = 0; i < sections.size(); ++i) {
        const SectionValues& s = sections[i];
        fuselage.sel_sec = static_cast<std::int16_t>(i + 1);
        fuselage.heightSet(s.height);
        fuselage.widthSet(s.width);
        fuselage.posSet(s.pos);
        fuselage.elevationSet(s.elevation);
        fuselage.curvatureSet(s.curvature);
        fuselage.curvature2Set(s.curvature2);
        fuselage.bias_curveSet(s.bias);
    }
    fuselage.uniqueCurvature = true;
    fuselage.sel_sec = 1;
    return fuselage;
}

// A small fuselage pair whose outline points are whole numbers: four outline
// points a section, exponents 2 (so the points at the top and the bottom lie
// on the centre line exactly), `shift` 5, `elevation_offset` 2, `pos_offset`
// 3. Outline points (lateral, height): section 1 (20, 22), (5, 32), (-10,
// 22), (5, 12); section 2 (35, 32), (5, 42), (-25, 32), (5, 2).
inline MeshSections smallFuselagePair() {
    MeshSections fuselage = fuselageWith({{20, 30, 0, 10, 2, 2, 0.5}, {40, 60, 100, 0, 2, 2, 0.25}});
    fuselage.nb_cross = 4;
    fuselage.initArrays();
    fuselage.shift = 5;
    fuselage.elevation_offset = 2;
    fuselage.pos_offset = 3;
    return fuselage;
}

// The fuselage's "Fuselage" record as the program writes it.
inline std::string savedRecord(const MeshSections& fuselage) {
    return writtenLines([&fuselage](ValueWriter& writer) { fuselage.save(writer); });
}

}  // namespace ferlo::testing
