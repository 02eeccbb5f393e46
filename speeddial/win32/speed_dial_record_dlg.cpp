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
} // namespace

CSpeedDialRecordDlg::CSpeedDialRecordDlg(HWND parent, const SpeedDialEntry& entry)
    : CDialog(IDD_SPEED_DIAL_RECORD, parent), entry_(entry)
{
}

bool CSpeedDialRecordDlg::OnInitDialog()
{
    const SpeedDialRecord& record = entry_.record;
    SetItemText(IDC_RECORD_NAME, FieldText(record.name, sizeof record.name));
    SetItemText(IDC_RECORD_FAX, FieldText(record.faxNumber, sizeof record.faxNumber));
    SetItemText(IDC_RECORD_COMM_MODE, entry_.commMode);
    SetItemText(IDC_RECORD_SECURE_FAX, entry_.secureFax);
    SetItemText(IDC_RECORD_RELAY_FAX, entry_.relayFax);
    SetItemText(IDC_RECORD_F_CODE, entry_.fCode);

    std::string caption = kCaptionStart + entry_.key;
    if (caption.size() > kMaxCaptionChars)
        caption.resize(kMaxCaptionChars);
    SetCaption(caption);

    SetForegroundWindow(Handle());
    return true; // the focus goes to OK, the first tab stop
}
