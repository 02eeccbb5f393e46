// Reads a CSV file into recipient entries and lets the user pick from them.
#pragma once

#include <string>
#include <vector>

#include "core/import_result.h"
#include "core/offered_entry.h"

class AnsiCodePage;
class FileSystem;

using CsvEntry = OfferedEntry;
using CsvEntryTable = OfferedEntryTable;

// The two dialogs the reader runs.
class CsvDialogs {
public:
    virtual ~CsvDialogs() = default;
    // Lets the user map header fields; on OK faxIndex is a field index and
    // nameIndex one or -1. Returns false on Cancel.
    virtual bool MapFields(const std::string& path, const std::vector<const char*>& headerFields, int& nameIndex,
                           int& faxIndex) = 0;
    // On OK the result's recipients hold the choice; on Cancel they are
    // empty. Returns OK.
    virtual bool SelectRecipients(const std::string& path, const CsvEntryTable& entries, ImportResult& result) = 0;
};

// Runs the whole CSV source: load, cut, choose columns, build entries, select.
// Returns the number of entries chosen, or a ReaderResult code.
int ReadCsvRecipients(FileSystem& files, CsvDialogs& dialogs, const AnsiCodePage& codePage, const std::string& path,
                      ImportResult& result, int& rejectedRows, DataSourceKind kind);

// The same over text already loaded (text ends with one zero byte that is not
// part of the file). The text is cut in place.
int ReadCsvText(std::vector<char>& text, CsvDialogs& dialogs, const AnsiCodePage& codePage, const std::string& path,
                ImportResult& result, int& rejectedRows, DataSourceKind kind);
