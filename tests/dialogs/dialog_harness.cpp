#include "dialog_harness.h"

namespace harness {

void PumpMessages()
{
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

void PostKey(UINT virtualKey)
{
    PostMessageA(GetFocus(), WM_KEYDOWN, virtualKey, 1);
}

std::string ItemText(HWND dialog, int id)
{
    char text[256] = "";
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

} // namespace harness
