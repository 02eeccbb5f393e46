// One import run from the host probe to the hand-back: the straight sequence
// of dialogs and messages, over the platform services.
#pragma once

#include <string>

#include "app/session_platform.h"
#include "core/import_result.h"
#include "core/read_outcome.h"

// Commands posted to the host when the run ends.
constexpr int kCommandPlainExport = 1022;
constexpr int kCommandSpeedDialExport = 1028;

class ImportSession {
public:
    explicit ImportSession(SessionPlatform& platform) : platform_(platform) {}

    // Runs the whole import; the host is handed back on every path.
    void Run();

private:
    void RunSource(DataSourceKind kind);
    void RunFileSource(DataSourceKind kind);
    void RunAddressBookSource(DataSourceKind kind);
    void RunDirectorySource();
    void PickAndExtract(AddressBookSource& source);
    void ReportReaderError(ReadStatus status, const std::string& sourcePath);
    void ConfirmAndExport(DataSourceKind kind);
    void Warn(const char* text);

    SessionPlatform& platform_;
    ImportResult result_;
    SessionCounters counters_;
    std::string exportPath_;
};
