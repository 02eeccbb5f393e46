// The choice behind the CSV selection dialog: which entries are in the
// selected list, in order, with the cap and duplicate rules of "To ->".
// A set of (fax, name) keys kept in step with the list makes every add and
// delete independent of the list's length.
#pragma once

#include <string>
#include <unordered_set>
#include <vector>

#include "csv/csv_reader.h"

class CsvSelection {
public:
    CsvSelection(const CsvEntryTable& entries, int entryCap) : entries_(entries), entryCap_(entryCap) {}

    enum class AddOutcome { kDone, kLimitReached };
    // Handles "To ->" for entry indexes in ascending order: entries without a
    // fax number and entries equal to a chosen one are passed over; the cap
    // stops the adding. New entries are appended to Chosen().
    AddOutcome AddEntries(const std::vector<int>& entryIndexes);
    // Removes the chosen entries at these positions of the list.
    void RemovePositions(const std::vector<int>& positions);

    bool IsFull() const;
    const std::vector<int>& Chosen() const { return chosen_; }
    std::string EntryText(int entryIndex) const;
    // OK: the chosen entry texts become the recipients.
    void StoreChoice(ImportResult& result) const;

private:
    std::string KeyOf(int entryIndex) const;

    const CsvEntryTable& entries_;
    const int entryCap_;
    std::vector<int> chosen_;
    std::unordered_set<std::string> chosenKeys_;
};
