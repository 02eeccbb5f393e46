// Every message box of the program goes through here, so that a test can put
// a presenter in place that records the message instead of blocking on it.
#pragma once

#include <windows.h>

class MessagePresenter {
public:
    virtual ~MessagePresenter() = default;
    // Same contract as MessageBoxA: returns the button pressed.
    virtual int Show(HWND owner, const char* text, const char* caption, UINT type) = 0;
};

int ShowMessageBox(HWND owner, const char* text, const char* caption, UINT type);

// Installs presenter (nullptr: MessageBoxA again); returns the previous one.
MessagePresenter* SetMessagePresenter(MessagePresenter* presenter);
