// GetOpenFileNameA with the filter from the string table. The stored filter
// ends with its own separator character, which is replaced by terminators to
// make the description and pattern pairs the dialog expects.
#include "app/win32/source_file_chooser.h"

#include <commdlg.h>

#include <vector>

#include "core/import_result.h"
#include "res/resource.h"

namespace {
// The filter as LoadString fills it: 255 characters and the terminator.
constexpr int kFilterChars = 256;
// Room for the longest path Windows knows, 32,767 characters, even in a
// double-byte code page, and the terminator: the chooser turns no path away
// and cuts none. A source that takes shorter paths refuses a longer one
// with a message.
constexpr DWORD kChosenPathBytes = 2 * 32767 + 1;
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
    char filter[kFilterChars + 1] = {};
    const int length = LoadStringA(GetModuleHandleA(nullptr), filterId, filter, kFilterChars);
    if (length > 0) {
        const char separator = filter[length - 1];
        for (int i = 0; i < length; ++i) {
            if (filter[i] == separator)
                filter[i] = '\0';
        }
    }

    std::vector<char> file(kChosenPathBytes, '\0');
    OPENFILENAMEA dialog = {};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filter;
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = kChosenPathBytes;
    dialog.lpstrTitle = title;
    dialog.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_LONGNAMES;
    if (!GetOpenFileNameA(&dialog))
        return false;
    path = file.data();
    return true;
}
