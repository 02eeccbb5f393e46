// The confirmation dialog: lists the entries about to be exported with the
// session's figures; Cancel empties the result so that nothing is written.
#pragma once

#include <cstdint>

#include "core/import_result.h"
#include "framework/dialog.h"
#include "framework/list_box.h"

class CConfirmDlg : public CDialog {
public:
    CConfirmDlg(HWND parent, ImportResult& result, std::int32_t selectedEntryCount, std::int32_t rejectedEntryCount,
                std::int32_t validFaxCount, bool walkStopped, DataSourceKind kind);

protected:
    bool OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

private:
    void FillEntryList();

    ImportResult& result;
    std::int32_t selectedEntryCount;
    std::int32_t rejectedEntryCount;
    std::int32_t validFaxCount;
    bool walkStopped;
    DataSourceKind kind;
    CListBox entryList;
};
