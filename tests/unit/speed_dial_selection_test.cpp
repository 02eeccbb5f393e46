#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>

#include "entry_texts.h"
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

using Records = std::vector<std::size_t>;

class SpeedDialSelectionTest : public ::testing::Test {
protected:
    void Add(const char* key, const char* name, const char* fax)
    {
        table.push_back({Record(name, fax), key, "", "", "", ""});
    }

    // The chosen records' indexes in list order, as OK stores them, found by
    // their speed-dial numbers (which these tests keep apart).
    Records ChosenRecords(const SpeedDialSelection& selection) const
    {
        ImportResult result;
        selection.StoreChoice(result);
        Records indexes;
        for (const Recipient& recipient : result.recipients) {
            for (std::size_t i = 0; i < table.size(); ++i) {
                if (recipient.speedDial && table[i].key == recipient.speedDial->key)
                    indexes.push_back(i);
            }
        }
        return indexes;
    }

    SpeedDialTable table;
    ListView view;
};

TEST_F(SpeedDialSelectionTest, ItemTextsAndPassOverOfChosenRecords)
{
    Add("001", "Ann", "111");
    Add("002", "Bea", "222");
    SpeedDialSelection selection(table, 0);
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
    SpeedDialSelection selection(table, 0);
    selection.AddRecords({0, 1}, view);

    view.answer = false;
    selection.AddRecords({2}, view);
    EXPECT_EQ(view.asked, (std::vector<std::string>{"Ann"}));
    EXPECT_EQ(ChosenRecords(selection), (Records{0, 1}));

    view.answer = true;
    selection.AddRecords({2, 3}, view);
    EXPECT_EQ(ChosenRecords(selection), (Records{1, 2, 3})) << "the replacement moves to the end";
    EXPECT_EQ(view.items, (std::vector<std::string>{"002\tBea [222]", "003\tAnn [111]", "004\tCid [111]"}));
    EXPECT_EQ(view.asked.size(), 2u) << "same number, other name: no question";

    // The replaced record may come back, and now record 2 is the one asked about.
    selection.AddRecords({0}, view);
    EXPECT_EQ(view.asked.back(), "Ann");
    EXPECT_EQ(ChosenRecords(selection), (Records{1, 3, 0}));
}

TEST_F(SpeedDialSelectionTest, CapAndDelete)
{
    for (int i = 0; i < 60; ++i)
        Add(std::to_string(i).c_str(), "P", std::to_string(100 + i).c_str());
    SpeedDialSelection selection(table, 50);
    std::vector<int> all;
    for (int i = 0; i < 60; ++i)
        all.push_back(i);
    EXPECT_EQ(selection.AddRecords(all, view), SpeedDialSelection::AddOutcome::kLimitReached);
    EXPECT_EQ(ChosenRecords(selection).size(), 50u);
    EXPECT_EQ(selection.AddRecords({55}, view), SpeedDialSelection::AddOutcome::kLimitReached);

    selection.RemovePositions({0, 1, 2});
    EXPECT_EQ(ChosenRecords(selection).size(), 47u);
    EXPECT_EQ(selection.AddRecords({0, 55}, view), SpeedDialSelection::AddOutcome::kDone);
    EXPECT_EQ(ChosenRecords(selection).back(), 55u);
}

TEST_F(SpeedDialSelectionTest, StoresRecipientsWithTheirEntries)
{
    for (int i = 0; i < 6; ++i)
        Add(("00" + std::to_string(i)).c_str(), ("N" + std::to_string(i)).c_str(), std::to_string(i).c_str());
    SpeedDialSelection selection(table, 0);
    selection.AddRecords({5, 2}, view);
    ImportResult result;
    selection.StoreChoice(result);
    EXPECT_EQ(static_cast<int>(result.EntryCount()), 2);
    EXPECT_EQ(EntryText(result.recipients.At(0)), "N5 [5]");
    EXPECT_EQ(EntryText(result.recipients.At(1)), "N2 [2]");
    ASSERT_TRUE(result.recipients.At(0).speedDial && result.recipients.At(1).speedDial);
    EXPECT_EQ(result.recipients.At(0).speedDial->key, "005");
    EXPECT_EQ(result.recipients.At(1).speedDial->key, "002");
}

TEST_F(SpeedDialSelectionTest, StoredEntriesOutliveTheTable)
{
    // The reader frees its table once the dialog is closed.
    ImportResult result;
    Add("077", "Ann", "1");
    table[0].relayFax = "R1";
    {
        SpeedDialSelection selection(table, 0);
        selection.AddRecords({0}, view);
        EXPECT_EQ(view.items[0], "077\tAnn [1]");
        selection.StoreChoice(result);
    }
    table.clear();
    EXPECT_EQ(EntryText(result.recipients.At(0)), "Ann [1]");
    EXPECT_EQ(result.recipients.At(0).speedDial->key, "077");
    EXPECT_EQ(result.recipients.At(0).speedDial->relayFax, "R1");
}

} // namespace

