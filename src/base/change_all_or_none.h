#pragma once

#include <utility>
#include <vector>

namespace ferlo {

// Runs `change` on a copy of every item and keeps the copies only when none
// of the calls threw: a list-wide change (unit switch, rescale) that fails
// at one item leaves every item as it was.
template <typename Item, typename Change>
void changeAllOrNone(std::vector<Item>& items, Change change) {
    std::vector<Item> changed = items;
    for (Item& item : changed) change(item);
    items = std::move(changed);
}

}  // namespace ferlo
