// The data type dialog: offers the address books found available, keeps the
// one option box that belongs to the selected source visible, and turns the
// selection and its option into the kind.
#include "dialogs/win32/data_type_dlg.h"

#include "core/import_result.h"
#include "dialogs/data_type_choice.h"
#include "res/resource.h"
#include "ui/session_context.h"

CDataTypeDlg::CDataTypeDlg(HWND parent, const SessionContext& context, const AvailableSources& available)
    : CDialog(IDD_DATA_TYPE, parent), available(available)
{
    SetHelp(context.help, kHelpDataType);
}

bool CDataTypeDlg::OnInitDialog()
{
    kindCombo.Attach(Item(IDC_KIND_COMBO));
    autoSearchCheck.Attach(Item(IDC_AUTO_SEARCH));
    defaultWabCheck.Attach(Item(IDC_DEFAULT_WAB));
    kindCombo.ResetContent();

    // CSV starts with manual field mapping, WAB with the default address book.
    autoSearchCheck.SetCheck(false);
    defaultWabCheck.SetCheck(true);

    for (const DataTypeItem& item : OfferedDataTypes(available)) {
        const int index = kindCombo.AddString(item.text);
        if (index >= 0)
            kindCombo.SetItemData(index, static_cast<int>(item.kind));
    }

    kindCombo.SetCurSel(0);
    ReadSelectedKind();
    UpdateOptionBoxes();

    SetForegroundWindow(Handle());
    return true;
}

void CDataTypeDlg::ReadSelectedKind()
{
    const int index = kindCombo.GetCurSel();
    selectedKind = index < 0 ? DataSourceKind::kCancelled : ToDataSourceKind(kindCombo.GetItemData(index));
}

void CDataTypeDlg::UpdateOptionBoxes()
{
    // Enabled before shown, so a box never appears in the wrong state.
    const bool csv = selectedKind == DataSourceKind::kCsvManual;
    autoSearchCheck.Enable(csv);
    autoSearchCheck.Show(csv);
    const bool wab = selectedKind == DataSourceKind::kWabFile;
    defaultWabCheck.Enable(wab);
    defaultWabCheck.Show(wab);
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
    selectedKind = ResolveDataType(selectedKind, autoSearchCheck.IsChecked(), defaultWabCheck.IsChecked());
    EndDialog(static_cast<int>(selectedKind));
}

void CDataTypeDlg::OnCancel()
{
    selectedKind = DataSourceKind::kCancelled;
    EndDialog(static_cast<int>(DataSourceKind::kCancelled));
}
