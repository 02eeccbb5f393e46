// The progress notice, created from its template and painted immediately.
#include "dialogs/win32/progress_dlg.h"

#include "res/resource.h"

CProgressDlg::CProgressDlg() : CDialog(IDD_PROGRESS, nullptr) {}

CProgressDlg::~CProgressDlg()
{
    Destroy();
}

void CProgressDlg::Create()
{
    if (!CreateModeless())
        return;
    // The template is WS_VISIBLE; paint the frame and the text control now.
    RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
}
