// The progress notice, created from its template and painted immediately.
#include "core/win32/progress_dlg.h"

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

bool CProgressDlg::PumpAndCheckCancel()
{
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            // Not ours to take: the loop that runs after the work gets it.
            PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        if (Handle() == nullptr || !IsDialogMessageA(Handle(), &message)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
    return cancelled_;
}

void CProgressDlg::OnCancel()
{
    // The notice stays until the work has stopped; the button has done its job.
    cancelled_ = true;
    EnableWindow(Item(IDCANCEL), FALSE);
}
