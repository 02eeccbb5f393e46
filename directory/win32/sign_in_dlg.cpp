#include "directory/win32/sign_in_dlg.h"

#include <vector>

#include "res/resource.h"

CSignInDlg::CSignInDlg(HWND parent, const std::string& server, DirectoryCredentials& credentials)
    : CDialog(IDD_DIRECTORY_SIGN_IN, parent), server_(server), credentials_(credentials)
{
}

bool CSignInDlg::OnInitDialog()
{
    SetItemText(IDC_SIGN_IN_PROMPT, "Sign in to the company directory " + server_ + ":");
    SetForegroundWindow(Handle());
    return true; // the focus goes to the user name, the first tab stop
}

std::u16string CSignInDlg::TakeText(int id) const
{
    const HWND edit = Item(id);
    const int length = GetWindowTextLengthW(edit);
    std::vector<wchar_t> text(static_cast<std::size_t>(length > 0 ? length : 0) + 1, L'\0');
    const int copied = GetWindowTextW(edit, text.data(), static_cast<int>(text.size()));
    std::u16string taken(text.begin(), text.begin() + (copied > 0 ? copied : 0));
    SecureZeroMemory(text.data(), text.size() * sizeof(wchar_t));
    SetWindowTextW(edit, L"");
    return taken;
}

void CSignInDlg::OnOK()
{
    credentials_.user = TakeText(IDC_SIGN_IN_USER);
    credentials_.password = TakeText(IDC_SIGN_IN_PASSWORD);
    EndDialog(IDOK);
}

void CSignInDlg::OnCancel()
{
    // Whatever was typed goes with the dialog, not into memory left behind.
    TakeText(IDC_SIGN_IN_PASSWORD);
    EndDialog(IDCANCEL);
}
