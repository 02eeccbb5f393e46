// The company directory on Win32: settings from the registry, the server
// through wldap32, the sign-in dialog, the progress notice with Cancel, and
// the CSV selection dialog captioned for the directory.
#pragma once

#include "directory/directory_service.h"
#include "directory/win32/registry_directory_settings.h"
#include "framework/retired_lists.h"
#include "ui/session_context.h"

class Win32DirectoryService : public DirectoryService {
public:
    explicit Win32DirectoryService(const SessionContext& context) : context_(context) {}

    const DirectorySettingsStore& Settings() override { return settings_; }
    std::string ComputerDomain() override;
    std::unique_ptr<DirectoryConnection> Connect(const DirectorySettings& settings, DirectoryError& error) override;
    bool AskCredentials(const std::string& server, DirectoryCredentials& credentials) override;
    std::unique_ptr<ProgressNotice> ShowProgressNotice() override;
    bool SelectRecipients(const std::string& server, const OfferedEntryTable& entries, ImportResult& result) override;

private:
    const SessionContext& context_;
    RegistryDirectorySettings settings_;
    // The selection dialog's lists, emptied when the session is over.
    CRetiredLists retiredLists_;
};
