#include "fakes.h"

#include "csv/csv_selection.h"
#include "speeddial/speed_dial_selection.h"

bool FakeCsvDialogs::MapFields(const std::string&, const std::vector<const char*>& headerFields, int& nameIndex,
                               int& faxIndex)
{
    ++mapCalls;
    seenHeader.assign(headerFields.begin(), headerFields.end());
    nameIndex = mapName;
    faxIndex = mapFax;
    return mapOk;
}

bool FakeCsvDialogs::SelectRecipients(const std::string&, const OfferedEntryTable& entries, ImportResult& result)
{
    ++selectCalls;
    seenEntries = entries;
    seenCount = static_cast<int>(entries.size());
    result.recipients.RemoveAll();
    if (!selectOk)
        return false;
    // The real dialog's rules, so the session sees what a user's choice gives.
    CsvSelection selection(entries, result.entryCap);
    selection.AddEntries(choose(entries));
    selection.StoreChoice(result);
    return true;
}

namespace {
// A view that keeps every record the selection offers.
class AcceptingView : public SpeedDialSelection::View {
public:
    void Appended(const std::string&, int) override {}
    void Removed(int) override {}
    bool AskReplace(const SpeedDialRecord&) override { return true; }
};
} // namespace

bool FakeSpeedDialDialogs::SelectSpeedDials(const std::string&, const SpeedDialTable& table, ImportResult& result)
{
    // The real dialog's rules: every record offered once, in table order.
    SpeedDialSelection selection(table, result.entryCap);
    std::vector<int> all(table.size());
    for (std::size_t i = 0; i < all.size(); ++i)
        all[i] = static_cast<int>(i);
    AcceptingView view;
    selection.AddRecords(all, view);
    result.recipients.RemoveAll();
    if (!selectOk)
        return false;
    selection.StoreChoice(result);
    return true;
}
