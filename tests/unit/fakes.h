// Test doubles for the platform services the core reaches through interfaces.
#pragma once

#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "addrbook/address_book_source.h"
#include "app/session_platform.h"
#include "core/file_system.h"
#include "csv/csv_reader.h"
#include "fake_directory.h"
#include "memory_address_book.h"
#include "speeddial/speed_dial_reader.h"
#include "support/windows_1252.h"

// Files held in memory; a path can be made to fail with a read status.
class FakeFileSystem : public FileSystem {
public:
    std::map<std::string, std::string> files;
    std::map<std::string, ReadStatus> readFailures;
    std::set<std::string> folders;
    bool failWrites = false;

    std::vector<std::string> cleanedFolders; // export paths whose leftovers were removed

    bool FolderExists(const std::string& path) override { return folders.count(path) > 0; }
    void RemoveLeftoverTemporaryFiles(const std::string& exportPath) override { cleanedFolders.push_back(exportPath); }

    ReadStatus ReadWholeFile(const std::string& path, std::vector<char>& bytes) override
    {
        auto failure = readFailures.find(path);
        if (failure != readFailures.end())
            return failure->second;
        auto file = files.find(path);
        if (file == files.end())
            return ReadStatus::kCannotOpen;
        if (file->second.empty())
            return ReadStatus::kNothing;
        bytes.assign(file->second.begin(), file->second.end());
        bytes.push_back('\0');
        return ReadStatus::kOk;
    }

    bool ReplaceFileContents(const std::string& path, const std::vector<unsigned char>& bytes,
                             std::string& error) override
    {
        if (failWrites) {
            error = "The disk is full.";
            return false;
        }
        files[path] = std::string(bytes.begin(), bytes.end());
        return true;
    }
};

// Dialogs answered by the test: the mapping and the selection are scripted.
class FakeCsvDialogs : public CsvDialogs {
public:
    bool mapOk = true;
    int mapName = -1;
    int mapFax = 0;
    std::vector<std::string> seenHeader;
    int mapCalls = 0;

    // Entry indexes to choose, or a function that picks them from the table.
    std::function<std::vector<int>(const OfferedEntryTable&)> choose = [](const OfferedEntryTable& table) {
        std::vector<int> all;
        for (std::size_t i = 0; i < table.size(); ++i)
            all.push_back(static_cast<int>(i));
        return all;
    };
    bool selectOk = true;
    OfferedEntryTable seenEntries;
    int seenCount = -1;
    int selectCalls = 0;

    bool MapFields(const std::string&, const std::vector<const char*>& headerFields, int& nameIndex,
                   int& faxIndex) override;
    bool SelectRecipients(const std::string&, const OfferedEntryTable& entries, ImportResult& result) override;
};

// The speed-dial selection: takes every record, or cancels.
class FakeSpeedDialDialogs : public SpeedDialDialogs {
public:
    bool selectOk = true;
    bool SelectSpeedDials(const std::string&, const SpeedDialTable& table, ImportResult& result) override;
};

// Address-book sources over a memory book; records the calls made.
class FakeAddressBookSource : public AddressBookSource {
public:
    bool startResult = true;
    bool openResult = true;
    bool dialogOk = true;
    std::vector<AddressEntryRef> picks;
    MemoryAddressBook book;
    std::vector<std::string> calls;
    std::string openedFile = "<none>";

    bool StartMapiSession() override
    {
        calls.push_back("start");
        return startResult;
    }
    void EndMapiSession() override { calls.push_back("end"); }
    bool OpenWab(const std::string& fileName) override
    {
        calls.push_back("open");
        openedFile = fileName;
        return openResult;
    }
    void CloseWab() override { calls.push_back("close"); }
    bool ShowAddressDialog(std::vector<AddressEntryRef>& picked) override
    {
        calls.push_back("address");
        picked = picks;
        return dialogOk;
    }
    AddressBook& Book() override { return book; }
    int stopAfterChecks = -1; // the user presses Cancel at this check; -1 never

    std::unique_ptr<ProgressNotice> ShowProgressNotice() override
    {
        calls.push_back("progress");
        return std::make_unique<Notice>(stopAfterChecks);
    }

private:
    class Notice : public ProgressNotice {
    public:
        explicit Notice(int stopAfter) : stopAfter_(stopAfter) {}
        bool StopRequested() override { return stopAfter_ >= 0 && checks_++ >= stopAfter_; }

    private:
        int stopAfter_;
        int checks_ = 0;
    };
};

// A scripted platform that records what the session did.
class FakeSessionPlatform : public SessionPlatform {
public:
    struct Message {
        std::string text;
        std::string caption;
        MessageIcon icon;
    };

    bool hasHost = true;
    bool capControl = false;
    std::string commandLine = "faximport.exe C:\\out\\export.dat";
    DataSourceKind dataType = DataSourceKind::kCsvAuto;
    std::string chosenFile = "C:\\data\\list.csv"; // empty: the chooser is cancelled
    bool confirmOk = true;

    FakeFileSystem files;
    Windows1252 codePage;
    FakeCsvDialogs csv;
    FakeSpeedDialDialogs speedDials;
    FakeAddressBookSource addressBooks;
    FakeDirectory directory;

    // What happened, in order.
    std::vector<std::string> events;
    std::vector<Message> messages;
    std::vector<int> commands;
    std::vector<int> preparedCommands;
    bool hostEnabled = true;
    DataSourceKind chooserKind = DataSourceKind::kCancelled;
    SessionCounters confirmedCounters;
    int confirmedEntryCount = -1;
    std::string helpFiles; // "html|winhelp"

    bool AttachHostWindow() override { return hasHost; }
    bool HostHasCapControl() override { return capControl; }
    void DisableHost() override
    {
        hostEnabled = false;
        events.push_back("disable");
    }
    void PrepareHandBack(int commandId) override { preparedCommands.push_back(commandId); }
    void HandBackToHost(int commandId) override
    {
        hostEnabled = true;
        commands.push_back(commandId);
        events.push_back("handback");
    }
    const AnsiCodePage& CodePage() override { return codePage; }
    std::string CommandLine() override { return commandLine; }
    std::string ExecutablePath() override { return "C:\\Program Files\\Fax\\faximport.exe"; }
    void InstallHelpFiles(const std::string& htmlHelpFile, const std::string& winHelpFile) override
    {
        helpFiles = htmlHelpFile + "|" + winHelpFile;
    }
    DataSourceKind RunDataTypeDialog() override
    {
        events.push_back("datatype");
        return dataType;
    }
    bool ChooseSourceFile(DataSourceKind kind, std::string& path) override
    {
        events.push_back("chooser");
        chooserKind = kind;
        path = chosenFile;
        return !chosenFile.empty();
    }
    bool RunConfirmDialog(ImportResult& result, const SessionCounters& counters, DataSourceKind) override
    {
        events.push_back("confirm");
        confirmedCounters = counters;
        confirmedEntryCount = static_cast<int>(result.EntryCount());
        if (!confirmOk) {
            result.recipients.RemoveAll();
        }
        return confirmOk;
    }
    void ShowMessage(const std::string& text, const char* caption, MessageIcon icon) override
    {
        events.push_back("message");
        messages.push_back({text, caption, icon});
    }
    FileSystem& Files() override { return files; }
    CsvDialogs& CsvUi() override { return csv; }
    AddressBookSource& AddressBooks() override { return addressBooks; }
    DirectoryService& Directory() override { return directory; }
    SpeedDialDialogs& SpeedDialUi() override { return speedDials; }
};
