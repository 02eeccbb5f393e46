// GetOpenFileNameA with the filter from the string table. The stored filter
// ends with its own separator character, which is replaced by terminators to
// make the description and pattern pairs the dialog expects.
#include "app/win32/source_file_chooser.h"

#include <commdlg.h>

#include "core/import_result.h"
#include "res/resource.h"

namespace {
// Chooser buffers hold 255 characters and the terminator.
constexpr int kChooserChars = 256;
} // namespace

bool ChooseSourceFile(HWND owner, DataSourceKind kind, std::string& path)
{
    UINT filterId = 0;
    const char* title = nullptr;
    switch (kind) {
    case DataSourceKind::kWabFile:
        filterId = IDS_FILTER_WAB;
        title = "Import WAB File";
        break;
    case DataSourceKind::kCsvManual:
    case DataSourceKind::kCsvAuto:
        // The CSV sources read vCard files too.
        filterId = IDS_FILTER_CONTACTS;
        title = "Import CSV File";
        break;
    case DataSourceKind::kSpeedDial:
        filterId = IDS_FILTER_CSV;
        title = "Import Speed Dial EWS-CSV File";
        break;
    default:
        return false;
    }

    // One byte more than LoadString may fill, so the list always ends in two
    // terminators.
    char filter[kChooserChars + 1] = {};
    const int length = LoadStringA(GetModuleHandleA(nullptr), filterId, filter, kChooserChars);
    if (length > 0) {
        const char separator = filter[length - 1];
        for (int i = 0; i < length; ++i) {
            if (filter[i] == separator)
                filter[i] = '\0';
        }
    }

    char file[kChooserChars] = "";
    OPENFILENAMEA dialog = {};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filter;
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = file;
    dialog.nMaxFile = sizeof(file);
    dialog.lpstrTitle = title;
    dialog.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_LONGNAMES;
    if (!GetOpenFileNameA(&dialog))
        return false;
    path = file;
    return true;
}
