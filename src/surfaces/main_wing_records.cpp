#include "surfaces/main_wing.h"

#include <cstdint>
#include <utility>
#include <vector>

#include "base/list_reading.h"

namespace ferlo {

namespace {

using RecordReader = void (SymWingSections::*)(ValueReader&);

std::int16_t readPanelCount(ValueReader& in) {
    return in.readCount(1, MainWing::kMaxWingPanels, "wing panel count");
}

// Makes the panels whose records `readPanels` reads completely the list (see
// adoptItemsRead).
template <typename ReadPanels>
void replaceByPanelsRead(MainWing& list, ReadPanels readPanels) {
    adoptItemsRead<SymWingSections>(readPanels, [&list](std::vector<SymWingSections> panels) {
        list.nbWings = static_cast<std::int16_t>(panels.size() - 1);
        list.wings = std::move(panels);
        list.currentWing = 1;
    });
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
