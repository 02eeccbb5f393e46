// The modeless notice "Retrieving and validating fax records..." that stands
// on screen while a source turns its records into recipients. It has no
// owner, no buttons and no message loop: its creator does the work on the
// same thread and then destroys it.
#pragma once

#include "framework/dialog.h"

class CProgressDlg : public CDialog {
public:
    CProgressDlg();
    ~CProgressDlg() override;

    // Shows the notice and paints it at once, since no messages are processed
    // while the work it accompanies runs. Best effort: failure is not reported.
    void Create();
};
