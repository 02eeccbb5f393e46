#include "speeddial/sorted_list_order.h"

#include <cstdint>
#include <utility>

namespace {

// Counts per slot with sums over the slots before one, and the search for
// the slot that holds the k-th unit, both in O(log slots).
class CountTree {
public:
    explicit CountTree(std::size_t slots) : tree_(slots + 1, 0) {}

    void Add(std::size_t slot, int amount)
    {
        for (std::size_t i = slot + 1; i < tree_.size(); i += LowestBit(i))
            tree_[i] += amount;
    }

    int SumBefore(std::size_t slot) const
    {
        int sum = 0;
        for (std::size_t i = slot; i > 0; i -= LowestBit(i))
            sum += tree_[i];
        return sum;
    }

    // The slot in which the units counted from the first slot reach k + 1.
    std::size_t SlotOfUnit(int k) const
    {
        std::size_t step = 1;
        while (step * 2 < tree_.size())
            step *= 2;
        std::size_t position = 0;
        for (; step > 0; step /= 2) {
            if (position + step < tree_.size() && tree_[position + step] <= k) {
                position += step;
                k -= tree_[position];
            }
        }
        return position;
    }

private:
    static std::size_t LowestBit(std::size_t i) { return i & (~i + 1); }

    std::vector<int> tree_;
};

} // namespace

std::vector<int> SortedListOrderOfRanks(const std::vector<int>& ranks)
{
    const std::size_t n = ranks.size();
    if (n == 0)
        return {};
    const std::size_t runs = static_cast<std::size_t>(*std::max_element(ranks.begin(), ranks.end())) + 1;
    if (runs == n) {
        // Every text differs from every other (each rank taken once): the
        // list holds them sorted.
        std::vector<int> order(n, -1);
        bool distinct = true;
        for (std::size_t item = 0; item < n && distinct; ++item) {
            int& place = order[static_cast<std::size_t>(ranks[item])];
            distinct = place < 0;
            place = static_cast<int>(item);
        }
        if (distinct)
            return order;
    }

    // Replay the adding. When item i comes, the list holds i items, sorted:
    // first `smaller` items of lower rank, then `equal` items of its own
    // rank, then the rest. The list's search probes the middle of the range
    // still open and stops at the first equal item; without one, the item
    // goes after the smaller ones. What matters is its place among its equals.
    CountTree present(runs);
    std::vector<int> runSize(runs, 0);
    std::vector<int> placeInRun(n);
    for (std::size_t item = 0; item < n; ++item) {
        const std::size_t run = static_cast<std::size_t>(ranks[item]);
        const long long smaller = present.SumBefore(run);
        const long long equal = runSize[run];
        long long low = 0;
        long long high = static_cast<long long>(item) - 1;
        long long place = -1;
        while (low <= high) {
            const long long middle = (low + high) / 2;
            if (middle < smaller) {
                low = middle + 1;
            } else if (middle >= smaller + equal) {
                high = middle - 1;
            } else {
                place = middle;
                break;
            }
        }
        if (place < 0)
            place = low;
        placeInRun[item] = static_cast<int>(place - smaller);
        present.Add(run, 1);
        ++runSize[run];
    }

    // Where each run starts in the final order, and its members in the order
    // they were added.
    std::vector<std::size_t> runStart(runs + 1, 0);
    for (std::size_t run = 0; run < runs; ++run)
        runStart[run + 1] = runStart[run] + static_cast<std::size_t>(runSize[run]);
    std::vector<int> members(n);
    {
        std::vector<std::size_t> next(runStart.begin(), runStart.end() - 1);
        for (std::size_t item = 0; item < n; ++item)
            members[next[static_cast<std::size_t>(ranks[item])]++] = static_cast<int>(item);
    }

    // Within a run, the item added last keeps the place it got; going back,
    // each earlier item took the place it got among the slots that the items
    // added after it leave free.
    std::vector<int> order(n);
    for (std::size_t run = 0; run < runs; ++run) {
        const std::size_t start = runStart[run];
        const std::size_t size = runStart[run + 1] - start;
        if (size == 1) {
            order[start] = members[start];
            continue;
        }
        CountTree freeSlots(size);
        for (std::size_t slot = 0; slot < size; ++slot)
            freeSlots.Add(slot, 1);
        for (std::size_t member = size; member-- > 0;) {
            const int item = members[start + member];
            const std::size_t slot = freeSlots.SlotOfUnit(placeInRun[static_cast<std::size_t>(item)]);
            order[start + slot] = item;
            freeSlots.Add(slot, -1);
        }
    }
    return order;
}

std::vector<int> SortedListOrderOfBytes(const std::vector<std::string>& texts)
{
    // Sorted by their first eight bytes packed into a number (zeros after a
    // shorter text), the whole texts compared only where those are equal.
    std::vector<std::pair<std::uint64_t, int>> keyed(texts.size());
    for (std::size_t i = 0; i < texts.size(); ++i) {
        std::uint64_t key = 0;
        for (std::size_t k = 0; k < 8; ++k) {
            const unsigned char byte = k < texts[i].size() ? static_cast<unsigned char>(texts[i][k]) : 0;
            key = (key << 8) | byte;
        }
        keyed[i] = {key, static_cast<int>(i)};
    }
    const auto before = [&](const std::pair<std::uint64_t, int>& a, const std::pair<std::uint64_t, int>& b) {
        if (a.first != b.first)
            return a.first < b.first;
        return texts[static_cast<std::size_t>(a.second)] < texts[static_cast<std::size_t>(b.second)];
    };
    std::sort(keyed.begin(), keyed.end(), before);
    std::vector<int> ranks(texts.size());
    int rank = -1;
    for (std::size_t k = 0; k < keyed.size(); ++k) {
        if (k == 0 || keyed[k - 1].first != keyed[k].first ||
            texts[static_cast<std::size_t>(keyed[k - 1].second)] != texts[static_cast<std::size_t>(keyed[k].second)])
            ++rank;
        ranks[static_cast<std::size_t>(keyed[k].second)] = rank;
    }
    return SortedListOrderOfRanks(ranks);
}
