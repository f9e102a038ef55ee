#pragma once

#include <vector>

#include "fuselage/equipment.h"
#include "fuselage/fuselage_list.h"

namespace ferlo::testing {

// One value of each part of a list, in list order, to compare whole lists.

// The `shift` of fuselages 1 to nbFuselages, which tells the fuselages of a
// test apart.
inline std::vector<double> shiftsOf(const FuselageList& list) {
    std::vector<double> shifts;
    for (int i = 1; i <= list.nbFuselages(); ++i) shifts.push_back(list.fuselage(i).shift);
    return shifts;
}

// Whether each fuselage is shown.
inline std::vector<bool> shownFlagsOf(const FuselageList& list) {
    std::vector<bool> flags;
    for (int i = 1; i <= list.nbFuselages(); ++i) flags.push_back(list.shown(i));
    return flags;
}

// The positions of boxes 1 to nbBoxes, which tell the boxes of a test apart.
inline std::vector<double> positionsOf(const Equipment& list) {
    std::vector<double> positions;
    for (int i = 1; i <= list.nbBoxes; ++i) positions.push_back(list.box(i).pos);
    return positions;
}

}  // namespace ferlo::testing
