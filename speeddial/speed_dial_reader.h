// Reads a fax device's speed-dial export (EWS-CSV) into the record table and
// the speed-dial lists, then lets the user pick entries.
#pragma once

#include <memory>
#include <string>

#include "core/import_result.h"
#include "core/read_outcome.h"
#include "core/text_routines.h"
#include "speeddial/speed_dial_record.h"

class AnsiCodePage;
class FileSystem;

class SpeedDialDialogs {
public:
    virtual ~SpeedDialDialogs() = default;
    // On entry result.entryCount is the number of records and the five
    // speed-dial lists hold one item per record. On OK recipients, entryCount
    // and chosenRecords hold the choice. Returns OK.
    virtual bool SelectSpeedDials(const std::string& path, const SpeedDialTable& table, ImportResult& result) = 0;
};

// Fills record and the five lists from one split data line; false when the
// line is rejected.
bool ParseSpeedDialLine(const CsvFieldTable& columns, int columnCount, SpeedDialRecord& record, ImportResult& result,
                        const AnsiCodePage& codePage);

// The outcome counts the entries chosen (0 on Cancel) and the data lines
// rejected; any standard exception, out of memory above all, ends it as
// kNoMemory. table receives the record table once the header has passed; it
// outlives the call. Names and numbers are read in codePage.
ReadOutcome ReadSpeedDialFile(FileSystem& files, SpeedDialDialogs& dialogs, const std::string& path,
                              ImportResult& result, std::unique_ptr<SpeedDialTable>& table,
                              const AnsiCodePage& codePage);
