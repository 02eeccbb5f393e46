// The import session's platform on Win32: the host window handshake, the
// session's dialogs and message boxes, and the files.
#pragma once

#include <windows.h>

#include "addrbook/win32/win32_address_book_source.h"
#include "app/session.h"
#include "app/session_platform.h"
#include "app/win32/win32_ansi_code_page.h"
#include "app/win32/win32_directory_service.h"
#include "app/win32/win32_file_system.h"
#include "csv/win32/win32_csv_dialogs.h"
#include "speeddial/win32/win32_speed_dial_dialogs.h"

class Win32SessionPlatform : public SessionPlatform {
public:
    // The context is the application object's: the platform sets its host
    // window when the run starts and clears it at the hand-back.
    explicit Win32SessionPlatform(SessionContext& context) : context_(context) {}

    bool AttachHostWindow() override;
    bool HostHasCapControl() override;
    void DisableHost() override;
    void HandBackToHost(int commandId) override;
    void PrepareHandBack(int commandId) override;
    // After a failure that ended the session early: the hand-back with the
    // command prepared so far.
    void HandBackAfterFailure() { HandBackToHost(pendingCommand_); }

    std::string CommandLine() override;
    std::string ExecutablePath() override;
    void InstallHelpFiles(const std::string& htmlHelpFile, const std::string& winHelpFile) override;

    DataSourceKind RunDataTypeDialog() override;
    bool ChooseSourceFile(DataSourceKind kind, std::string& path) override;
    bool RunConfirmDialog(ImportResult& result, const SessionCounters& counters, DataSourceKind kind) override;
    void ShowMessage(const std::string& text, const char* caption, MessageIcon icon) override;

    FileSystem& Files() override { return files_; }
    const AnsiCodePage& CodePage() override { return codePage_; }
    CsvDialogs& CsvUi() override { return csvDialogs_; }
    SpeedDialDialogs& SpeedDialUi() override { return speedDialDialogs_; }
    AddressBookSource& AddressBooks() override { return addressBooks_; }
    DirectoryService& Directory() override { return directory_; }

private:
    SessionContext& context_;
    int pendingCommand_ = kCommandPlainExport;
    Win32FileSystem files_;
    Win32AnsiCodePage codePage_;
    Win32CsvDialogs csvDialogs_{context_};
    Win32SpeedDialDialogs speedDialDialogs_{context_};
    Win32AddressBookSource addressBooks_{context_};
    Win32DirectoryService directory_{context_};
};
