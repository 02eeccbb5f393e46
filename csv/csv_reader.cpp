#include "csv/csv_reader.h"

#include <cstdint>
#include <cstring>
#include <new>

#include "app/file_system.h"
#include "csv/line_table.h"
#include "csv/text_routines.h"

namespace {

constexpr int kNoColumn = -1;

struct ColumnChoice {
    char separator = ',';
    int nameColumn = kNoColumn;
    std::vector<int> faxColumns;
};

void UpperCaseAscii(char* text)
{
    for (char* p = text; *p != '\0'; ++p) {
        if (*p >= 'a' && *p <= 'z')
            *p = static_cast<char>(*p - 'a' + 'A');
    }
}

// Automatic mode: "NAME" exactly names the name column, any field holding
// "FAX" is a fax column.
int FindColumnsByHeader(char* header, ColumnChoice& choice)
{
    UpperCaseAscii(header);
    CsvFieldTable fields;
    fields[0] = header;
    const int count = SplitCsvFields(fields, choice.separator);
    if (count < 0)
        return kReadUnclosedQuote;
    for (int i = 0; i < count; ++i) {
        if (choice.nameColumn == kNoColumn && std::strcmp(fields[i], "NAME") == 0)
            choice.nameColumn = i;
        if (std::strstr(fields[i], "FAX") != nullptr)
            choice.faxColumns.push_back(i);
    }
    return 0;
}

// Manual mode: the user maps the columns. Returns 1 on OK, 0 on Cancel, or -6.
int MapColumnsByHand(char* header, CsvDialogs& dialogs, const std::string& path,
                     ColumnChoice& choice)
{
    CsvFieldTable fields;
    fields[0] = header;
    const int count = SplitCsvFields(fields, choice.separator);
    if (count < 0)
        return kReadUnclosedQuote;
    const std::vector<const char*> headerFields(fields.begin(), fields.begin() + count);
    int nameIndex = kNoColumn;
    int faxIndex = kNoColumn;
    if (!dialogs.MapFields(path, headerFields, nameIndex, faxIndex))
        return 0;
    if (faxIndex < 0 || faxIndex >= count)
        return 0;
    choice.nameColumn = (nameIndex >= 0 && nameIndex < count) ? nameIndex : kNoColumn;
    choice.faxColumns.push_back(faxIndex);
    return 1;
}

// Turns the data rows into entries. Returns 0 or -6.
int BuildEntries(const LineTable& lines, std::size_t headerIndex, const ColumnChoice& choice,
                 CsvEntryTable& entries, int& rejectedRows)
{
    rejectedRows = 0;
    CsvFieldTable fields;
    // Up to and with the tail after the last LF: a file whose last record has
    // no line break after it still holds that record. An empty tail (the file
    // ends with a line break) has no fields and is passed over like any
    // empty line.
    for (std::size_t row = headerIndex + 1; row < lines.Count(); ++row) {
        fields[0] = lines.At(row);
        const int count = SplitCsvFields(fields, choice.separator);
        if (count == 0)
            continue;
        if (count < 0)
            return kReadUnclosedQuote;
        bool usable = false;
        for (int column : choice.faxColumns) {
            if (column >= count)
                continue;
            CsvEntry entry;
            entry.name[0] = '\0';
            if (choice.nameColumn != kNoColumn && choice.nameColumn < count) {
                char* name = fields[choice.nameColumn];
                TrimSpaces(name);
                ReplaceBrackets(name);
                CopyTextField(entry.name, name);
            }
            char* fax = fields[column];
            if (CleanFaxNumber(fax) > 0)
                usable = true;
            CopyTextField(entry.faxNumber, fax);
            // More entries than the 16-bit count can carry: no need to read on.
            if (entries.size() == static_cast<std::size_t>(kMaxEntryCount))
                return kReadTooManyEntries;
            entries.push_back(entry);
        }
        if (!usable)
            ++rejectedRows;
    }
    return 0;
}

} // namespace

int ReadCsvText(std::vector<char>& text, CsvDialogs& dialogs, const std::string& path,
                ImportResult& result, int& rejectedRows, int kind)
{
    CsvEntryTable entries;
    {
        LineTable lines;
        if (!lines.Cut(text))
            return kReadNoMemory;

        const std::size_t headerIndex = lines.FirstNonEmptyBefore(lines.Count() - 1);
        char* header = lines.At(headerIndex);

        ColumnChoice choice;
        choice.separator = DetectFieldSeparator(header);
        if (kind == kKindCsvManual) {
            const int mapped = MapColumnsByHand(header, dialogs, path, choice);
            if (mapped <= 0)
                return mapped;
        } else {
            const int found = FindColumnsByHeader(header, choice);
            if (found < 0)
                return found;
        }
        if (choice.faxColumns.empty())
            return kReadNoFaxColumn;

        // Room for every row after the header and every fax column, but never
        // more than an import can take; checked against overflow first.
        const std::uint64_t rows = lines.Count() - headerIndex;
        std::uint64_t slots = rows * choice.faxColumns.size();
        if (slots > static_cast<std::uint64_t>(kMaxEntryCount))
            slots = kMaxEntryCount;
        try {
            entries.reserve(static_cast<std::size_t>(slots));
        } catch (const std::bad_alloc&) {
            return kReadNoMemory;
        }
        const int built = BuildEntries(lines, headerIndex, choice, entries, rejectedRows);
        if (built < 0)
            return built;
    }
    // The line table is gone; free the text too before the dialog runs.
    std::vector<char>().swap(text);

    result.entryCount = static_cast<std::uint16_t>(entries.size());
    if (!dialogs.SelectRecipients(path, entries, result))
        return 0;
    return result.entryCount;
}

int ReadCsvRecipients(FileSystem& files, CsvDialogs& dialogs, const std::string& path,
                      ImportResult& result, int& rejectedRows, int kind)
{
    std::vector<char> text;
    const int loaded = files.ReadWholeFile(path, text);
    if (loaded < 0)
        return loaded;
    try {
        return ReadCsvText(text, dialogs, path, result, rejectedRows, kind);
    } catch (const std::bad_alloc&) {
        return kReadNoMemory;
    }
}
