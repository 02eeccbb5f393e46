#include "fakes.h"

#include "csv/csv_selection.h"

bool FakeCsvDialogs::MapFields(const std::string&, const std::vector<const char*>& headerFields,
                               int& nameIndex, int& faxIndex)
{
    ++mapCalls;
    seenHeader.assign(headerFields.begin(), headerFields.end());
    nameIndex = mapName;
    faxIndex = mapFax;
    return mapOk;
}

bool FakeCsvDialogs::SelectRecipients(const std::string&, const CsvEntryTable& entries, ImportResult& result)
{
    ++selectCalls;
    seenEntries = entries;
    seenCount = result.entryCount;
    result.entryCount = 0;
    if (!selectOk)
        return false;
    // The real dialog's rules, so the session sees what a user's choice gives.
    CsvSelection selection(entries, result.entryCap);
    selection.AddEntries(choose(entries));
    selection.StoreChoice(result);
    return true;
}
