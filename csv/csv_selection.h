// The choice behind the CSV selection dialog: which entries are in the
// selected list, in order, with the cap and duplicate rules of "To ->".
// A set of (fax, name) keys kept in step with the list makes every add and
// delete independent of the list's length.
#pragma once

#include <cstddef>
#include <string>
#include <unordered_set>
#include <vector>

#include "csv/csv_reader.h"

class CsvSelection {
public:
    CsvSelection(const OfferedEntryTable& entries, int entryCap)
        : entries_(entries), entryCap_(entryCap), chosenKeys_(0, KeyHash{&entries}, KeyEqual{&entries})
    {
    }

    enum class AddOutcome { kDone, kLimitReached };
    // Handles "To ->" for entry indexes in ascending order: entries without a
    // fax number and entries equal to a chosen one are passed over; the cap
    // stops the adding. New entries are appended to Chosen().
    AddOutcome AddEntries(const std::vector<int>& entryIndexes);
    // Removes the chosen entries at these positions of the list.
    void RemovePositions(const std::vector<int>& positions);

    bool IsFull() const;
    const std::vector<int>& Chosen() const { return chosen_; }
    // The entry's list text written over text, which keeps its room for the
    // next one.
    void WriteEntryText(int entryIndex, std::string& text) const;
    // OK: the chosen entries become the recipients, in list order.
    void StoreChoice(ImportResult& result) const;

private:
    // Entry indexes stand for their (fax, name) key: two entries with the
    // same fax number and name are the same key. Nothing is copied.
    struct KeyHash {
        const OfferedEntryTable* entries;
        std::size_t operator()(int entryIndex) const;
    };
    struct KeyEqual {
        const OfferedEntryTable* entries;
        bool operator()(int a, int b) const;
    };

    const OfferedEntryTable& entries_;
    const int entryCap_;
    std::vector<int> chosen_;
    std::unordered_set<int, KeyHash, KeyEqual> chosenKeys_; // one entry per chosen key
};
