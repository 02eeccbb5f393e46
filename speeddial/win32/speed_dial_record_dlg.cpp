// The speed-dial record dialog. The detail columns are shown as the reader
// kept them: the secure fax and F code texts in their coded form, since they
// are decoded only when a record is exported.
#include "speeddial/win32/speed_dial_record_dlg.h"

#include <cstring>
#include <string>

#include "res/resource.h"

namespace {
constexpr const char* kCaptionStart = "Speed Dial #";
constexpr std::size_t kMaxCaptionChars = 127;

std::string FieldText(const char* field, std::size_t size)
{
    return std::string(field, strnlen(field, size));
}

// Item index of list, or an empty text when the list is shorter.
std::string ItemOf(const StringList& list, int index)
{
    if (index < 0 || static_cast<std::size_t>(index) >= list.Count())
        return std::string();
    return list.At(static_cast<std::size_t>(index));
}
} // namespace

CSpeedDialRecordDlg::CSpeedDialRecordDlg(HWND parent, const SpeedDialTable& recordTable, const ImportResult& result,
                                         int recordIndex)
    : CDialog(IDD_SPEED_DIAL_RECORD, parent), recordTable(recordTable), result(result), recordIndex(recordIndex)
{
}

bool CSpeedDialRecordDlg::OnInitDialog()
{
    if (recordIndex >= 0 && static_cast<std::size_t>(recordIndex) < recordTable.size()) {
        const SpeedDialRecord& record = recordTable[static_cast<std::size_t>(recordIndex)];
        SetItemText(IDC_RECORD_NAME, FieldText(record.name, sizeof record.name));
        SetItemText(IDC_RECORD_FAX, FieldText(record.faxNumber, sizeof record.faxNumber));
    }
    SetItemText(IDC_RECORD_COMM_MODE, ItemOf(result.commModeTexts, recordIndex));
    SetItemText(IDC_RECORD_SECURE_FAX, ItemOf(result.secureFaxTexts, recordIndex));
    SetItemText(IDC_RECORD_RELAY_FAX, ItemOf(result.relayFaxTexts, recordIndex));
    SetItemText(IDC_RECORD_F_CODE, ItemOf(result.fCodeTexts, recordIndex));

    // While the selection dialog is open the keys are still the speed-dial
    // numbers in record order.
    std::string caption = kCaptionStart + ItemOf(result.speedDialKeys, recordIndex);
    if (caption.size() > kMaxCaptionChars)
        caption.resize(kMaxCaptionChars);
    SetCaption(caption);

    SetForegroundWindow(Handle());
    return true; // the focus goes to OK, the first tab stop
}
