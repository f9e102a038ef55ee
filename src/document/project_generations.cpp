#include "document/project_generations.h"

#include <array>
#include <initializer_list>
#include <stdexcept>

#include "document/object_list_records.h"

namespace ferlo {

bool matchesWildcard(const std::string& text, const std::string& pattern) {
    // Greedy matching with backtracking to the last "*".
    std::size_t t = 0, p = 0;
    std::size_t starAt = std::string::npos, resumeAt = 0;
    while (t < text.size()) {
        if (p < pattern.size() && pattern[p] == '*') {
            starAt = p++;
            resumeAt = t;
        } else if (p < pattern.size() && pattern[p] == text[t]) {
            ++p;
            ++t;
        } else if (starAt != std::string::npos) {
            p = starAt + 1;
            t = ++resumeAt;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') ++p;
    return p == pattern.size();
}

namespace {

struct DispatchRow {
    std::initializer_list<const char*> patterns;
    ProjectGeneration generation;
};

// Tested top to bottom; the first match decides. A 0.2.12 header also
// matches "*V 0.2*" and a 1.0.0 header "*1.0.*", hence their order. The 1.6
// patterns end without "*": a later 1.6 revision is read as the current format.
const std::array<DispatchRow, 10> kDispatch{{
    {{"*V0.1*"}, ProjectGeneration::V01},
    {{"*0.2.12*"}, ProjectGeneration::V0212},
    {{"*V 0.2*"}, ProjectGeneration::V02},
    {{"*0.3.0*"}, ProjectGeneration::V030},
    {{"*0.3.1*", "*1.0.0*"}, ProjectGeneration::V031},
    {{"*1.0.*", "*1.1.*"}, ProjectGeneration::V10},
    {{"*1.2.*"}, ProjectGeneration::V12},
    {{"*1.3.*", "*1.4.*", "*1.5.*"}, ProjectGeneration::V13},
    {{"*1.6.0", "*1.6.1", "*1.6.2"}, ProjectGeneration::V16},
    {{"*1.7.*"}, ProjectGeneration::V17},
}};

using BlockReader = void (*)(Plane&, ValueReader&);

// What the readers of one older generation call, in file order.
struct OlderGeneration {
    BlockReader wings;
    BlockReader stab;
    BlockReader fuselages;
    BlockReader fin;
    bool hasUnitsFlag;
    bool hasObjectList;
    bool hasAirfoils;
};

void wingsV0212(Plane& p, ValueReader& in) { p.mainWing.readWingsV0212(in, p.defaultColor); }
void wingsV101(Plane& p, ValueReader& in) { p.mainWing.readWingsV101(in, p.defaultColor); }
void wingsV120(Plane& p, ValueReader& in) { p.mainWing.readWingsV120(in, p.defaultColor); }
void stabV0212(Plane& p, ValueReader& in) { p.stab.readV0212(in); }
void stabV101(Plane& p, ValueReader& in) { p.stab.readV101(in); }
void stabCurrent(Plane& p, ValueReader& in) { p.stab.read(in); }
void fuselageV026(Plane& p, ValueReader& in) { p.fuselages.readFuselageV026(in); }
void fuselageV0212(Plane& p, ValueReader& in) { p.fuselages.readFuselageV0212(in); }
void fuselagesV030(Plane& p, ValueReader& in) { p.fuselages.readFuselagesV030(in, p.defaultColor); }
void fuselagesV101(Plane& p, ValueReader& in) { p.fuselages.readFuselagesV101(in, p.defaultColor); }
void fuselagesV120(Plane& p, ValueReader& in) { p.fuselages.readFuselagesV120(in, p.defaultColor); }
void fuselagesCurrent(Plane& p, ValueReader& in) { p.fuselages.readFuselages(in, p.defaultColor); }
void finV0212(Plane& p, ValueReader& in) { p.fin.readV0212(in); }
void finV030(Plane& p, ValueReader& in) { p.fin.readV030(in); }
void finV101(Plane& p, ValueReader& in) { p.fin.readV101(in); }
void finCurrent(Plane& p, ValueReader& in) { p.fin.read(in); }

OlderGeneration olderGeneration(ProjectGeneration generation) {
    switch (generation) {
        case ProjectGeneration::V0212: return {wingsV0212, stabV0212, fuselageV0212, finV0212, false, false, false};
        case ProjectGeneration::V02: return {wingsV0212, stabV0212, fuselageV026, finV0212, false, false, false};
        case ProjectGeneration::V030: return {wingsV0212, stabV0212, fuselagesV030, finV030, false, false, false};
        case ProjectGeneration::V031: return {wingsV101, stabV101, fuselagesV030, finV101, false, false, false};
        case ProjectGeneration::V10: return {wingsV101, stabV101, fuselagesV101, finV101, true, false, false};
        case ProjectGeneration::V12: return {wingsV120, stabCurrent, fuselagesV120, finCurrent, true, false, false};
        case ProjectGeneration::V13: return {wingsV120, stabCurrent, fuselagesCurrent, finCurrent, true, false, false};
        case ProjectGeneration::V16: return {wingsV120, stabCurrent, fuselagesCurrent, finCurrent, true, true, false};
        case ProjectGeneration::V17: return {wingsV120, stabCurrent, fuselagesCurrent, finCurrent, true, true, true};
        case ProjectGeneration::V01:
        case ProjectGeneration::Current: break;
    }
    throw std::invalid_argument("not an older project file generation");
}

}  // namespace

ProjectGeneration projectGenerationOf(const std::string& header) {
    for (const DispatchRow& row : kDispatch) {
        for (const char* pattern : row.patterns) {
            if (matchesWildcard(header, pattern)) return row.generation;
        }
    }
    return ProjectGeneration::Current;
}

void readUnitsFlag(Plane& plane, ValueReader& in) {
    plane.units = in.readBool() ? LengthUnit::Inches : LengthUnit::Millimeters;
}

void readOlderProject(Plane& plane, ValueReader& in, ProjectGeneration generation) {
    const OlderGeneration reader = olderGeneration(generation);
    reader.wings(plane, in);
    reader.stab(plane, in);
    reader.fuselages(plane, in);
    // These files' elevation offsets are not kept, also where they are stored.
    plane.fuselages.resetFuselagesElevationOffset();
    reader.fin(plane, in);
    plane.equipment.readEquipment(in);
    if (reader.hasUnitsFlag) readUnitsFlag(plane, in);
    if (reader.hasObjectList) readObjectList(plane.fuselages, in);
    if (reader.hasAirfoils) plane.mainWing.readWingsAirfoil(in);
}

}  // namespace ferlo
