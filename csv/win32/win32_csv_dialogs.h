// The CSV reader's two dialogs as modal Win32 dialogs.
#pragma once

#include "csv/csv_reader.h"
#include "framework/retired_lists.h"
#include "ui/session_context.h"

class Win32CsvDialogs : public CsvDialogs {
public:
    explicit Win32CsvDialogs(const SessionContext& context) : context_(context) {}
    bool MapFields(const std::string& path, const std::vector<const char*>& headerFields, int& nameIndex,
                   int& faxIndex) override;
    bool SelectRecipients(const std::string& path, const OfferedEntryTable& entries, ImportResult& result) override;

private:
    const SessionContext& context_;
    // The selection dialog's lists, emptied when the session is over.
    CRetiredLists retiredLists_;
};
