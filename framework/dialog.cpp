// Dialog procedure shared by all dialogs: finds the C++ object, dispatches,
// and keeps C++ exceptions from unwinding through Windows code.
#include "framework/dialog.h"

#include "framework/help_viewer.h"
#include "framework/message_box.h"

CDialog::~CDialog()
{
    if (!modal_)
        Destroy();
}

INT_PTR CDialog::DoModal()
{
    modal_ = true;
    return DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(templateId_), parent_, DialogProc,
                           reinterpret_cast<LPARAM>(this));
}

bool CDialog::CreateModeless()
{
    modal_ = false;
    return CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(templateId_), parent_, DialogProc,
                              reinterpret_cast<LPARAM>(this)) != nullptr;
}

void CDialog::Destroy()
{
    if (window_ != nullptr)
        DestroyWindow(window_); // WM_NCDESTROY clears window_
}

void CDialog::EndDialog(INT_PTR result)
{
    if (modal_)
        ::EndDialog(window_, result);
    else
        Destroy();
}

bool CDialog::OnCommand(int, int)
{
    return false;
}

int CDialog::OnVirtualKey(HWND, int, int)
{
    return -1;
}

void CDialog::CenterOnWorkArea() const
{
    // The templates give no position of their own (0, 0) and the modal
    // dialogs have no owner: without this they would open in the screen's
    // top left corner.
    RECT area;
    RECT dialog;
    if (!SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0) || !GetWindowRect(window_, &dialog))
        return;
    const int width = dialog.right - dialog.left;
    const int height = dialog.bottom - dialog.top;
    const int x = area.left + ((area.right - area.left) - width) / 2;
    const int y = area.top + ((area.bottom - area.top) - height) / 2;
    SetWindowPos(window_, nullptr, x > area.left ? x : area.left, y > area.top ? y : area.top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CDialog::ShowHelp() const
{
    if (help_ != nullptr)
        help_->Show(window_, helpContext_);
}

int CDialog::ShowMessage(const char* text, const char* caption, UINT type) const
{
    return ShowMessageBox(window_, text, caption, type);
}

INT_PTR CALLBACK CDialog::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    CDialog* dialog = nullptr;
    if (message == WM_INITDIALOG) {
        dialog = reinterpret_cast<CDialog*>(lParam);
        SetWindowLongPtrA(window, DWLP_USER, lParam);
        dialog->window_ = window;
    } else {
        dialog = reinterpret_cast<CDialog*>(GetWindowLongPtrA(window, DWLP_USER));
    }
    // Messages that come before WM_INITDIALOG (WM_SETFONT) have no object yet.
    if (dialog == nullptr)
        return FALSE;

    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(window, DWLP_USER, 0);
        dialog->window_ = nullptr;
        return FALSE;
    }

    try {
        return dialog->Dispatch(message, wParam, lParam);
    } catch (...) {
        // The dialog's state is unknown after a failed handler: a modal dialog
        // ends as if cancelled; a modeless one is left as it is.
        if (dialog->modal_)
            ::EndDialog(window, IDCANCEL);
        return message == WM_VKEYTOITEM ? -1 : FALSE;
    }
}

INT_PTR CDialog::Dispatch(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG: {
        const BOOL defaultFocus = OnInitDialog() ? TRUE : FALSE;
        if (modal_)
            CenterOnWorkArea();
        return defaultFocus;
    }
    case WM_COMMAND: {
        const int id = LOWORD(wParam);
        const int code = HIWORD(wParam);
        if (id == IDOK && code == BN_CLICKED) {
            OnOK();
            return TRUE;
        }
        if (id == IDCANCEL && code == BN_CLICKED) {
            OnCancel();
            return TRUE;
        }
        return OnCommand(id, code) ? TRUE : FALSE;
    }
    case WM_HELP:
        ShowHelp();
        return TRUE;
    case WM_VKEYTOITEM:
        // One of the few messages whose answer the dialog procedure returns
        // directly instead of through DWLP_MSGRESULT.
        return static_cast<INT_PTR>(
            OnVirtualKey(reinterpret_cast<HWND>(lParam), LOWORD(wParam), static_cast<short>(HIWORD(wParam))));
    default:
        return FALSE;
    }
}
