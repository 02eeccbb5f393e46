// Walks the picked address entries, expanding distribution lists depth first,
// and turns every usable fax number of every person into an entry.
#pragma once

#include <functional>
#include <vector>

#include "addrbook/address_book.h"
#include "core/ansi_code_page.h"
#include "core/import_result.h"
#include "core/session_counters.h"

// Distribution lists expanded in one extraction at the most.
constexpr int kMaxExpandedLists = 256;

class FaxExtraction {
public:
    // Names and numbers are read in codePage, which outlives the extraction.
    FaxExtraction(AddressBook& book, ImportResult& result, SessionCounters& counters, const AnsiCodePage& codePage)
        : book_(book), result_(result), counters_(counters), codePage_(codePage)
    {
    }

    // Asked before each entry and list member; once it answers true the walk
    // ends, keeping what it collected, and counters.walkStopped is set.
    void StopWhen(std::function<bool()> stopRequested) { stopRequested_ = std::move(stopRequested); }

    // The whole walk over the picked entries.
    void ExtractFaxEntries(const std::vector<AddressEntryRef>& picked);

    // One list's members; true when walked to the end.
    bool ExpandDistList(const EntryId& id);
    // Adds the person's usable numbers and counts the person.
    void EvaluateFaxProperties(const PersonFaxProperties& values);

private:
    void TreatEntry(const AddressEntryRef& entry);
    bool IsNewList(const EntryId& id);
    bool Stopping();
    void CountRejected();

    AddressBook& book_;
    ImportResult& result_;
    SessionCounters& counters_;
    const AnsiCodePage& codePage_;
    std::vector<EntryId> expandedLists_;
    std::function<bool()> stopRequested_;
};
