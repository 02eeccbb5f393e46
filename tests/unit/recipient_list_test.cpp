#include <gtest/gtest.h>

#include "core/recipient_list.h"

namespace {

TEST(RecipientList, FindFirstFollowsEveryChange)
{
    RecipientList list;
    EXPECT_EQ(list.FindFirst("a", "1"), -1);
    list.Append({"a", "1"});
    list.Append({"b", "2"});
    EXPECT_EQ(list.FindFirst("a", "1"), 0);
    // Appended after the index exists: found, and an equal later one does
    // not replace the first.
    list.Append({"c", "3"});
    list.Append({"a", "1"});
    EXPECT_EQ(list.FindFirst("c", "3"), 2);
    EXPECT_EQ(list.FindFirst("a", "1"), 0);
    list.RemoveAll();
    EXPECT_EQ(list.FindFirst("a", "1"), -1);
    list.Append({"a", "1"});
    EXPECT_EQ(list.FindFirst("a", "1"), 0);
    EXPECT_EQ(list.Count(), 1u);
}

TEST(RecipientList, ComparesNameAndNumberEachWhole)
{
    RecipientList list;
    list.Append({"ab", "1"});
    list.Append({"a", "b1"});
    list.Append({"A", "1"});
    EXPECT_EQ(list.FindFirst("a", "b1"), 1) << "the split between name and number counts";
    EXPECT_EQ(list.FindFirst("ab", "1"), 0);
    EXPECT_EQ(list.FindFirst("a", "1"), -1);
    EXPECT_EQ(list.FindFirst("A", "1"), 2);
}

} // namespace
