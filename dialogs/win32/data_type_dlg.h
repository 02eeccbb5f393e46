// The data type dialog: the user picks the source of the recipients, with
// the CSV and WAB options; the modal result is the DataSourceKind (0 on
// Cancel).
#pragma once

#include "core/import_result.h"
#include "core/win32/session_context.h"
#include "framework/button.h"
#include "framework/combo_box.h"
#include "framework/dialog.h"

class CDataTypeDlg : public CDialog {
public:
    // Finds the WAB library to offer and keeps its path in context.
    CDataTypeDlg(HWND parent, SessionContext& context);

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
    SessionContext& context;
    DataSourceKind selectedKind = DataSourceKind::kCancelled;
};
