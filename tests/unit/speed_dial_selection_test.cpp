#include <gtest/gtest.h>

#include <cstring>

#include "speeddial/speed_dial_selection.h"

namespace {

SpeedDialRecord Record(const char* name, const char* fax)
{
    SpeedDialRecord record = InitialSpeedDialRecord();
    std::strcpy(record.name, name);
    std::strcpy(record.faxNumber, fax);
    return record;
}

// Mirrors the list like the dialog does and answers the question as told.
class ListView : public SpeedDialSelection::View {
public:
    std::vector<std::string> items;
    std::vector<std::string> asked;
    bool answer = true;

    void Appended(const std::string& text, int) override { items.push_back(text); }
    void Removed(int position) override { items.erase(items.begin() + position); }
    bool AskReplace(const SpeedDialRecord& chosen) override
    {
        asked.push_back(chosen.name);
        return answer;
    }
};

class SpeedDialSelectionTest : public ::testing::Test {
protected:
    void Add(const char* key, const char* name, const char* fax)
    {
        table.push_back(Record(name, fax));
        keys.Append(key);
    }

    SpeedDialTable table;
    StringList keys;
    ListView view;
};

TEST_F(SpeedDialSelectionTest, ItemTextsAndPassOverOfChosenRecords)
{
    Add("001", "Ann", "111");
    Add("002", "Bea", "222");
    SpeedDialSelection selection(table, keys, 0);
    selection.AddRecords({1, 0}, view);
    selection.AddRecords({1, 0}, view);
    EXPECT_EQ(view.items, (std::vector<std::string>{"002\tBea [222]", "001\tAnn [111]"}));
    EXPECT_TRUE(view.asked.empty());
}

TEST_F(SpeedDialSelectionTest, SameNameAndNumberAsksBeforeReplacing)
{
    Add("001", "Ann", "111");
    Add("002", "Bea", "222");
    Add("003", "Ann", "111");
    Add("004", "Cid", "111");
    SpeedDialSelection selection(table, keys, 0);
    selection.AddRecords({0, 1}, view);

    view.answer = false;
    selection.AddRecords({2}, view);
    EXPECT_EQ(view.asked, (std::vector<std::string>{"Ann"}));
    EXPECT_EQ(selection.Chosen(), (std::vector<int>{0, 1}));

    view.answer = true;
    selection.AddRecords({2, 3}, view);
    EXPECT_EQ(selection.Chosen(), (std::vector<int>{1, 2, 3})) << "the replacement moves to the end";
    EXPECT_EQ(view.items,
              (std::vector<std::string>{"002\tBea [222]", "003\tAnn [111]", "004\tCid [111]"}));
    EXPECT_EQ(view.asked.size(), 2u) << "same number, other name: no question";

    // The replaced record may come back, and now record 2 is the one asked about.
    selection.AddRecords({0}, view);
    EXPECT_EQ(view.asked.back(), "Ann");
    EXPECT_EQ(selection.Chosen(), (std::vector<int>{1, 3, 0}));
}

TEST_F(SpeedDialSelectionTest, CapAndDelete)
{
    for (int i = 0; i < 60; ++i)
        Add(std::to_string(i).c_str(), "P", std::to_string(100 + i).c_str());
    SpeedDialSelection selection(table, keys, 50);
    std::vector<int> all;
    for (int i = 0; i < 60; ++i)
        all.push_back(i);
    EXPECT_EQ(selection.AddRecords(all, view), SpeedDialSelection::AddOutcome::kLimitReached);
    EXPECT_EQ(selection.Chosen().size(), 50u);
    EXPECT_EQ(selection.AddRecords({55}, view), SpeedDialSelection::AddOutcome::kLimitReached);

    selection.RemovePositions({0, 1, 2});
    EXPECT_EQ(selection.Chosen().size(), 47u);
    EXPECT_EQ(selection.AddRecords({0, 55}, view), SpeedDialSelection::AddOutcome::kDone);
    EXPECT_EQ(selection.Chosen().back(), 55);
}

TEST_F(SpeedDialSelectionTest, StoresEntryTextsAndRecordIndexes)
{
    for (int i = 0; i < 6; ++i)
        Add(("00" + std::to_string(i)).c_str(), ("N" + std::to_string(i)).c_str(), std::to_string(i).c_str());
    SpeedDialSelection selection(table, keys, 0);
    selection.AddRecords({5, 2}, view);
    ImportResult result;
    result.speedDialKeys = keys;
    selection.StoreChoice(result);
    EXPECT_EQ(result.entryCount, 2);
    EXPECT_EQ(result.speedDialKeys.At(0), "5");
    EXPECT_EQ(result.speedDialKeys.At(1), "2");
    EXPECT_EQ(result.recipients.At(0), "N5 [5]");
    EXPECT_EQ(result.recipients.At(1), "N2 [2]");
}

TEST_F(SpeedDialSelectionTest, StoringWorksWhenTheKeysAreTheResultsOwn)
{
    // The dialog reads the numbers from the same list OK replaces.
    ImportResult result;
    table.push_back(Record("Ann", "1"));
    result.speedDialKeys.Append("077");
    SpeedDialSelection selection(table, result.speedDialKeys, 0);
    selection.AddRecords({0}, view);
    EXPECT_EQ(view.items[0], "077\tAnn [1]");
    selection.StoreChoice(result);
    EXPECT_EQ(result.recipients.At(0), "Ann [1]");
    EXPECT_EQ(result.speedDialKeys.At(0), "0");
}

} // namespace

namespace {

TEST_F(SpeedDialSelectionTest, LongNumbersDoNotSpoilTheEntryText)
{
    Add(std::string(300, '7').c_str(), "Ann", "1");
    SpeedDialSelection selection(table, keys, 0);
    selection.AddRecords({0}, view);
    EXPECT_EQ(view.items[0].size(), 255u) << "list texts are cut to 255 characters";
    ImportResult result;
    selection.StoreChoice(result);
    EXPECT_EQ(result.recipients.At(0), "Ann [1]");
}

} // namespace
