#include "surfaces/main_wing.h"

#include <cstdint>
#include <utility>
#include <vector>

namespace ferlo {

namespace {

using RecordReader = void (SymWingSections::*)(ValueReader&);

std::int16_t readPanelCount(ValueReader& in) {
    return in.readCount(1, MainWing::kMaxWingPanels, "wing panel count");
}

// Runs `readPanels`, which appends every panel whose record it reads
// completely (slot 0 stays unused), and makes those panels the list, also
// when a read error stops it halfway; the error then goes on to the caller.
// With no panel read the list stays as it was, so it never loses its last
// panel and never holds a slot that was not filled.
template <typename ReadPanels>
void replaceByPanelsRead(MainWing& list, ReadPanels readPanels) {
    std::vector<SymWingSections> panels(1);
    const auto adopt = [&] {
        if (panels.size() < 2) return;
        list.nbWings = static_cast<std::int16_t>(panels.size() - 1);
        list.wings = std::move(panels);
        list.currentWing = 1;
    };
    try {
        readPanels(panels);
    } catch (...) {
        adopt();
        throw;
    }
    adopt();
}

SymWingSections readPanel(ValueReader& in, RecordReader readRecord, const ColorRGB& defaultColor) {
    SymWingSections panel;
    panel.init(defaultColor);
    (panel.*readRecord)(in);
    return panel;
}

// The list of the older files: two records whatever the count; a count other
// than 2 keeps the first one only.
void readTwoRecordList(MainWing& list, ValueReader& in, RecordReader readRecord,
                       const ColorRGB& defaultColor) {
    const std::int16_t count = readPanelCount(in);
    replaceByPanelsRead(list, [&](std::vector<SymWingSections>& panels) {
        panels.push_back(readPanel(in, readRecord, defaultColor));
        SymWingSections second = readPanel(in, readRecord, defaultColor);
        if (count == 2) panels.push_back(std::move(second));
    });
}

}  // namespace

void MainWing::saveWings(ValueWriter& out) const {
    out.integer(nbWings);
    for (int i = 1; i <= nbWings; ++i) wing(i).save(out);
}

void MainWing::readWings(ValueReader& in, const ColorRGB& defaultColor) {
    const std::int16_t count = readPanelCount(in);
    replaceByPanelsRead(*this, [&](std::vector<SymWingSections>& panels) {
        for (int i = 1; i <= count; ++i) panels.push_back(readPanel(in, &SymWingSections::read, defaultColor));
    });
}

void MainWing::readWingsV120(ValueReader& in, const ColorRGB& defaultColor) {
    readTwoRecordList(*this, in, &SymWingSections::read, defaultColor);
}

void MainWing::readWingsV101(ValueReader& in, const ColorRGB& defaultColor) {
    readTwoRecordList(*this, in, &SymWingSections::readV101, defaultColor);
}

void MainWing::readWingsV0212(ValueReader& in, const ColorRGB& defaultColor) {
    readTwoRecordList(*this, in, &SymWingSections::readV0212, defaultColor);
}

void MainWing::saveWingsAirfoil(ValueWriter& out) const {
    for (int i = 1; i <= nbWings; ++i) wing(i).save_airfoil(out);
}

void MainWing::readWingsAirfoil(ValueReader& in) {
    for (int i = 1; i <= nbWings; ++i) wing(i).read_airfoil(in);
}

}  // namespace ferlo
