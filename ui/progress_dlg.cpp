// The progress notice, created from its template and painted immediately.
#include "ui/progress_dlg.h"

#include "res/resource.h"

CProgressDlg::CProgressDlg(Work work) : CDialog(IDD_PROGRESS, nullptr), work_(work) {}

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

bool CProgressDlg::OnInitDialog()
{
    // The template shows Cancel; hidden before the notice appears when
    // nothing would act on it, and disabled so that no key reaches it.
    if (!StopOffered()) {
        EnableWindow(Item(IDCANCEL), FALSE);
        ShowWindow(Item(IDCANCEL), SW_HIDE);
    }
    return true;
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
    // Esc arrives here too; without a walk to stop it has nothing to ask.
    if (!StopOffered())
        return;
    // The notice stays until the work has stopped; the button has done its job.
    cancelled_ = true;
    EnableWindow(Item(IDCANCEL), FALSE);
}
