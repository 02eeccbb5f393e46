// Base class of every dialog: builds the dialog from its template, modal or
// modeless, and turns the dialog procedure's messages into virtual calls.
#pragma once

#include "framework/window.h"

class HelpViewer;

class CDialog : public CWindow {
public:
    CDialog(UINT templateId, HWND parent) : templateId_(templateId), parent_(parent) {}
    // A modeless window still open is destroyed with its object, so that the
    // dialog procedure never reaches a deleted object.
    ~CDialog() override;
    CDialog(const CDialog&) = delete;
    CDialog& operator=(const CDialog&) = delete;

    // Runs the dialog; returns the value given to EndDialog, or -1 when the
    // dialog could not be created.
    INT_PTR DoModal();
    // Creates the dialog window without waiting for it; false on failure.
    bool CreateModeless();
    void Destroy();

    HWND Item(int id) const { return GetDlgItem(window_, id); }
    void SetItemText(int id, const char* text) const { SetDlgItemTextA(window_, id, text); }
    void SetItemText(int id, const std::string& text) const { SetItemText(id, text.c_str()); }
    void SetCaption(const std::string& text) const { SetText(text); }
    void EndDialog(INT_PTR result);
    // The dialog's help page: F1 opens it, and so does ShowHelp.
    void SetHelp(const HelpViewer& viewer, DWORD context)
    {
        help_ = &viewer;
        helpContext_ = context;
    }

protected:
    // Return true to let the dialog manager put the focus on the first
    // control that takes it.
    virtual bool OnInitDialog() { return true; }
    virtual void OnOK() { EndDialog(IDOK); }
    virtual void OnCancel() { EndDialog(IDCANCEL); }
    // Commands other than IDOK and IDCANCEL; return true when handled.
    virtual bool OnCommand(int id, int code);
    // WM_VKEYTOITEM from a list box with LBS_WANTKEYBOARDINPUT; the answer is
    // handed straight back to the list (-1: default handling).
    virtual int OnVirtualKey(HWND listBox, int virtualKey, int caretIndex);

    // Opens the dialog's help page, if it has one.
    void ShowHelp() const;
    // A message box owned by this dialog.
    int ShowMessage(const char* text, const char* caption, UINT type) const;

private:
    void CenterOnWorkArea() const;
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR Dispatch(UINT message, WPARAM wParam, LPARAM lParam);

    UINT templateId_;
    HWND parent_;
    bool modal_ = false;
    const HelpViewer* help_ = nullptr;
    DWORD helpContext_ = 0;
};