namespace {

TEST_F(SpeedDialSelectionTest, LongNumbersDoNotSpoilTheEntryText)
{
    Add(std::string(300, '7').c_str(), "Ann", "1");
    SpeedDialSelection selection(table, 0);
    selection.AddRecords({0}, view);
    EXPECT_EQ(view.items[0].size(), 255u) << "list texts are cut to 255 characters";
    ImportResult result;
    selection.StoreChoice(result);
    EXPECT_EQ(EntryText(result.recipients.At(0)), "Ann [1]");
}

TEST_F(SpeedDialSelectionTest, DeletingForgetsTheRecordAndItsNameAndNumber)
{
    Add("001", "Ann", "111");
    Add("002", "Ann", "111");
    Add("003", "Bea", "222");
    SpeedDialSelection selection(table, 0);
    selection.AddRecords({0, 2}, view);
    selection.RemovePositions({0});
    view.items.erase(view.items.begin());
    // Record 1 has the same name and number as the deleted record 0: no question now.
    selection.AddRecords({1, 2}, view);
    EXPECT_TRUE(view.asked.empty());
    EXPECT_EQ(ChosenRecords(selection), (Records{2, 1}));

    // A replacement, then its deletion: the first record comes back without a question.
    view.answer = true;
    selection.AddRecords({0}, view);
    EXPECT_EQ(view.asked.size(), 1u);
    EXPECT_EQ(ChosenRecords(selection), (Records{2, 0}));
    selection.RemovePositions({1});
    selection.AddRecords({1}, view);
    EXPECT_EQ(view.asked.size(), 1u);
    EXPECT_EQ(ChosenRecords(selection), (Records{2, 1}));
}

// The rules as the dialog states them, checked against the chosen list
// itself on every step: no set, nothing kept beside the list.
struct ScanningModel {
    const SpeedDialTable& table;
    int cap;
    std::vector<int> chosen;

    void Add(const std::vector<int>& records, const std::vector<bool>& answers, std::size_t& asked)
    {
        for (int record : records) {
            if (cap > 0 && chosen.size() == static_cast<std::size_t>(cap))
                return;
            std::size_t j = 0;
            while (j < chosen.size() && chosen[j] != record && !SameNameAndNumber(chosen[j], record))
                ++j;
            if (j < chosen.size()) {
                if (chosen[j] == record || !answers[asked++ % answers.size()])
                    continue;
                chosen.erase(chosen.begin() + static_cast<long>(j));
            }
            chosen.push_back(record);
        }
    }

    bool SameNameAndNumber(int a, int b) const
    {
        const SpeedDialRecord& first = table[static_cast<std::size_t>(a)].record;
        const SpeedDialRecord& second = table[static_cast<std::size_t>(b)].record;
        return std::strcmp(first.faxNumber, second.faxNumber) == 0 && std::strcmp(first.name, second.name) == 0;
    }
};

// Answers the questions from a fixed list, in turn.
class ScriptedView : public SpeedDialSelection::View {
public:
    explicit ScriptedView(const std::vector<bool>& answers) : answers_(answers) {}
    std::size_t asked = 0;
    std::vector<int> lines; // record indexes, as the list would hold them

    void Appended(const std::string&, int record) override { lines.push_back(record); }
    void Removed(int position) override { lines.erase(lines.begin() + position); }
    bool AskReplace(const SpeedDialRecord&) override { return answers_[asked++ % answers_.size()]; }

private:
    const std::vector<bool>& answers_;
};

TEST_F(SpeedDialSelectionTest, StaysInStepWithTheListThroughAddsReplacesAndDeletes)
{
    // Few names and numbers, so that many records are alike.
    std::mt19937 random(5);
    for (int i = 0; i < 120; ++i) {
        const std::string name(1, static_cast<char>('A' + random() % 4));
        Add(std::to_string(i).c_str(), name.c_str(), std::to_string(random() % 5).c_str());
    }
    std::vector<bool> answers;
    for (int i = 0; i < 97; ++i)
        answers.push_back(random() % 2 == 0);

    for (int cap : {0, 7}) {
        SpeedDialSelection selection(table, cap);
        ScriptedView listView(answers);
        ScanningModel expected{table, cap, {}};
        std::size_t expectedAsked = 0;
        for (int step = 0; step < 300; ++step) {
            if (random() % 3 == 0 && !expected.chosen.empty()) {
                std::vector<int> positions;
                for (std::size_t p = 0; p < expected.chosen.size(); ++p) {
                    if (random() % 2)
                        positions.push_back(static_cast<int>(p));
                }
                selection.RemovePositions(positions);
                for (auto p = positions.rbegin(); p != positions.rend(); ++p) {
                    expected.chosen.erase(expected.chosen.begin() + *p);
                    listView.lines.erase(listView.lines.begin() + *p);
                }
            } else {
                std::vector<int> records;
                for (int k = static_cast<int>(random() % 20); k > 0; --k)
                    records.push_back(static_cast<int>(random() % table.size()));
                selection.AddRecords(records, listView);
                expected.Add(records, answers, expectedAsked);
            }
            ASSERT_EQ(ChosenRecords(selection), Records(expected.chosen.begin(), expected.chosen.end()))
                << "cap " << cap << ", step " << step;
            ASSERT_EQ(listView.lines, expected.chosen) << "the list no longer matches, step " << step;
            ASSERT_EQ(listView.asked, expectedAsked) << "questions, step " << step;
        }
    }
}

} // namespace
