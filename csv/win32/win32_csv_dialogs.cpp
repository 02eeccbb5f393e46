// Runs the field mapping and CSV selection dialogs for the CSV reader. The
// dialogs have no owner: the host window stays disabled while they run.
#include "csv/win32/win32_csv_dialogs.h"

#include "csv/win32/csv_select_dlg.h"
#include "csv/win32/field_map_dlg.h"

bool Win32CsvDialogs::MapFields(const std::string& path, const std::vector<const char*>& headerFields, int& nameIndex,
                                int& faxIndex)
{
    CFieldMapDlg dialog(nullptr, path, headerFields);
    dialog.SetHelp(context_.help, kHelpFieldMapping);
    if (dialog.DoModal() != IDOK)
        return false;
    nameIndex = dialog.NameIndex();
    faxIndex = dialog.FaxIndex();
    return true;
}

bool Win32CsvDialogs::SelectRecipients(const std::string& path, const OfferedEntryTable& entries, ImportResult& result)
{
    CCsvSelectDlg dialog(nullptr, context_, "CSV Import", path, entries, result, retiredLists_);
    if (dialog.DoModal() == IDOK)
        return true;
    // Also when the dialog could not be shown or ended on a failure.
    result.recipients.RemoveAll();
    return false;
}
