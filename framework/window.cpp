// Shared window operations of the control wrappers.
#include "framework/window.h"

#include <vector>

std::string CWindow::Text() const
{
    const int length = GetWindowTextLengthA(window_);
    if (length <= 0)
        return std::string();
    std::vector<char> buffer(static_cast<std::size_t>(length) + 1, '\0');
    const int copied = GetWindowTextA(window_, buffer.data(), length + 1);
    return std::string(buffer.data(), copied > 0 ? static_cast<std::size_t>(copied) : 0);
}

void CWindow::SetRedraw(bool redraw) const
{
    Send(WM_SETREDRAW, redraw ? TRUE : FALSE);
    if (redraw)
        InvalidateRect(window_, nullptr, TRUE);
}
