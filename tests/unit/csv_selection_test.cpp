#include <gtest/gtest.h>

#include <cstring>

#include "csv/csv_selection.h"

namespace {

CsvEntry Entry(const char* name, const char* fax)
{
    CsvEntry entry;
    std::strcpy(entry.name, name);
    std::strcpy(entry.faxNumber, fax);
    return entry;
}

std::vector<int> Range(int from, int to)
{
    std::vector<int> indexes;
    for (int i = from; i < to; ++i)
        indexes.push_back(i);
    return indexes;
}

CsvEntryTable Distinct(int count)
{
    CsvEntryTable table;
    for (int i = 0; i < count; ++i)
        table.push_back(Entry(("P" + std::to_string(i)).c_str(), std::to_string(100 + i).c_str()));
    return table;
}

TEST(CsvSelection, CapStopsAddingAndSaysSo)
{
    const CsvEntryTable table = Distinct(60);
    CsvSelection selection(table, 50);
    EXPECT_EQ(selection.AddEntries(Range(0, 60)), CsvSelection::AddOutcome::kLimitReached);
    ASSERT_EQ(selection.Chosen().size(), 50u);
    EXPECT_EQ(selection.Chosen().back(), 49);
    // Full already: the next press says so at once.
    EXPECT_EQ(selection.AddEntries({55}), CsvSelection::AddOutcome::kLimitReached);
    EXPECT_EQ(selection.Chosen().size(), 50u);
}

TEST(CsvSelection, FillingTheListExactlyRaisesNoMessage)
{
    const CsvEntryTable table = Distinct(50);
    CsvSelection selection(table, 50);
    EXPECT_EQ(selection.AddEntries(Range(0, 50)), CsvSelection::AddOutcome::kDone);
    EXPECT_TRUE(selection.IsFull());
}

TEST(CsvSelection, NoCapMeansNoLimit)
{
    const CsvEntryTable table = Distinct(300);
    CsvSelection selection(table, 0);
    EXPECT_EQ(selection.AddEntries(Range(0, 300)), CsvSelection::AddOutcome::kDone);
    EXPECT_EQ(selection.Chosen().size(), 300u);
}

TEST(CsvSelection, PassesOverDuplicatesAndEmptyNumbersSilently)
{
    const CsvEntryTable table = {Entry("Ann", "1"), Entry("Ann", "1"), Entry("Bea", "1"), Entry("Cid", ""),
                                 Entry("Ann", "2")};
    CsvSelection selection(table, 0);
    selection.AddEntries(Range(0, 5));
    EXPECT_EQ(selection.Chosen(), (std::vector<int>{0, 2, 4}));
    // Pressing "To ->" again with the same selection adds nothing.
    selection.AddEntries(Range(0, 5));
    EXPECT_EQ(selection.Chosen().size(), 3u);
}

TEST(CsvSelection, DeletedEntriesCanBeChosenAgain)
{
    const CsvEntryTable table = Distinct(5);
    CsvSelection selection(table, 0);
    selection.AddEntries(Range(0, 5));
    selection.RemovePositions({3, 1, 1, 42});
    EXPECT_EQ(selection.Chosen(), (std::vector<int>{0, 2, 4}));
    selection.AddEntries({1, 2});
    EXPECT_EQ(selection.Chosen(), (std::vector<int>{0, 2, 4, 1}));
}

TEST(CsvSelection, DeletingFreesRoomUnderTheCap)
{
    const CsvEntryTable table = Distinct(3);
    CsvSelection selection(table, 2);
    selection.AddEntries({0, 1});
    selection.RemovePositions({0});
    EXPECT_EQ(selection.AddEntries({2}), CsvSelection::AddOutcome::kDone);
    EXPECT_EQ(selection.Chosen(), (std::vector<int>{1, 2}));
}

TEST(CsvSelection, StoresTheChoiceInListOrder)
{
    const CsvEntryTable table = {Entry("Ann", "1"), Entry("", "2"), Entry("Cid", "3")};
    CsvSelection selection(table, 0);
    selection.AddEntries({2});
    selection.AddEntries({0, 1});
    ImportResult result;
    selection.StoreChoice(result);
    EXPECT_EQ(result.entryCount, 3);
    ASSERT_EQ(result.recipients.Count(), 3u);
    EXPECT_EQ(result.recipients.At(0), "Cid [3]");
    EXPECT_EQ(result.recipients.At(1), "Ann [1]");
    EXPECT_EQ(result.recipients.At(2), " [2]");
}

} // namespace
