#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>

#include "csv/csv_selection.h"
#include "entry_texts.h"

namespace {

OfferedEntry Entry(const char* name, const char* fax)
{
    OfferedEntry entry;
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

OfferedEntryTable Distinct(int count)
{
    OfferedEntryTable table;
    for (int i = 0; i < count; ++i)
        table.push_back(Entry(("P" + std::to_string(i)).c_str(), std::to_string(100 + i).c_str()));
    return table;
}

TEST(CsvSelection, CapStopsAddingAndSaysSo)
{
    const OfferedEntryTable table = Distinct(60);
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
    const OfferedEntryTable table = Distinct(50);
    CsvSelection selection(table, 50);
    EXPECT_EQ(selection.AddEntries(Range(0, 50)), CsvSelection::AddOutcome::kDone);
    EXPECT_TRUE(selection.IsFull());
}

TEST(CsvSelection, NoCapMeansNoLimit)
{
    const OfferedEntryTable table = Distinct(300);
    CsvSelection selection(table, 0);
    EXPECT_EQ(selection.AddEntries(Range(0, 300)), CsvSelection::AddOutcome::kDone);
    EXPECT_EQ(selection.Chosen().size(), 300u);
}

TEST(CsvSelection, PassesOverDuplicatesAndEmptyNumbersSilently)
{
    const OfferedEntryTable table = {Entry("Ann", "1"), Entry("Ann", "1"), Entry("Bea", "1"), Entry("Cid", ""),
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
    const OfferedEntryTable table = Distinct(5);
    CsvSelection selection(table, 0);
    selection.AddEntries(Range(0, 5));
    selection.RemovePositions({3, 1, 1, 42});
    EXPECT_EQ(selection.Chosen(), (std::vector<int>{0, 2, 4}));
    selection.AddEntries({1, 2});
    EXPECT_EQ(selection.Chosen(), (std::vector<int>{0, 2, 4, 1}));
}

TEST(CsvSelection, DeletingFreesRoomUnderTheCap)
{
    const OfferedEntryTable table = Distinct(3);
    CsvSelection selection(table, 2);
    selection.AddEntries({0, 1});
    selection.RemovePositions({0});
    EXPECT_EQ(selection.AddEntries({2}), CsvSelection::AddOutcome::kDone);
    EXPECT_EQ(selection.Chosen(), (std::vector<int>{1, 2}));
}

TEST(CsvSelection, StoresTheChoiceInListOrder)
{
    const OfferedEntryTable table = {Entry("Ann", "1"), Entry("", "2"), Entry("Cid", "3")};
    CsvSelection selection(table, 0);
    selection.AddEntries({2});
    selection.AddEntries({0, 1});
    ImportResult result;
    selection.StoreChoice(result);
    EXPECT_EQ(static_cast<int>(result.EntryCount()), 3);
    ASSERT_EQ(result.recipients.Count(), 3u);
    EXPECT_EQ(EntryText(result.recipients.At(0)), "Cid [3]");
    EXPECT_EQ(EntryText(result.recipients.At(1)), "Ann [1]");
    EXPECT_EQ(EntryText(result.recipients.At(2)), " [2]");
}

TEST(CsvSelection, DeletingAnEntryFreesItsNameAndNumber)
{
    // Two rows with the same name and number: only one can be chosen, and
    // once it is deleted the other can.
    const OfferedEntryTable table = {Entry("Ann", "1"), Entry("Ann", "1"), Entry("Bea", "2")};
    CsvSelection selection(table, 0);
    selection.AddEntries({0, 2});
    selection.AddEntries({1});
    EXPECT_EQ(selection.Chosen(), (std::vector<int>{0, 2}));
    selection.RemovePositions({0});
    selection.AddEntries({1});
    EXPECT_EQ(selection.Chosen(), (std::vector<int>{2, 1}));
    selection.AddEntries({0});
    EXPECT_EQ(selection.Chosen(), (std::vector<int>{2, 1})) << "entry 1 now holds the name and number";
}

// The rules as the dialog states them, checked against the chosen list
// itself on every step: no set, nothing kept beside the list.
std::vector<int> AddByScanning(const OfferedEntryTable& table, std::vector<int> chosen, const std::vector<int>& adds,
                               int cap)
{
    for (int index : adds) {
        if (cap > 0 && chosen.size() == static_cast<std::size_t>(cap))
            break;
        const OfferedEntry& entry = table[static_cast<std::size_t>(index)];
        if (entry.faxNumber[0] == '\0')
            continue;
        bool same = false;
        for (int other : chosen) {
            const OfferedEntry& chosenEntry = table[static_cast<std::size_t>(other)];
            same = same || (std::strcmp(chosenEntry.faxNumber, entry.faxNumber) == 0 &&
                            std::strcmp(chosenEntry.name, entry.name) == 0);
        }
        if (!same)
            chosen.push_back(index);
    }
    return chosen;
}

TEST(CsvSelection, StaysInStepWithTheListThroughAddsAndDeletes)
{
    // Few names and numbers, so that many rows are equal.
    std::mt19937 random(3);
    OfferedEntryTable table;
    for (int i = 0; i < 120; ++i) {
        const std::string name = std::string(1, static_cast<char>('A' + random() % 4));
        const std::string fax = random() % 10 == 0 ? "" : std::to_string(random() % 5);
        table.push_back(Entry(name.c_str(), fax.c_str()));
    }
    for (int cap : {0, 7}) {
        CsvSelection selection(table, cap);
        std::vector<int> expected;
        for (int step = 0; step < 300; ++step) {
            if (random() % 3 == 0 && !expected.empty()) {
                std::vector<int> positions;
                for (std::size_t p = 0; p < expected.size(); ++p) {
                    if (random() % 2)
                        positions.push_back(static_cast<int>(p));
                }
                selection.RemovePositions(positions);
                for (auto p = positions.rbegin(); p != positions.rend(); ++p)
                    expected.erase(expected.begin() + *p);
            } else {
                std::vector<int> adds;
                for (int k = static_cast<int>(random() % 20); k > 0; --k)
                    adds.push_back(static_cast<int>(random() % table.size()));
                std::sort(adds.begin(), adds.end());
                selection.AddEntries(adds);
                expected = AddByScanning(table, expected, adds, cap);
            }
            ASSERT_EQ(selection.Chosen(), expected) << "cap " << cap << ", step " << step;
        }
    }
}

} // namespace
