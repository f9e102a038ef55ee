#pragma once

#include <vector>

#include "fuselage/fuselage_list.h"

namespace ferlo::testing {

// The `shift` of fuselages 1 to nbFuselages, which tells the fuselages of a
// test apart.
inline std::vector<double> shiftsOf(const FuselageList& list) {
    std::vector<double> shifts;
    for (int i = 1; i <= list.nbFuselages(); ++i) shifts.push_back(list.fuselage(i).shift);
    return shifts;
}

}  // namespace ferlo::testing
