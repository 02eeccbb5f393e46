// The modeless notice "Retrieving and validating fax records..." that stands
// on screen while a source turns its records into recipients. It has no
// owner and no message loop of its own: its creator does the work on the
// same thread, lets the notice take its input between two records, and
// destroys it afterwards. Cancel (or Esc) asks the work to stop.
#pragma once

#include "framework/dialog.h"

class CProgressDlg : public CDialog {
public:
    CProgressDlg();
    ~CProgressDlg() override;

    // Shows the notice and paints it at once, since no messages are processed
    // while the work it accompanies runs. Best effort: failure is not reported.
    void Create();
    // Handles the messages waiting for this thread; true once Cancel was
    // pressed.
    bool PumpAndCheckCancel();

protected:
    void OnCancel() override;

private:
    bool cancelled_ = false;
};
