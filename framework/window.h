// A window handle owned by the dialog manager, with the few operations every
// control wrapper shares: messages, text, enabled and visible state.
#pragma once

#include <windows.h>

#include <string>

class CWindow {
public:
    CWindow() = default;
    explicit CWindow(HWND window) : window_(window) {}
    virtual ~CWindow() = default;

    void Attach(HWND window) { window_ = window; }
    HWND Handle() const { return window_; }

    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return SendMessageA(window_, message, wParam, lParam);
    }

    void SetText(const char* text) const { SetWindowTextA(window_, text); }
    void SetText(const std::string& text) const { SetText(text.c_str()); }
    std::string Text() const;

    void Enable(bool enable) const { EnableWindow(window_, enable ? TRUE : FALSE); }
    void Show(bool show) const { ShowWindow(window_, show ? SW_SHOW : SW_HIDE); }

    // WM_SETREDRAW; turning it back on also repaints the window.
    void SetRedraw(bool redraw) const;

protected:
    HWND window_ = nullptr;
};

// Switches drawing off for the lifetime of the object, so that filling or
// emptying a long list costs one repaint instead of one per item.
class CRedrawOff {
public:
    explicit CRedrawOff(const CWindow& window) : window_(window) { window_.SetRedraw(false); }
    ~CRedrawOff() { window_.SetRedraw(true); }
    CRedrawOff(const CRedrawOff&) = delete;
    CRedrawOff& operator=(const CRedrawOff&) = delete;

private:
    const CWindow& window_;
};
