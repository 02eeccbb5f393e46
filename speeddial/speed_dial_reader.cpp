#include "speeddial/speed_dial_reader.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>
#include <vector>

#include "core/ansi_code_page.h"
#include "core/file_system.h"
#include "core/line_walker.h"
#include "speeddial/speed_dial_codecs.h"

namespace {

constexpr int kKeyColumn = 0;
constexpr int kTypeColumn = 1;
constexpr int kFaxColumn = 2;
constexpr int kNameColumn = 3;
constexpr int kCommModeColumn = 6;
constexpr int kSecureFaxColumn = 11;
constexpr int kRelayFaxColumn = 12;
constexpr int kFCodeColumn = 14;
constexpr int kLastUsedColumn = 16;

// The header of an export: "*", "1", "0" and a number from 0 to 2.
bool IsSpeedDialHeader(CsvFieldTable& columns, int count)
{
    if (count < 4 || std::strcmp(columns[0], "*") != 0)
        return false;
    for (int i = 1; i <= 3; ++i)
        TrimSpaces(columns[i]);
    if (std::strcmp(columns[1], "1") != 0 || std::strcmp(columns[2], "0") != 0)
        return false;
    const std::int32_t version = ParseDigits(columns[3]);
    return version >= 0 && version <= 2;
}

} // namespace

bool ParseSpeedDialLine(const CsvFieldTable& columns, int columnCount, SpeedDialEntry& entry,
                        const AnsiCodePage& codePage)
{
    if (columnCount <= kTypeColumn)
        return false;
    if (std::strcmp(columns[kTypeColumn], "X") != 0 && std::strcmp(columns[kTypeColumn], "P") != 0)
        return false;
    TrimSpaces(columns[kKeyColumn]);
    if (columns[kKeyColumn][0] == '\0')
        return false;
    if (columnCount <= kFaxColumn || CleanFaxNumber(columns[kFaxColumn], codePage) == 0)
        return false;

    SpeedDialRecord& record = entry.record;
    for (int column = 0; column < columnCount && column <= kLastUsedColumn; ++column) {
        char* text = columns[column];
        switch (column) {
        case kKeyColumn:
            entry.key = text;
            break;
        case kFaxColumn:
            CopyTextField(record.faxNumber, text, codePage.LeadBytes());
            break;
        case kNameColumn:
            ReplaceBrackets(text, codePage.LeadBytes());
            CopyTextField(record.name, text, codePage.LeadBytes());
            break;
        case kCommModeColumn:
            TrimSpaces(text);
            entry.commMode = text;
            record.commMode = CommModeFromText(text);
            break;
        case kSecureFaxColumn:
            entry.secureFax = text;
            break;
        case kRelayFaxColumn:
            entry.relayFax = text;
            break;
        case kFCodeColumn:
            entry.fCode = text;
            break;
        default:
            break;
        }
    }
    return true;
}

namespace {

// The first line that is not empty among those an LF ends, cut in place; or
// nullptr. The tail after the last LF is never read.
char* FindHeaderLine(char* text, LineWalker& lines)
{
    while (!lines.AtEnd()) {
        const TextLine line = lines.Next();
        if (line.endSize == 0)
            break;
        char* const cut = CutLine(text, line);
        if (cut[0] != '\0')
            return cut;
    }
    return nullptr;
}

ReadOutcome ReadSpeedDials(FileSystem& files, SpeedDialDialogs& dialogs, const std::string& path, ImportResult& result,
                           const AnsiCodePage& codePage)
{
    ReadOutcome outcome;
    SpeedDialTable records;
    {
        std::vector<char> text;
        const ReadStatus loaded = files.ReadWholeFile(path, text);
        if (loaded != ReadStatus::kOk)
            return {loaded};
        LineWalker lines(text.data(), text.data() + (text.size() - 1));
        CsvFieldTable columns;
        columns[0] = FindHeaderLine(text.data(), lines);
        if (columns[0] == nullptr)
            return {ReadStatus::kNotSpeedDial};
        const CsvSplit header = SplitCsvLine(columns);
        if (!IsSpeedDialHeader(columns, header.fieldCount))
            return {ReadStatus::kNotSpeedDial};

        // A slot for every line after the header, but never more than one
        // import can take: a larger file is refused below, not allocated.
        const std::size_t slots =
            std::min<std::size_t>(lines.CountLineEnds() + 1, static_cast<std::size_t>(kMaxEntryCount) + 1);
        records.resize(slots);
        std::size_t accepted = 0;
        // Only lines ended by an LF count.
        for (TextLine line = lines.Next(); line.endSize > 0; line = lines.Next()) {
            columns[0] = CutLine(text.data(), line);
            const CsvSplit split = SplitCsvLine(columns);
            if (split.fieldCount == 0)
                continue;
            if (split.fieldCount == 1 && !split.unclosedQuote && std::strcmp(columns[0], "*") == 0)
                break;
            SpeedDialEntry& slot = records[accepted];
            slot = SpeedDialEntry{InitialSpeedDialRecord(), {}, {}, {}, {}, {}};
            if (ParseSpeedDialLine(columns, split.fieldCount, slot, codePage)) {
                if (++accepted > static_cast<std::size_t>(kMaxEntryCount))
                    return {ReadStatus::kTooManyEntries};
            } else {
                ++outcome.rejected;
            }
        }
        records.resize(accepted);
    }
    if (dialogs.SelectSpeedDials(path, records, result))
        outcome.count = static_cast<int>(result.EntryCount());
    return outcome;
}

} // namespace

ReadOutcome ReadSpeedDialFile(FileSystem& files, SpeedDialDialogs& dialogs, const std::string& path,
                              ImportResult& result, const AnsiCodePage& codePage)
{
    try {
        return ReadSpeedDials(files, dialogs, path, result, codePage);
    } catch (const std::exception&) {
        // Out of memory, or a size past what the library can hold (a
        // length_error on 32-bit builds): both mean the file is too big.
        return {ReadStatus::kNoMemory};
    }
}
