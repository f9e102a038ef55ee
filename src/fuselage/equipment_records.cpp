#include <cstdint>
#include <utility>
#include <vector>

#include "base/list_reading.h"
#include "fuselage/equipment.h"

namespace ferlo {

void Equipment::saveEquipment(ValueWriter& out) const {
    out.integer(nbBoxes);
    forEachBox([&out](const ElectroBox& b) { b.save(out); });
}

void Equipment::readEquipment(ValueReader& in) {
    const std::int16_t count = in.readCount(1, kMaxBoxes, "equipment box count");
    adoptItemsRead<ElectroBox>(
        [&in, count](std::vector<ElectroBox>& read) {
            for (int i = 1; i <= count; ++i) {
                // Every length of a new box is overwritten by its record.
                ElectroBox b;
                b.read(in);
                read.push_back(b);
            }
        },
        [this](std::vector<ElectroBox> read) {
            nbBoxes = static_cast<std::int16_t>(read.size() - 1);
            boxes = std::move(read);
            keepCurrentInList();
        });
}

}  // namespace ferlo
