// Finding the top-level dialogs and message boxes of one process, and waiting
// for them to appear or to go away.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "testkit/window_messages.h"

namespace testkit {

// Polls condition about every 20 ms until it holds; false after timeoutMs.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs = kDefaultTimeoutMs);

// Which dialog to look for. Only visible top-level windows of class #32770
// that belong to processId are considered.
struct DialogQuery {
    DWORD processId = 0;
    std::string caption; // the exact caption, or its beginning
    bool captionIsPrefix = false;
    int requiredControl = 0;   // a control ID the dialog must have; 0: any
    bool mustBeEnabled = true; // a dialog under a message box is disabled
};

std::vector<HWND> VisibleDialogsOf(DWORD processId);
// The first visible dialog of processId that accept takes. Sends the program
// no message, so it works while the program is busy.
HWND FindDialogWhere(DWORD processId, const std::function<bool(HWND)>& accept);
// A visible dialog of processId with all these controls and without that one.
HWND FindDialogWithControls(DWORD processId, const std::vector<int>& present, int absent = 0);
// A visible top-level window of that class that processId shows, or null.
HWND FindTopWindowOfClass(DWORD processId, const std::string& className);
// The first visible top-level window of any class that processId shows.
HWND WaitForTopWindow(DWORD processId, DWORD timeoutMs = kDefaultTimeoutMs);
HWND FindDialog(const DialogQuery& query);
HWND WaitForDialog(const DialogQuery& query, DWORD timeoutMs = kDefaultTimeoutMs);

// A message box is a #32770 window with the icon (0x440) and text (0xFFFF)
// statics and nothing but statics and buttons.
bool IsMessageBox(HWND window);
HWND FindMessageBox(DWORD processId);
HWND WaitForMessageBox(DWORD processId, DWORD timeoutMs = kDefaultTimeoutMs);

// True once the window no longer exists or is hidden.
bool WaitUntilClosed(HWND window, DWORD timeoutMs = kDefaultTimeoutMs);

// A control anywhere below window (dialog items of nested dialogs included).
HWND FindControl(HWND window, int id);

} // namespace testkit
