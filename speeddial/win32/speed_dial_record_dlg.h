// The speed-dial record dialog: one record's name and fax number and the
// detail columns of its line as they stood in the file. Read-only; OK closes.
#pragma once

#include "core/import_result.h"
#include "framework/dialog.h"
#include "speeddial/speed_dial_record.h"

class CSpeedDialRecordDlg : public CDialog {
public:
    // recordTable and result belong to the caller; recordIndex addresses both
    // the table and the speed-dial lists of result.
    CSpeedDialRecordDlg(HWND parent, const SpeedDialTable& recordTable, const ImportResult& result, int recordIndex);

protected:
    bool OnInitDialog() override;

private:
    const SpeedDialTable& recordTable;
    const ImportResult& result;
    int recordIndex;
};
