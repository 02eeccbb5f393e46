#include "csv/csv_reader.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <stdexcept>

#include "core/ansi_code_page.h"
#include "core/file_system.h"
#include "core/line_walker.h"
#include "csv/contact_columns.h"
#include "csv/text_decoding.h"
#include "csv/vcard_reader.h"

namespace {

// The records still to be read: a record is a line, or more than one when a
// quoted field holds line breaks.
struct RecordCursor {
    char* next;
    char* end;
    char separator;

    bool AtEnd() const { return next >= end; }
    // Cuts the next record into fields.
    CsvSplit Split(CsvFieldTable& fields)
    {
        CsvSplit split;
        next = SplitCsvRecord(next, end, separator, fields, split);
        return split;
    }
    // The lines left, the last one also without a line end.
    std::size_t LinesLeft() const { return LineWalker(next, end).CountLineEnds() + 1; }
};

// The start of the first line that is not empty, or end.
char* FirstNonEmptyLine(char* text, char* end)
{
    LineWalker lines(text, end);
    const char* line = text;
    while (!lines.AtEnd() && lines.Next().text.empty())
        line = lines.Rest().data();
    return text + (line - text);
}

// A file with no line feed at all but carriage returns (as older Mac programs
// and Excel's "CSV (Macintosh)" write it) ends each line at a CR.
void EndLinesAtCarriageReturns(char* text, char* end)
{
    if (std::memchr(text, '\n', static_cast<std::size_t>(end - text)) == nullptr)
        std::replace(text, end, '\r', '\n');
}

// Manual mode: the user maps the columns. Returns false on Cancel.
bool MapColumnsByHand(CsvFieldTable& header, int fieldCount, CsvDialogs& dialogs, const std::string& path,
                      ColumnChoice& choice)
{
    const std::vector<const char*> headerFields(header.begin(), header.begin() + fieldCount);
    int nameIndex = kNoColumn;
    int faxIndex = kNoColumn;
    if (!dialogs.MapFields(path, headerFields, nameIndex, faxIndex))
        return false;
    if (faxIndex < 0 || faxIndex >= fieldCount)
        return false;
    choice.nameColumn = (nameIndex >= 0 && nameIndex < fieldCount) ? nameIndex : kNoColumn;
    choice.faxColumns.push_back({faxIndex, kNoColumn});
    return true;
}

// Turns the data records into entries, converting the cells it reads to the
// code page; rows without a usable fax number count in rejectedRows.
ReadStatus BuildEntries(RecordCursor& records, const ColumnChoice& choice, const AnsiCodePage& codePage,
                        CellConverter& cells, OfferedEntryTable& entries, int& rejectedRows)
{
    const std::vector<int> usedColumns = UsedColumns(choice);
    ContactRows rows(choice, codePage);
    CsvFieldTable fields;
    while (!records.AtEnd()) {
        const CsvSplit split = records.Split(fields);
        if (split.unclosedQuote)
            return ReadStatus::kUnclosedQuote;
        if (split.fieldCount == 0)
            continue;
        cells.NextRow();
        for (int column : usedColumns) {
            if (column < split.fieldCount)
                cells.Convert(fields[column]);
        }
        if (!rows.Append(fields, split.fieldCount, entries))
            ++rejectedRows;
        // More entries than the 16-bit count can carry: no need to read on.
        if (entries.size() > static_cast<std::size_t>(kMaxEntryCount))
            return ReadStatus::kTooManyEntries;
    }
    return ReadStatus::kOk;
}

// Room for every line after the header and every fax column, but never more
// than an import can take; checked against overflow first.
void ReserveEntries(const RecordCursor& records, const ColumnChoice& choice, OfferedEntryTable& entries)
{
    const std::uint64_t lines = records.LinesLeft();
    const std::uint64_t columns = std::max<std::size_t>(choice.faxColumns.size(), 1);
    const std::uint64_t slots = lines > kMaxEntryCount / columns ? kMaxEntryCount : lines * columns;
    entries.reserve(static_cast<std::size_t>(slots));
}

// Offers the entries in the selection dialog, the text freed first.
ReadOutcome SelectFrom(const OfferedEntryTable& entries, int rejected, std::vector<char>& text, CsvDialogs& dialogs,
                       const std::string& path, ImportResult& result)
{
    std::vector<char>().swap(text);
    const bool chosen = dialogs.SelectRecipients(path, entries, result);
    return {ReadStatus::kOk, chosen ? static_cast<int>(result.EntryCount()) : 0, rejected};
}

// The CSV file's header and rows into entries, then the selection. Records
// and fields are found in the text as it is (UTF-8 or ANSI), and each cell is
// converted to the code page only after it has been cut out, so no character
// of the file can turn into a separator, a quote or a line break.
ReadOutcome ReadCsvEntries(std::vector<char>& text, TextEncoding encoding, CsvDialogs& dialogs,
                           const AnsiCodePage& codePage, const std::string& path, DataSourceKind kind,
                           ImportResult& result)
{
    char* const end = text.data() + (text.size() - 1);
    EndLinesAtCarriageReturns(text.data(), end);
    char separator = '\0';
    char* const headerLine = FirstNonEmptyLine(SkipSeparatorLine(text.data(), end, separator), end);
    if (separator == '\0')
        separator = DetectFieldSeparator(headerLine);
    RecordCursor records{headerLine, end, separator};
    CsvFieldTable header;
    const CsvSplit headerSplit = records.Split(header);
    if (headerSplit.unclosedQuote)
        return {ReadStatus::kUnclosedQuote};
    CellConverter cells(encoding, codePage);
    for (int i = 0; i < headerSplit.fieldCount; ++i)
        cells.Convert(header[i]);

    ColumnChoice choice;
    if (kind == DataSourceKind::kCsvManual) {
        if (!MapColumnsByHand(header, headerSplit.fieldCount, dialogs, path, choice))
            return {}; // Cancel: nothing chosen
    } else {
        choice = FindContactColumns(header, headerSplit.fieldCount, codePage);
    }
    if (choice.faxColumns.empty())
        return {ReadStatus::kNoFaxColumn};
    OfferedEntryTable entries;
    ReserveEntries(records, choice, entries);
    ReadOutcome built;
    built.status = BuildEntries(records, choice, codePage, cells, entries, built.rejected);
    if (!built.Ok())
        return built;
    return SelectFrom(entries, built.rejected, text, dialogs, path, result);
}

} // namespace

