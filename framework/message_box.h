// Every message box of the program goes through here.
#pragma once

#include <windows.h>

// Same contract as MessageBoxA: returns the button pressed.
int ShowMessageBox(HWND owner, const char* text, const char* caption, UINT type);
