#include "csv/csv_reader.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <new>

#include "core/ansi_code_page.h"
#include "core/file_system.h"
#include "core/line_table.h"
#include "csv/contact_columns.h"
#include "csv/text_decoding.h"
#include "csv/vcard_reader.h"

namespace {

// The text still to be read, record by record.
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
};

// The start of the first line that is not empty, or end.
char* FirstNonEmptyLine(char* text, char* end)
{
    char* line = text;
    while (line < end && (*line == '\n' || (*line == '\r' && line + 1 < end && line[1] == '\n')))
        line += *line == '\n' ? 1 : 2;
    return line;
}

// A file with no line feed at all but carriage returns (as older Mac programs
// and Excel's "CSV (Macintosh)" write it) ends each line at a CR.
void EndLinesAtCarriageReturns(char* text, char* end)
{
    if (std::memchr(text, '\n', static_cast<std::size_t>(end - text)) == nullptr)
        std::replace(text, end, '\r', '\n');
}

// Manual mode: the user maps the columns. Returns 1 on OK, 0 on Cancel.
int MapColumnsByHand(CsvFieldTable& header, int fieldCount, CsvDialogs& dialogs, const std::string& path,
                     ColumnChoice& choice)
{
    const std::vector<const char*> headerFields(header.begin(), header.begin() + fieldCount);
    int nameIndex = kNoColumn;
    int faxIndex = kNoColumn;
    if (!dialogs.MapFields(path, headerFields, nameIndex, faxIndex))
        return 0;
    if (faxIndex < 0 || faxIndex >= fieldCount)
        return 0;
    choice.nameColumn = (nameIndex >= 0 && nameIndex < fieldCount) ? nameIndex : kNoColumn;
    choice.faxColumns.push_back({faxIndex, kNoColumn});
    return 1;
}

// Turns the data records into entries, converting the cells it reads to the
// code page. Returns 0 or a ReaderResult code.
int BuildEntries(RecordCursor& records, const ColumnChoice& choice, const AnsiCodePage& codePage, CellConverter& cells,
                 CsvEntryTable& entries, int& rejectedRows)
{
    rejectedRows = 0;
    const std::vector<int> usedColumns = UsedColumns(choice);
    ContactRows rows(choice, codePage);
    CsvFieldTable fields;
    while (!records.AtEnd()) {
        const CsvSplit split = records.Split(fields);
        if (split.unclosedQuote)
            return kReadUnclosedQuote;
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
            return kReadTooManyEntries;
    }
    return 0;
}

// Room for every line after the header and every fax column, but never more
// than an import can take; checked against overflow first.
bool ReserveEntries(const RecordCursor& records, const ColumnChoice& choice, CsvEntryTable& entries)
{
    const std::uint64_t lines = CountLineFeeds(records.next, records.end) + 1;
    const std::uint64_t columns = std::max<std::size_t>(choice.faxColumns.size(), 1);
    const std::uint64_t slots = lines > kMaxEntryCount / columns ? kMaxEntryCount : lines * columns;
    try {
        entries.reserve(static_cast<std::size_t>(slots));
    } catch (const std::bad_alloc&) {
        return false;
    }
    return true;
}

// The CSV file's header and rows into entries. Records and fields are found
// in the text as it is (UTF-8 or ANSI), and each cell is converted to the
// code page only after it has been cut out, so no character of the file can
// turn into a separator, a quote or a line break. Returns 1 when there are
// entries to select from, 0 on Cancel, or a ReaderResult code.
int ReadCsvEntries(std::vector<char>& text, TextEncoding encoding, CsvDialogs& dialogs, const AnsiCodePage& codePage,
                   const std::string& path, DataSourceKind kind, CsvEntryTable& entries, int& rejectedRows)
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
        return kReadUnclosedQuote;
    CellConverter cells(encoding, codePage);
    for (int i = 0; i < headerSplit.fieldCount; ++i)
        cells.Convert(header[i]);

    ColumnChoice choice;
    if (kind == kKindCsvManual) {
        if (MapColumnsByHand(header, headerSplit.fieldCount, dialogs, path, choice) == 0)
            return 0;
    } else {
        choice = FindContactColumns(header, headerSplit.fieldCount, codePage);
    }
    if (choice.faxColumns.empty())
        return kReadNoFaxColumn;
    if (!ReserveEntries(records, choice, entries))
        return kReadNoMemory;
    const int built = BuildEntries(records, choice, codePage, cells, entries, rejectedRows);
    return built < 0 ? built : 1;
}

} // namespace

int ReadCsvText(std::vector<char>& text, CsvDialogs& dialogs, const AnsiCodePage& codePage, const std::string& path,
                ImportResult& result, int& rejectedRows, DataSourceKind kind)
{
    CsvEntryTable entries;
    const TextEncoding encoding = DecodeToUtf8(text);
    if (text.size() == 1)
        return kReadNothing; // a byte-order mark and nothing else is an empty file
    if (IsVCardText(text.data(), text.size() - 1)) {
        const int read = ReadVCardEntries(text.data(), text.size() - 1, encoding, codePage, entries, rejectedRows);
        if (read < 0)
            return read;
    } else {
        const int read = ReadCsvEntries(text, encoding, dialogs, codePage, path, kind, entries, rejectedRows);
        if (read <= 0)
            return read;
    }
    // Free the text before the dialog runs.
    std::vector<char>().swap(text);

    if (!dialogs.SelectRecipients(path, entries, result))
        return 0;
    return static_cast<int>(result.EntryCount());
}

int ReadCsvRecipients(FileSystem& files, CsvDialogs& dialogs, const AnsiCodePage& codePage, const std::string& path,
                      ImportResult& result, int& rejectedRows, DataSourceKind kind)
{
    std::vector<char> text;
    const int loaded = files.ReadWholeFile(path, text);
    if (loaded < 0)
        return loaded;
    try {
        return ReadCsvText(text, dialogs, codePage, path, result, rejectedRows, kind);
    } catch (const std::exception&) {
        // Out of memory, or a size past what the library can hold (a
        // length_error on 32-bit builds): both mean the file is too big.
        return kReadNoMemory;
    }
}
