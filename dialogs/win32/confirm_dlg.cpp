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
    : CDialog(IDD_CONFIRM, parent), result_(result), counters_(counters), kind_(kind)
{
}

bool CConfirmDlg::OnInitDialog()
{
    entryList_.Attach(Item(IDC_CONFIRM_LIST));
    entryList_.ResetContent();
    entryList_.SetTabStops({kFaxColumnTabStop});

    SetItemText(IDC_CONFIRM_HEADLINE, ConfirmHeadline(static_cast<int>(result_.EntryCount())));
    // The counters are shown as unsigned numbers.
    SetDlgItemInt(Handle(), IDC_SELECTED_COUNT, static_cast<UINT>(counters_.selectedEntryCount), FALSE);
    SetDlgItemInt(Handle(), IDC_REJECTED_COUNT, static_cast<UINT>(counters_.rejectedEntryCount), FALSE);
    SetDlgItemInt(Handle(), IDC_VALID_COUNT, static_cast<UINT>(counters_.validFaxCount), FALSE);
    SetItemText(IDC_CAP_LINE, ConfirmCapLine(result_.entryCap, counters_.validFaxCount, counters_.walkStopped,
                                             counters_.sourceIncomplete));
    SetItemText(IDC_REJECTED_LABEL, RejectedLabel(kind_));

    FillEntryList();
    return true;
}

void CConfirmDlg::FillEntryList()
{
    const std::size_t count = ConfirmLineCount(result_);
    std::size_t textBytes = 0;
    for (std::size_t i = 0; i < count; ++i)
        textBytes += result_.recipients.At(i).name.size() + result_.recipients.At(i).faxNumber.size() + 2;

    // One line at a time into the same string: no copy of the whole list.
    CRedrawOff quiet(entryList_);
    entryList_.InitStorage(static_cast<int>(count), textBytes);
    std::string line;
    for (std::size_t i = 0; i < count; ++i) {
        ConfirmLine(result_, i, line);
        entryList_.AddString(line);
    }
}

void CConfirmDlg::OnOK()
{
    EndDialog(IDOK);
}

void CConfirmDlg::OnCancel()
{
    result_.recipients.RemoveAll();
    EndDialog(IDCANCEL);
}
