// Messages to another process's windows. Every send has a timeout, so a hung
// or crashed faximport ends a test with an error instead of hanging it.
#pragma once

#include <windows.h>

#include <stdexcept>
#include <string>

namespace testkit {

// How long a test waits for anything the program under test should do soon.
// Generous on purpose: slow machines must not fail the tests.
constexpr DWORD kDefaultTimeoutMs = 15000;

// Thrown when a window does not answer or a step cannot be carried out.
class DriveError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Sends a wide message and waits for the answer. Returns false when the
// window is gone or did not answer in time.
bool TrySend(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* answer = nullptr,
             DWORD timeoutMs = kDefaultTimeoutMs);
// As TrySend, but throws DriveError when there is no answer.
LRESULT Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// Posts; for commands whose handling may open a modal window.
void Post(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The window's text through WM_GETTEXT (GetWindowText does not send it to
// another process's controls). Empty when the window does not answer.
std::string WindowText(HWND window);
void SetWindowTextTo(HWND window, const std::string& text);

} // namespace testkit
