// The confirmation dialog: lists the entries about to be exported with the
// session's figures; Cancel empties the result so that nothing is written.
#pragma once

#include <cstdint>

#include "core/import_result.h"
#include "core/session_counters.h"
#include "framework/dialog.h"
#include "framework/list_box.h"

class CConfirmDlg : public CDialog {
public:
    CConfirmDlg(HWND parent, ImportResult& result, const SessionCounters& counters, DataSourceKind kind);

protected:
    bool OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

private:
    void FillEntryList();

    ImportResult& result_;
    const SessionCounters counters_;
    DataSourceKind kind_;
    CListBox entryList_;
};
