// Runs the speed-dial selection dialog for the speed-dial reader. The dialog
// has no owner: the host window stays disabled while it runs.
#include "speeddial/win32/win32_speed_dial_dialogs.h"

#include "speeddial/win32/speed_dial_select_dlg.h"

bool Win32SpeedDialDialogs::SelectSpeedDials(const std::string& path, const SpeedDialTable& table, ImportResult& result)
{
    CSpeedDialSelectDlg dialog(nullptr, context_, path, table, result, retiredLists_);
    if (dialog.DoModal() == IDOK)
        return true;
    // Also when the dialog could not be shown or ended on a failure.
    result.recipients.RemoveAll();
    return false;
}
