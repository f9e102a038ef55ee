#pragma once

#include <array>
#include <cmath>
#include <cstddef>
#include <stdexcept>
#include <string>

namespace ferlo {

// Converts each of a part's lengths through `convert` (unit switch, rescale),
// all or none: a result that is not finite throws std::overflow_error naming
// the part, and no length changes.
template <std::size_t N, typename Convert>
void convertAllLengths(const std::array<double*, N>& lengths, Convert convert, const char* part) {
    std::array<double, N> converted{};
    for (std::size_t i = 0; i < N; ++i) {
        converted[i] = convert(*lengths[i]);
        if (!std::isfinite(converted[i])) throw std::overflow_error(std::string("a length of the ") + part + " overflows");
    }
    for (std::size_t i = 0; i < N; ++i) *lengths[i] = converted[i];
}

}  // namespace ferlo
