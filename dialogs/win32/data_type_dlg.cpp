// The data type dialog: offers the address books found available, keeps the
// one option box that belongs to the selected source visible, and turns the
// selection and its option into the kind.
#include "dialogs/win32/data_type_dlg.h"

#include "core/import_result.h"
#include "dialogs/data_type_choice.h"
#include "res/resource.h"
#include "ui/session_context.h"

CDataTypeDlg::CDataTypeDlg(HWND parent, const SessionContext& context, const AvailableSources& available)
    : CDialog(IDD_DATA_TYPE, parent), available_(available)
{
    SetHelp(context.help, kHelpDataType);
}

bool CDataTypeDlg::OnInitDialog()
{
    kindCombo_.Attach(Item(IDC_KIND_COMBO));
    autoSearchCheck_.Attach(Item(IDC_AUTO_SEARCH));
    defaultWabCheck_.Attach(Item(IDC_DEFAULT_WAB));
    kindCombo_.ResetContent();

    // CSV starts with manual field mapping, WAB with the default address book.
    autoSearchCheck_.SetCheck(false);
    defaultWabCheck_.SetCheck(true);

    for (const DataTypeItem& item : OfferedDataTypes(available_)) {
        const int index = kindCombo_.AddString(item.text);
        if (index >= 0)
            kindCombo_.SetItemData(index, static_cast<int>(item.kind));
    }

    kindCombo_.SetCurSel(0);
    ReadSelectedKind();
    UpdateOptionBoxes();

    SetForegroundWindow(Handle());
    return true;
}

void CDataTypeDlg::ReadSelectedKind()
{
    const int index = kindCombo_.GetCurSel();
    selectedKind_ = index < 0 ? DataSourceKind::kCancelled : ToDataSourceKind(kindCombo_.GetItemData(index));
}

void CDataTypeDlg::UpdateOptionBoxes()
{
    // Enabled before shown, so a box never appears in the wrong state.
    const bool csv = selectedKind_ == DataSourceKind::kCsvManual;
    autoSearchCheck_.Enable(csv);
    autoSearchCheck_.Show(csv);
    const bool wab = selectedKind_ == DataSourceKind::kWabFile;
    defaultWabCheck_.Enable(wab);
    defaultWabCheck_.Show(wab);
}

bool CDataTypeDlg::OnCommand(int id, int code)
{
    if (id == IDC_KIND_COMBO && code == CBN_SELCHANGE) {
        ReadSelectedKind();
        UpdateOptionBoxes();
        return true;
    }
    if (id == IDC_DATA_TYPE_HELP && code == BN_CLICKED) {
        ShowHelp();
        return true;
    }
    return false;
}

void CDataTypeDlg::OnOK()
{
    selectedKind_ = ResolveDataType(selectedKind_, autoSearchCheck_.IsChecked(), defaultWabCheck_.IsChecked());
    EndDialog(static_cast<int>(selectedKind_));
}

void CDataTypeDlg::OnCancel()
{
    selectedKind_ = DataSourceKind::kCancelled;
    EndDialog(static_cast<int>(DataSourceKind::kCancelled));
}
