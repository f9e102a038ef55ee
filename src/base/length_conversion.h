#pragma once

#include <cmath>
#include <cstddef>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace ferlo {

// Converts each of a part's lengths through `convert` (unit switch, rescale),
// all or none: a result that is not finite throws std::overflow_error naming
// the part, and no length changes. A fixed set of fields passes a std::array
// of pointers; a part with a variable number of lengths passes a vector.
template <typename Convert>
void convertAllLengths(std::span<double* const> lengths, Convert convert, const char* part) {
    std::vector<double> converted(lengths.size());
    for (std::size_t i = 0; i < lengths.size(); ++i) {
        converted[i] = convert(*lengths[i]);
        if (!std::isfinite(converted[i])) throw std::overflow_error(std::string("a length of the ") + part + " overflows");
    }
    for (std::size_t i = 0; i < lengths.size(); ++i) *lengths[i] = converted[i];
}

}  // namespace ferlo
