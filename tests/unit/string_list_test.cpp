#include <gtest/gtest.h>

#include "core/string_list.h"

namespace {

TEST(StringList, FindFirstFollowsEveryChange)
{
    StringList list;
    EXPECT_EQ(list.FindFirst("a"), -1);
    list.Append("a");
    list.Append("b");
    list.Append("a");
    EXPECT_EQ(list.FindFirst("a"), 0);
    EXPECT_EQ(list.FindFirst("b"), 1);
    // Removing the later "a" keeps the first; removing "b" forgets it.
    list.RemoveLast();
    EXPECT_EQ(list.FindFirst("a"), 0);
    list.RemoveLast();
    EXPECT_EQ(list.FindFirst("b"), -1);
    list.Append("c");
    EXPECT_EQ(list.FindFirst("c"), 1);
    list.RemoveAll();
    EXPECT_EQ(list.FindFirst("a"), -1);
    list.Append("a");
    EXPECT_EQ(list.FindFirst("a"), 0);
    EXPECT_EQ(list.Count(), 1u);
}

TEST(StringList, ComparesWholeTextsByteForByte)
{
    StringList list;
    list.Append(std::string("a\0b", 3));
    list.Append("A");
    EXPECT_EQ(list.FindFirst("a"), -1);
    EXPECT_EQ(list.FindFirst(std::string("a\0b", 3)), 0);
    EXPECT_EQ(list.FindFirst("a"), -1);
    EXPECT_EQ(list.FindFirst("A"), 1);
}

} // namespace
