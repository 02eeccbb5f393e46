// The data type dialog: the user picks the source of the recipients, with
// the CSV and WAB options; the modal result is the DataSourceKind (0 on
// Cancel).
#pragma once

#include "framework/button.h"
#include "framework/combo_box.h"
#include "framework/dialog.h"

class CDataTypeDlg : public CDialog {
public:
    explicit CDataTypeDlg(HWND parent);

protected:
    bool OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    bool OnCommand(int id, int code) override;

private:
    void ReadSelectedKind();
    void UpdateOptionBoxes();

    CComboBox kindCombo;
    CButton autoSearchCheck;
    CButton defaultWabCheck;
    int selectedKind = 0;
};
