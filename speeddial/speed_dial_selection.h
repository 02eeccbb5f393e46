// The choice behind the speed-dial selection dialog: the chosen records in
// list order, with the cap, the pass-over of a record already chosen and the
// question before a second record with the same name and number replaces the
// first. Sets kept in step with the list keep every step independent of its
// length.
#pragma once

#include <cstddef>
#include <string>
#include <unordered_set>
#include <vector>

#include "core/import_result.h"
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

    SpeedDialSelection(const SpeedDialTable& table, int entryCap)
        : table_(table), entryCap_(entryCap), chosenKeys_(0, KeyHash{&keyHashes_}, KeyEqual{&table})
    {
    }
    SpeedDialSelection(const SpeedDialSelection&) = delete;
    SpeedDialSelection& operator=(const SpeedDialSelection&) = delete;

    enum class AddOutcome { kDone, kLimitReached };
    // Handles "To ->" for record indexes in the order of the available list.
    AddOutcome AddRecords(const std::vector<int>& recordIndexes, View& view);
    // Removes the chosen records at these positions of the list.
    void RemovePositions(const std::vector<int>& positions);

    bool IsFull() const;
    // OK: the chosen records become the recipients, in list order, each
    // with a copy of its table entry.
    void StoreChoice(ImportResult& result) const;

private:
    // Record indexes stand for their (fax, name) key: two records with the
    // same fax number and name are the same key. Nothing is copied.
    struct KeyHash {
        const std::vector<std::size_t>* hashes;
        std::size_t operator()(int recordIndex) const { return (*hashes)[static_cast<std::size_t>(recordIndex)]; }
    };
    struct KeyEqual {
        const SpeedDialTable* table;
        bool operator()(int a, int b) const;
    };

    // Every record's key hash, worked out once in table order: the set then
    // reads a record only to compare two whose hashes are equal.
    void HashKeys();
    // The list line "number<TAB>name [fax]", at most 255 characters, written
    // over text, which keeps its room for the next one.
    void WriteItemText(int recordIndex, std::string& text) const;
    bool IsChosen(int recordIndex) const;
    void MarkChosen(int recordIndex, bool chosen);
    int PositionOf(int recordIndex) const;
    void RemoveAt(int position);

    const SpeedDialTable& table_;
    const int entryCap_;
    std::vector<int> chosen_;
    std::vector<bool> isChosen_;                            // by record index
    std::vector<std::size_t> keyHashes_;                    // by record index
    std::string itemText_;                                  // the line being appended
    std::unordered_set<int, KeyHash, KeyEqual> chosenKeys_; // the chosen record of each key
};
