#include "testkit/window_messages.h"

#include <vector>

#include "testkit/text.h"

namespace testkit {

bool TrySend(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* answer, DWORD timeoutMs)
{
    DWORD_PTR result = 0;
    if (!window || !SendMessageTimeoutW(window, message, wParam, lParam, SMTO_NORMAL, timeoutMs, &result))
        return false;
    if (answer)
        *answer = static_cast<LRESULT>(result);
    return true;
}

LRESULT Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT answer = 0;
    if (!TrySend(window, message, wParam, lParam, &answer))
        throw DriveError("window " + std::to_string(reinterpret_cast<UINT_PTR>(window)) + " did not answer message " +
                         std::to_string(message));
    return answer;
}

void Post(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!PostMessageW(window, message, wParam, lParam))
        throw DriveError("cannot post message " + std::to_string(message));
}

std::string WindowText(HWND window)
{
    LRESULT length = 0;
    if (!TrySend(window, WM_GETTEXTLENGTH, 0, 0, &length) || length <= 0)
        return {};
    std::vector<wchar_t> buffer(static_cast<std::size_t>(length) + 1, L'\0');
    LRESULT copied = 0;
    if (!TrySend(window, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()), &copied))
        return {};
    return Narrow(std::wstring(buffer.data(), static_cast<std::size_t>(copied)));
}

void SetWindowTextTo(HWND window, const std::string& text)
{
    const std::wstring wide = Widen(text);
    Send(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()));
}

} // namespace testkit
