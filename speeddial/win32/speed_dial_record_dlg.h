// The speed-dial record dialog: one record's name and fax number and the
// detail columns of its line as they stood in the file. Read-only; OK closes.
#pragma once

#include "framework/dialog.h"
#include "speeddial/speed_dial_record.h"

class CSpeedDialRecordDlg : public CDialog {
public:
    // entry belongs to the caller and outlives the dialog.
    CSpeedDialRecordDlg(HWND parent, const SpeedDialEntry& entry);

protected:
    bool OnInitDialog() override;

private:
    const SpeedDialEntry& entry_;
};
