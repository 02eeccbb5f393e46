// The data type dialog: the user picks the source of the recipients, with
// the CSV and WAB options; the modal result is the DataSourceKind (0 on
// Cancel).
#pragma once

#include "core/import_result.h"
#include "dialogs/data_type_choice.h"
#include "framework/button.h"
#include "framework/combo_box.h"
#include "framework/dialog.h"
#include "ui/session_context.h"

class CDataTypeDlg : public CDialog {
public:
    // Offers the sources the caller found available.
    CDataTypeDlg(HWND parent, const SessionContext& context, const AvailableSources& available);

protected:
    bool OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    bool OnCommand(int id, int code) override;

private:
    void ReadSelectedKind();
    void UpdateOptionBoxes();

    CComboBox kindCombo_;
    CButton autoSearchCheck_;
    CButton defaultWabCheck_;
    const AvailableSources available_;
    DataSourceKind selectedKind_ = DataSourceKind::kCancelled;
};
