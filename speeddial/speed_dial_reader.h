// Reads a fax device's speed-dial export (EWS-CSV) into the speed-dial
// table, then lets the user pick entries.
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
    // On OK the result's recipients hold the choice, each with its entry of
    // the table. Returns OK.
    virtual bool SelectSpeedDials(const std::string& path, const SpeedDialTable& table, ImportResult& result) = 0;
};

// Fills entry from one split data line; false when the line is rejected.
bool ParseSpeedDialLine(const CsvFieldTable& columns, int columnCount, SpeedDialEntry& entry,
                        const AnsiCodePage& codePage);

// The outcome counts the entries chosen (0 on Cancel) and the data lines
// rejected; any standard exception, out of memory above all, ends it as
// kNoMemory. Names and numbers are read in codePage.
ReadOutcome ReadSpeedDialFile(FileSystem& files, SpeedDialDialogs& dialogs, const std::string& path,
                              ImportResult& result, const AnsiCodePage& codePage);
