// Driving a dialog of this process directly: messages are sent to it and the
// thread's queue is emptied, as the dialog manager would between two user
// actions.
#pragma once

#include <windows.h>

#include <string>

namespace harness {

// Handles every message waiting for this thread.
void PumpMessages();
// A key pressed in the window that has the focus, waiting in the queue for
// whatever message loop runs next.
void PostKey(UINT virtualKey);
std::string ItemText(HWND dialog, int id);

} // namespace harness