ReadOutcome ReadCsvText(std::vector<char>& text, CsvDialogs& dialogs, const AnsiCodePage& codePage,
                        const std::string& path, ImportResult& result, DataSourceKind kind)
{
    const TextEncoding encoding = DecodeToUtf8(text);
    if (text.size() == 1)
        return {ReadStatus::kNothing}; // a byte-order mark and nothing else is an empty file
    if (!IsVCardText(text.data(), text.size() - 1))
        return ReadCsvEntries(text, encoding, dialogs, codePage, path, kind, result);
    OfferedEntryTable entries;
    const ReadOutcome read = ReadVCardEntries(text.data(), text.size() - 1, encoding, codePage, entries);
    if (!read.Ok())
        return read;
    return SelectFrom(entries, read.rejected, text, dialogs, path, result);
}

ReadOutcome ReadCsvRecipients(FileSystem& files, CsvDialogs& dialogs, const AnsiCodePage& codePage,
                              const std::string& path, ImportResult& result, DataSourceKind kind)
{
    std::vector<char> text;
    const ReadStatus loaded = files.ReadWholeFile(path, text);
    if (loaded != ReadStatus::kOk)
        return {loaded};
    try {
        return ReadCsvText(text, dialogs, codePage, path, result, kind);
    } catch (const std::exception&) {
        // Out of memory, or a size past what the library can hold (a
        // length_error on 32-bit builds): both mean the file is too big.
        return {ReadStatus::kNoMemory};
    }
}
