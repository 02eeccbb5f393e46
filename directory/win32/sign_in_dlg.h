// The company directory's sign-in dialog: a user name and a password for a
// simple bind. The password is never stored: it goes into the credentials
// and its copies in the dialog are overwritten before the dialog closes.
#pragma once

#include <string>

#include "directory/directory_service.h"
#include "framework/dialog.h"

class CSignInDlg : public CDialog {
public:
    // server names the directory in the prompt; credentials receive what was
    // typed on OK.
    CSignInDlg(HWND parent, const std::string& server, DirectoryCredentials& credentials);

protected:
    bool OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

private:
    // The text of an edit control as UTF-16, the control emptied after.
    std::u16string TakeText(int id) const;

    const std::string& server_;
    DirectoryCredentials& credentials_;
};
