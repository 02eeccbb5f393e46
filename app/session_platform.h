// What the import session needs from the platform: the host window, the
// dialogs, message boxes and files. The Win32 program and the tests each
// provide one.
#pragma once

#include <cstdint>
#include <string>

#include "core/import_result.h"
#include "core/session_counters.h"

class FileSystem;
class CsvDialogs;
class SpeedDialDialogs;
class AddressBookSource;
class DirectoryService;
class AnsiCodePage;

enum class MessageIcon { kError, kWarning };

class SessionPlatform {
public:
    virtual ~SessionPlatform() = default;

    // Takes the foreground window as the host. Returns false when there is none.
    virtual bool AttachHostWindow() = 0;
    // Whether the host window has the child control that asks for the cap.
    virtual bool HostHasCapControl() = 0;
    virtual void DisableHost() = 0;
    // Enables the host, brings it to the foreground and posts it the command.
    virtual void HandBackToHost(int commandId) = 0;
    // The command the hand-back will post, known once the source is chosen,
    // so that a run that ends abnormally can still hand the host back.
    virtual void PrepareHandBack(int commandId) { (void)commandId; }

    // The program's command line, program name included.
    virtual std::string CommandLine() = 0;
    // Full path of the running executable.
    virtual std::string ExecutablePath() = 0;
    // The help that every Help button and F1 open: the HTML Help file, else
    // the WinHelp file.
    virtual void InstallHelpFiles(const std::string& htmlHelpFile, const std::string& winHelpFile) = 0;

    // Returns the DataSourceKind chosen, kCancelled on Cancel.
    virtual DataSourceKind RunDataTypeDialog() = 0;
    // Lets the user pick the source file for kind; false on Cancel.
    virtual bool ChooseSourceFile(DataSourceKind kind, std::string& path) = 0;
    // Returns true on OK.
    virtual bool RunConfirmDialog(ImportResult& result, const SessionCounters& counters, DataSourceKind kind) = 0;
    // A message box with one OK button, owned by the host window.
    virtual void ShowMessage(const std::string& text, const char* caption, MessageIcon icon) = 0;

    virtual FileSystem& Files() = 0;
    // The code page the host reads the exported texts in.
    virtual const AnsiCodePage& CodePage() = 0;
    virtual CsvDialogs& CsvUi() = 0;
    virtual SpeedDialDialogs& SpeedDialUi() = 0;
    virtual AddressBookSource& AddressBooks() = 0;
    virtual DirectoryService& Directory() = 0;
};
