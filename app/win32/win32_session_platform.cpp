// The session's platform services. The session's own dialogs have no owner,
// so that closing them never re-enables the host; message boxes and the file
// chooser are owned by the host window, and the dialog manager enables the
// host again when they close, so the host is disabled again right after.
#include "app/win32/win32_session_platform.h"

#include <vector>

#include "addrbook/win32/address_book_probes.h"
#include "app/win32/emergency_hand_back.h"
#include "app/win32/host_window.h"
#include "app/win32/source_file_chooser.h"
#include "dialogs/win32/confirm_dlg.h"
#include "dialogs/win32/data_type_dlg.h"
#include "framework/message_box.h"

namespace {
// The host shows this control when one import may take at most 50 entries.
constexpr int kHostCapControlId = 1008;
} // namespace

bool Win32SessionPlatform::AttachHostWindow()
{
    context_.hostWindow = FindHostWindow();
    return context_.hostWindow != nullptr;
}

bool Win32SessionPlatform::HostHasCapControl()
{
    return context_.hostWindow != nullptr && GetDlgItem(context_.hostWindow, kHostCapControlId) != nullptr;
}

void Win32SessionPlatform::DisableHost()
{
    if (context_.hostWindow == nullptr)
        return;
    context_.KeepHostDisabled();
    ArmEmergencyHandBack(context_.hostWindow, pendingCommand_);
}

void Win32SessionPlatform::PrepareHandBack(int commandId)
{
    pendingCommand_ = commandId;
    if (context_.hostWindow != nullptr)
        ArmEmergencyHandBack(context_.hostWindow, pendingCommand_);
}

void Win32SessionPlatform::HandBackToHost(int commandId)
{
    DisarmEmergencyHandBack();
    // No help window outlives the import.
    context_.help.CloseAll();
    if (context_.hostWindow == nullptr)
        return;
    EnableWindow(context_.hostWindow, TRUE);
    SetForegroundWindow(context_.hostWindow);
    PostMessageA(context_.hostWindow, WM_COMMAND, MAKEWPARAM(commandId, 0), 0);
    context_.hostWindow = nullptr;
}

std::string Win32SessionPlatform::CommandLine()
{
    const char* commandLine = GetCommandLineA();
    return commandLine != nullptr ? commandLine : "";
}

std::string Win32SessionPlatform::ExecutablePath()
{
    // GetModuleFileNameA cuts the path when the buffer is too small: grow it.
    std::vector<char> buffer(MAX_PATH);
    for (;;) {
        const DWORD length = GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0)
            return std::string();
        if (length < buffer.size())
            return std::string(buffer.data(), length);
        buffer.resize(buffer.size() * 2);
    }
}

void Win32SessionPlatform::InstallHelpFiles(const std::string& htmlHelpFile, const std::string& winHelpFile)
{
    context_.help.SetFiles(htmlHelpFile, winHelpFile);
}

DataSourceKind Win32SessionPlatform::RunDataTypeDialog()
{
    // Probed just before the dialog opens; the WAB source keeps the library
    // it found for the open that follows.
    AvailableSources available;
    available.mapi = IsExtendedMapiEnabled();
    available.wab = addressBooks_.FindWabLibrary();
    // Both ask the computer only: deciding never touches the network.
    available.directory = IsDirectoryConfigured() || !ComputerDnsDomain().empty();
    CDataTypeDlg dialog(nullptr, context_, available);
    return ToDataSourceKind(dialog.DoModal());
}

bool Win32SessionPlatform::ChooseSourceFile(DataSourceKind kind, std::string& path)
{
    const bool chosen = ::ChooseSourceFile(context_.hostWindow, kind, path);
    context_.KeepHostDisabled();
    return chosen;
}

bool Win32SessionPlatform::RunConfirmDialog(ImportResult& result, const SessionCounters& counters, DataSourceKind kind)
{
    CConfirmDlg dialog(nullptr, result, counters, kind);
    dialog.SetHelp(context_.help, kHelpConfirmation);
    return dialog.DoModal() == IDOK;
}

void Win32SessionPlatform::ShowMessage(const std::string& text, const char* caption, MessageIcon icon)
{
    const UINT iconFlag = icon == MessageIcon::kError ? MB_ICONERROR : MB_ICONWARNING;
    ShowMessageBox(context_.hostWindow, text.c_str(), caption, MB_OK | iconFlag);
    context_.KeepHostDisabled();
}
