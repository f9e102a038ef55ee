#pragma once

#include <utility>
#include <vector>

namespace ferlo {

// Reads the items of a 1-based list from a file. `readItems` appends every
// item whose record it reads completely to the vector it is given (slot 0
// stays unused). `adopt` then takes the items read, also when a read error
// stops `readItems` halfway (the error goes on to the caller afterwards).
// With no item read `adopt` is not called, so a list never loses its last
// item and never holds a slot that was not filled.
template <typename Item, typename ReadItems, typename Adopt>
void adoptItemsRead(ReadItems readItems, Adopt adopt) {
    std::vector<Item> items(1);
    const auto adoptAny = [&] {
        if (items.size() >= 2) adopt(std::move(items));
    };
    try {
        readItems(items);
    } catch (...) {
        adoptAny();
        throw;
    }
    adoptAny();
}

}  // namespace ferlo
