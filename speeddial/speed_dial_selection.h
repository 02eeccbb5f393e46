// The choice behind the speed-dial selection dialog: the chosen records in
// list order, with the cap, the pass-over of a record already chosen and the
// question before a second record with the same name and number replaces the
// first. Sets kept in step with the list keep every step independent of its
// length.
#pragma once

#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "app/import_result.h"
#include "speeddial/speed_dial_record.h"

class SpeedDialSelection {
public:
    // What the dialog does while "To ->" runs: mirror the list and ask.
    class View {
    public:
        virtual ~View() = default;
        virtual void Appended(const std::string& itemText, int recordIndex) = 0;
        virtual void Removed(int position) = 0;
        // Yes replaces the chosen record that has the same name and number.
        virtual bool AskReplace(const SpeedDialRecord& chosen) = 0;
    };

    // keys: each record's speed-dial number, index for index.
    SpeedDialSelection(const SpeedDialTable& table, const StringList& keys, int entryCap)
        : table_(table), keys_(keys), entryCap_(entryCap) {}

    enum class AddOutcome { kDone, kLimitReached };
    // Handles "To ->" for record indexes in the order of the available list.
    AddOutcome AddRecords(const std::vector<int>& recordIndexes, View& view);
    // Removes the chosen records at these positions of the list.
    void RemovePositions(const std::vector<int>& positions);

    bool IsFull() const;
    const std::vector<int>& Chosen() const { return chosen_; }
    // "number<TAB>name [fax]", at most 255 characters.
    std::string ItemText(int recordIndex) const;
    // OK: entry texts into recipients, record indexes into speedDialKeys.
    void StoreChoice(ImportResult& result) const;

private:
    std::string KeyOf(int recordIndex) const;
    std::string EntryTextOf(int recordIndex) const;
    int PositionOf(int recordIndex) const;
    void RemoveAt(int position);

    const SpeedDialTable& table_;
    const StringList& keys_;
    const int entryCap_;
    std::vector<int> chosen_;
    std::unordered_set<int> chosenRecords_;
    std::unordered_map<std::string, int> recordByKey_; // (fax, name) -> chosen record
};
