// Removes the items at a set of list positions in one pass, the way both
// selection lists do when the user deletes their selected lines.
#pragma once

#include <cstddef>
#include <vector>

// onRemove(item) is called for every item that goes; positions may come in
// any order, repeat, or lie outside the list.
template <typename Item, typename OnRemove>
void RemovePositions(std::vector<Item>& items, const std::vector<int>& positions, OnRemove onRemove)
{
    std::vector<bool> doomed(items.size(), false);
    for (int position : positions) {
        if (position >= 0 && static_cast<std::size_t>(position) < items.size())
            doomed[static_cast<std::size_t>(position)] = true;
    }
    std::size_t kept = 0;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (doomed[i])
            onRemove(items[i]);
        else
            items[kept++] = items[i];
    }
    items.resize(kept);
}
