// Where a sorted list box puts items that are added to it one at a time.
//
// The list finds each new item's place by binary search over the items it
// holds and stops at the first item it probes whose text compares equal; an
// item with a text of its own goes after every smaller one. So items whose
// texts compare equal end up in an order that depends on the whole history
// of additions, not on their own order alone. Working the final order out
// beforehand lets the speed-dial dialog add the items already in place, each
// at the end of the list, instead of the list moving its items aside for
// every addition (quadratic in the number of items).
#pragma once

#include <algorithm>
#include <cstddef>
#include <numeric>
#include <string>
#include <vector>

// ranks[i] is the place of item i's text among the different texts, from 0;
// texts that compare equal share a rank. Returns the item indexes in the
// order the list holds them after items 0, 1, 2, ... have been added in
// turn. O(n log n); may throw std::bad_alloc.
std::vector<int> SortedListOrderOfRanks(const std::vector<int>& ranks);

// The same for texts that the list orders as their bytes (unsigned, a text
// before the longer texts it begins), such as texts of digits only.
std::vector<int> SortedListOrderOfBytes(const std::vector<std::string>& texts);

// The same for count items compared by compare(a, b): negative, zero or
// positive as item a's text sorts before, equal to or after item b's, the
// way the list compares texts.
template <typename Compare>
std::vector<int> SortedListOrder(int count, Compare compare)
{
    const std::size_t n = count > 0 ? static_cast<std::size_t>(count) : 0;
    std::vector<int> sorted(n);
    std::iota(sorted.begin(), sorted.end(), 0);
    std::sort(sorted.begin(), sorted.end(), [&](int a, int b) { return compare(a, b) < 0; });
    std::vector<int> ranks(n);
    int rank = -1;
    for (std::size_t k = 0; k < n; ++k) {
        if (k == 0 || compare(sorted[k - 1], sorted[k]) != 0)
            ++rank;
        ranks[static_cast<std::size_t>(sorted[k])] = rank;
    }
    return SortedListOrderOfRanks(ranks);
}
