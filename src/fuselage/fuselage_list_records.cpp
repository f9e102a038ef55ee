#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "base/file_errors.h"
#include "base/list_reading.h"
#include "fuselage/fuselage_list.h"

namespace ferlo {

namespace {

std::int64_t meshPointsOf(const MeshSections& fuselage) {
    return std::int64_t{fuselage.nb_sections} * fuselage.nb_cross;
}

// The size asked for and the limit, for a refusal.
std::string meshPointsAndBound(const std::string& size) {
    return size + " mesh points (sections x outline points) in all; a project holds at most " +
           std::to_string(FuselageList::kMaxMeshPoints);
}

}  // namespace

void FuselageList::saveFuselages(ValueWriter& out) const {
    std::int64_t meshPoints = 0;
    for (const Entry& e : entries) meshPoints += meshPointsOf(e.fuselage);
    if (meshPoints > kMaxMeshPoints) {
        throw WriteError("the fuselages hold " + meshPointsAndBound(std::to_string(meshPoints)));
    }
    out.integer(nbFuselages());
    for (const Entry& e : entries) e.fuselage.save(out);
}

void FuselageList::readCountedSection(ValueReader& in, RecordReader readRecord, const ColorRGB& defaultColor) {
    const std::int16_t count = in.readCount(1, kMaxFuselages, "fuselage count");
    adoptItemsRead<MeshSections>(
        [&in, readRecord, &defaultColor, count](std::vector<MeshSections>& read) {
            std::int64_t meshPoints = 0;
            for (int i = 1; i <= count; ++i) {
                // Every length of a new fuselage is zero or overwritten by
                // the record, so its unit does not matter.
                MeshSections fuselage(LengthUnit::Millimeters, defaultColor);
                (fuselage.*readRecord)(in);
                meshPoints += meshPointsOf(fuselage);
                if (meshPoints > kMaxMeshPoints) {
                    // The records after this one are not read: their points
                    // come on top.
                    in.fail("the fuselages ask for " + meshPointsAndBound(std::to_string(meshPoints) + " or more"));
                }
                read.push_back(std::move(fuselage));
            }
        },
        [this](std::vector<MeshSections> read) {
            entries.clear();
            for (std::size_t i = 1; i < read.size(); ++i) {
                entries.push_back(newEntry(std::move(read[i]), static_cast<int>(i)));
            }
            keepCurrentInList();
        });
}

void FuselageList::readFuselages(ValueReader& in, const ColorRGB& defaultColor) {
    readCountedSection(in, &MeshSections::read, defaultColor);
}

void FuselageList::readFuselagesV120(ValueReader& in, const ColorRGB& defaultColor) {
    readCountedSection(in, &MeshSections::readV120, defaultColor);
}

void FuselageList::readFuselagesV101(ValueReader& in, const ColorRGB& defaultColor) {
    readCountedSection(in, &MeshSections::readV101, defaultColor);
}

void FuselageList::readFuselagesV030(ValueReader& in, const ColorRGB& defaultColor) {
    readCountedSection(in, &MeshSections::readV030, defaultColor);
}

void FuselageList::readSingleRecord(ValueReader& in, RecordReader readRecord) {
    MeshSections first = fuselage(1);
    (first.*readRecord)(in);
    entries.assign(1, newEntry(std::move(first), 1));
    keepCurrentInList();
}

void FuselageList::readFuselageV0212(ValueReader& in) { readSingleRecord(in, &MeshSections::readV0212); }

void FuselageList::readFuselageV026(ValueReader& in) { readSingleRecord(in, &MeshSections::readV026); }

void FuselageList::resetFuselagesElevationOffset() {
    for (Entry& e : entries) e.fuselage.elevation_offset = 0.0;
}

}  // namespace ferlo
