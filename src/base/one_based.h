#pragma once

#include <algorithm>
#include <cstddef>
#include <limits>
#include <span>
#include <vector>

namespace ferlo {

// Lists the program numbers from 1 (points of a section, panels, ...) are
// stored in vectors whose slot 0 is unused.

// Slots for a 1-based list of `count` entries: count + 1, at least one.
inline std::size_t oneBasedSlots(int count) { return count > 0 ? static_cast<std::size_t>(count) + 1 : 1; }

// Entry i of a 1-based list; a value-initialised T (zero) outside 1..size - 1.
template <typename T>
T entryOrZero(const std::vector<T>& values, int i) {
    if (i < 1 || static_cast<std::size_t>(i) >= values.size()) return T{};
    return values[static_cast<std::size_t>(i)];
}

// Entries 1 to `count` of a 1-based list, or as many of them as it holds.
template <typename T>
std::span<const T> oneBasedEntries(const std::vector<T>& values,
                                   std::size_t count = std::numeric_limits<std::size_t>::max()) {
    if (values.empty()) return {};
    return std::span(values).subspan(1, std::min(count, values.size() - 1));
}

}  // namespace ferlo
