#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <random>
#include <string>
#include <vector>

#include "speeddial/sorted_list_order.h"

namespace {

int CompareIgnoringCase(const std::string& a, const std::string& b)
{
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i) {
        const int x = std::tolower(static_cast<unsigned char>(a[i]));
        const int y = std::tolower(static_cast<unsigned char>(b[i]));
        if (x != y)
            return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

// A sorted list box, item by item: binary search over the items it holds,
// stopping at the first probed item that compares equal, else inserting
// after every smaller item.
std::vector<int> AddedOneByOne(const std::vector<std::string>& texts)
{
    std::vector<int> list;
    for (int item = 0; item < static_cast<int>(texts.size()); ++item) {
        int low = 0;
        int high = static_cast<int>(list.size()) - 1;
        int place = -1;
        while (low <= high) {
            const int middle = (low + high) / 2;
            const std::string& probed = texts[static_cast<std::size_t>(list[static_cast<std::size_t>(middle)])];
            const int order = CompareIgnoringCase(probed, texts[static_cast<std::size_t>(item)]);
            if (order == 0) {
                place = middle;
                break;
            }
            if (order > 0)
                high = middle - 1;
            else
                low = middle + 1;
        }
        list.insert(list.begin() + (place < 0 ? low : place), item);
    }
    return list;
}

std::vector<int> OrderOf(const std::vector<std::string>& texts)
{
    return SortedListOrder(static_cast<int>(texts.size()), [&](int a, int b) {
        return CompareIgnoringCase(texts[static_cast<std::size_t>(a)], texts[static_cast<std::size_t>(b)]);
    });
}

TEST(SortedListOrder, DifferentTextsComeOutSorted)
{
    // 010, 002 and 001 in the file show as 001, 002, 010: records 2, 1, 0.
    EXPECT_EQ(OrderOf({"010", "002", "001"}), (std::vector<int>{2, 1, 0}));
    EXPECT_EQ(OrderOf({"b", "C", "a"}), (std::vector<int>{2, 0, 1}));
    EXPECT_TRUE(OrderOf({}).empty());
    EXPECT_EQ(OrderOf({"7"}), std::vector<int>{0});
}

TEST(SortedListOrder, EqualTextsGoWhereTheListsSearchPutsThem)
{
    // The third "5" finds the second probe equal and goes before the first.
    EXPECT_EQ(OrderOf({"5", "1", "5"}), (std::vector<int>{1, 2, 0}));
    // Four equal texts: each new one goes to the middle probe.
    EXPECT_EQ(OrderOf({"b", "b", "b", "b"}), (std::vector<int>{2, 3, 1, 0}));
    // Equal without regard to case counts as equal.
    EXPECT_EQ(OrderOf({"a", "A"}), (std::vector<int>{1, 0}));
}

TEST(SortedListOrder, MatchesAddingOneByOne)
{
    std::mt19937 random(7);
    for (int round = 0; round < 400; ++round) {
        // Few letters and short texts, so that many texts are equal.
        const int count = static_cast<int>(random() % 300);
        const int letters = 1 + static_cast<int>(random() % 4);
        std::vector<std::string> texts;
        for (int i = 0; i < count; ++i) {
            std::string text;
            const int length = static_cast<int>(random() % 3);
            for (int k = 0; k < length; ++k)
                text += static_cast<char>((random() % 2 ? 'a' : 'A') + static_cast<int>(random() % letters));
            texts.push_back(text);
        }
        ASSERT_EQ(OrderOf(texts), AddedOneByOne(texts)) << "round " << round << ", " << count << " texts";
    }
}

TEST(SortedListOrder, ManyEqualTexts)
{
    const std::vector<std::string> same(2000, "042");
    EXPECT_EQ(OrderOf(same), AddedOneByOne(same));

    std::vector<std::string> twoRuns;
    for (int i = 0; i < 2000; ++i)
        twoRuns.push_back(i % 3 ? "9" : "1");
    EXPECT_EQ(OrderOf(twoRuns), AddedOneByOne(twoRuns));
}

TEST(SortedListOrder, TextsOrderedByTheirBytes)
{
    // Digits, equal texts, texts that begin others, and texts that agree in
    // their first eight bytes.
    std::mt19937 random(11);
    for (int round = 0; round < 200; ++round) {
        std::vector<std::string> texts;
        const int count = static_cast<int>(random() % 200);
        for (int i = 0; i < count; ++i) {
            std::string text = random() % 2 ? "12345678" : "";
            const int length = static_cast<int>(random() % 4);
            for (int k = 0; k < length; ++k)
                text += static_cast<char>('0' + random() % 3);
            texts.push_back(text);
        }
        const std::vector<int> byBytes = SortedListOrderOfBytes(texts);
        ASSERT_EQ(byBytes, SortedListOrder(count,
                                           [&](int a, int b) {
                                               return texts[static_cast<std::size_t>(a)].compare(
                                                   texts[static_cast<std::size_t>(b)]);
                                           }))
            << "round " << round;
    }
    EXPECT_EQ(SortedListOrderOfBytes({"10", "9", "1", "100000000", "10000000"}), (std::vector<int>{2, 0, 4, 3, 1}));
}

TEST(SortedListOrder, RanksWithGaps)
{
    // As many ranks as items, but one rank twice: not all texts differ.
    EXPECT_EQ(SortedListOrderOfRanks({2, 0, 0}), (std::vector<int>{2, 1, 0}));
    EXPECT_EQ(SortedListOrderOfRanks({2, 0, 1}), (std::vector<int>{1, 2, 0}));
}

} // namespace
