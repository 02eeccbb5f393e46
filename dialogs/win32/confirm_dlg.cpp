// The confirmation dialog's texts come from confirm_text; this file puts
// them into the template's controls.
#include "dialogs/win32/confirm_dlg.h"

#include "dialogs/confirm_text.h"
#include "res/resource.h"

namespace {
// Dialog units from the list's left edge to the fax number column.
constexpr int kFaxColumnTabStop = 148;
} // namespace

CConfirmDlg::CConfirmDlg(HWND parent, ImportResult& result, const SessionCounters& counters, DataSourceKind kind)
    : CDialog(IDD_CONFIRM, parent), result(result), counters(counters), kind(kind)
{
}

bool CConfirmDlg::OnInitDialog()
{
    entryList.Attach(Item(IDC_CONFIRM_LIST));
    entryList.ResetContent();
    entryList.SetTabStops({kFaxColumnTabStop});

    SetItemText(IDC_CONFIRM_HEADLINE, ConfirmHeadline(static_cast<int>(result.EntryCount())));
    // The counters are shown as unsigned numbers.
    SetDlgItemInt(Handle(), IDC_SELECTED_COUNT, static_cast<UINT>(counters.selectedEntryCount), FALSE);
    SetDlgItemInt(Handle(), IDC_REJECTED_COUNT, static_cast<UINT>(counters.rejectedEntryCount), FALSE);
    SetDlgItemInt(Handle(), IDC_VALID_COUNT, static_cast<UINT>(counters.validFaxCount), FALSE);
    SetItemText(IDC_CAP_LINE, ConfirmCapLine(result.entryCap, counters.validFaxCount, counters.walkStopped,
                                             counters.sourceIncomplete));
    SetItemText(IDC_REJECTED_LABEL, RejectedLabel(kind));

    FillEntryList();
    return true;
}

void CConfirmDlg::FillEntryList()
{
    const std::size_t count = ConfirmLineCount(result);
    std::size_t textBytes = 0;
    for (std::size_t i = 0; i < count; ++i)
        textBytes += result.recipients.At(i).name.size() + result.recipients.At(i).faxNumber.size() + 2;

    // One line at a time into the same string: no copy of the whole list.
    CRedrawOff quiet(entryList);
    entryList.InitStorage(static_cast<int>(count), textBytes);
    std::string line;
    for (std::size_t i = 0; i < count; ++i) {
        ConfirmLine(result, i, line);
        entryList.AddString(line);
    }
}

void CConfirmDlg::OnOK()
{
    EndDialog(IDOK);
}

void CConfirmDlg::OnCancel()
{
    result.recipients.RemoveAll();
    EndDialog(IDCANCEL);
}
