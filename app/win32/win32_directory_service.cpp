#include "app/win32/win32_directory_service.h"

#include "csv/win32/csv_select_dlg.h"
#include "directory/win32/ldap_directory.h"
#include "directory/win32/sign_in_dlg.h"
#include "ui/progress_dlg.h"

std::string Win32DirectoryService::ComputerDomain()
{
    return ComputerDnsDomain();
}

std::unique_ptr<DirectoryConnection> Win32DirectoryService::Connect(const DirectorySettings& settings,
                                                                    DirectoryError& error)
{
    return ConnectToDirectory(settings, error);
}

bool Win32DirectoryService::AskCredentials(const std::string& server, DirectoryCredentials& credentials)
{
    CSignInDlg dialog(nullptr, server, credentials);
    dialog.SetHelp(context_.help, kHelpCompanyDirectory);
    const bool signIn = dialog.DoModal() == IDOK;
    context_.KeepHostDisabled();
    return signIn;
}

std::unique_ptr<ProgressNotice> Win32DirectoryService::ShowProgressNotice()
{
    return std::make_unique<CStoppableProgressNotice>(CProgressDlg::Work::kDirectorySearch, context_.help,
                                                      kHelpCompanyDirectory);
}

bool Win32DirectoryService::SelectRecipients(const std::string& server, const OfferedEntryTable& entries,
                                             ImportResult& result)
{
    CCsvSelectDlg dialog(nullptr, context_, "Directory Import", server, entries, result, retiredLists_);
    if (dialog.DoModal() == IDOK)
        return true;
    // Also when the dialog could not be shown or ended on a failure.
    result.recipients.RemoveAll();
    return false;
}
