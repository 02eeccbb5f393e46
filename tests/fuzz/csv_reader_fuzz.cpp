// The CSV reader in both modes on arbitrary files, with the dialogs answered
// from the input: the mapping picks columns, the selection takes entries, and
// the code page is single- or double-byte.
#include "core/file_system.h"
#include "csv/csv_reader.h"
#include "csv/csv_selection.h"
#include "fuzz_input.h"
#include "support/windows_1252.h"

namespace {

class ScriptedDialogs : public CsvDialogs {
public:
    explicit ScriptedDialogs(std::uint8_t choice) : choice_(choice) {}

    bool MapFields(const std::string&, const std::vector<const char*>& fields, int& nameIndex, int& faxIndex) override
    {
        if (fields.empty())
            return false;
        faxIndex = choice_ % fields.size();
        nameIndex = (choice_ & 0x80) ? -1 : static_cast<int>((choice_ / 3) % fields.size());
        return true;
    }

    bool SelectRecipients(const std::string&, const OfferedEntryTable& entries, ImportResult& result) override
    {
        if (!result.recipients.Empty())
            __builtin_trap();
        CsvSelection selection(entries, (choice_ & 1) ? 50 : 0);
        std::vector<int> all;
        for (std::size_t i = 0; i < entries.size(); i += 1 + choice_ % 3)
            all.push_back(static_cast<int>(i));
        selection.AddEntries(all);
        selection.RemovePositions({0, 2});
        selection.AddEntries(all);
        selection.StoreChoice(result);
        return true;
    }

private:
    std::uint8_t choice_;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::uint8_t choice = data[0];
    // Bit 6 of the first byte: a code page with the lead bytes of code page 932.
    Windows1252 codePage;
    if ((choice & 0x40) != 0) {
        codePage.leadBytes.AddRange(0x81, 0x9F);
        codePage.leadBytes.AddRange(0xE0, 0xFC);
    }
    for (DataSourceKind kind : {DataSourceKind::kCsvManual, DataSourceKind::kCsvAuto}) {
        std::vector<char> text = FileOf(data + 1, size - 1);
        ScriptedDialogs dialogs(choice);
        ImportResult result;
        const ReadOutcome read = ReadCsvText(text, dialogs, codePage, "fuzz.csv", result, kind);
        // The text is loaded and small: no status but these.
        if (read.status != ReadStatus::kOk && read.status != ReadStatus::kNothing &&
            read.status != ReadStatus::kNoFaxColumn && read.status != ReadStatus::kUnclosedQuote &&
            read.status != ReadStatus::kTooManyEntries)
            __builtin_trap();
        if (read.count < 0 || read.rejected < 0)
            __builtin_trap();
        if (read.Ok() && read.count > 0 && static_cast<std::size_t>(read.count) != result.EntryCount())
            __builtin_trap();
        for (const Recipient& recipient : result.recipients) {
            if (recipient.name.size() > kMaxTextBytes || recipient.faxNumber.size() > kMaxTextBytes)
                __builtin_trap();
        }
    }
    return 0;
}
