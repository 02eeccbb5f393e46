// The modeless notice "Retrieving and validating fax records..." that stands
// on screen while a source turns its records into recipients. It has no
// owner and no message loop of its own: its creator does the work on the
// same thread, lets the notice take its input between two records, and
// destroys it afterwards. Only an address-book walk and a directory search
// look for a stop as they go, so only their notices show Cancel; Cancel (or
// Esc) asks them to stop.
#pragma once

#include "core/progress_notice.h"
#include "framework/dialog.h"

class CProgressDlg : public CDialog {
public:
    // What the notice stands for while it is shown.
    enum class Work {
        kFileList,        // a list filled from a file: nothing can stop it
        kAddressBookWalk, // the picked entries walked: Cancel stops the walk
        kDirectorySearch, // a paged directory search: Cancel stops it between pages
    };

    explicit CProgressDlg(Work work);
    ~CProgressDlg() override;

    // Shows the notice and paints it at once, since no messages are processed
    // while the work it accompanies runs. Best effort: failure is not reported.
    void Create();
    // Handles the messages waiting for this thread; true once Cancel was
    // pressed.
    bool PumpAndCheckCancel();

protected:
    bool OnInitDialog() override;
    void OnCancel() override;

private:
    bool StopOffered() const { return work_ != Work::kFileList; }

    Work work_;
    bool cancelled_ = false;
};

// The notice of a reading that can be stopped, shown from construction to
// destruction, with the help page of the source that reads.
class CStoppableProgressNotice : public ProgressNotice {
public:
    CStoppableProgressNotice(CProgressDlg::Work work, const HelpViewer& help, DWORD helpContext) : dialog_(work)
    {
        dialog_.SetHelp(help, helpContext);
        dialog_.Create();
    }
    bool StopRequested() override { return dialog_.PumpAndCheckCancel(); }

private:
    CProgressDlg dialog_;
};
