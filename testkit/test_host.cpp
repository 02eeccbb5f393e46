#include "testkit/test_host.h"

#include "testkit/text.h"
#include "testkit/window_search.h"

namespace testkit {

namespace {

const wchar_t kHostClass[] = L"FaxImportTestHost";
// Asks the host thread to take the foreground / to close its window.
constexpr UINT kMakeForeground = WM_APP + 1;
constexpr UINT kShutdown = WM_APP + 2;

void RegisterHostClass(WNDPROC windowProc)
{
    WNDCLASSW windowClass = {};
    if (GetClassInfoW(GetModuleHandleW(nullptr), kHostClass, &windowClass))
        return;
    windowClass = {};
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kHostClass;
    windowClass.lpfnWndProc = windowProc;
    RegisterClassW(&windowClass);
}

HWND CreateChild(const wchar_t* windowClass, const std::string& text, DWORD style, int id, HWND parent,
                 int stockFont = DEFAULT_GUI_FONT)
{
    HWND child =
        CreateWindowExW(0, windowClass, Widen(text).c_str(), WS_CHILD | WS_VISIBLE | style, 0, 0, 10, 10, parent,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
    SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(stockFont)), FALSE);
    return child;
}

} // namespace

TestHost::TestHost(const HostOptions& options) : options_(options)
{
    InitializeCriticalSection(&lock_);
    ready_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    thread_ = CreateThread(nullptr, 0, ThreadMain, this, 0, nullptr);
    // The thread always signals, whether the window could be created or not.
    if (!thread_ || WaitForSingleObject(ready_, INFINITE) != WAIT_OBJECT_0 || !window_) {
        if (thread_) {
            WaitForSingleObject(thread_, INFINITE);
            CloseHandle(thread_);
        }
        CloseHandle(ready_);
        DeleteCriticalSection(&lock_);
        throw DriveError("cannot create the host window");
    }
}

TestHost::~TestHost()
{
    if (!IsClosed())
        PostMessageW(window_, kShutdown, 0, 0);
    WaitForSingleObject(thread_, kDefaultTimeoutMs);
    CloseHandle(thread_);
    CloseHandle(ready_);
    DeleteCriticalSection(&lock_);
}

DWORD WINAPI TestHost::ThreadMain(void* self)
{
    auto* host = static_cast<TestHost*>(self);
    const bool created = host->CreateHostWindow();
    SetEvent(host->ready_);
    if (!created)
        return 1;
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}

bool TestHost::CreateHostWindow()
{
    RegisterHostClass(WindowProc);
    HWND window = CreateWindowExW(0, kHostClass, Widen(options_.title).c_str(), WS_OVERLAPPEDWINDOW, 40, 40,
                                  options_.width, options_.height, nullptr, nullptr, GetModuleHandleW(nullptr), this);
    if (!window)
        return false;
    if (options_.capControl)
        capControl_ = CreateChild(L"STATIC", "Recipients (at most 50 per import)", SS_LEFT, kCapControlId, window);
    if (options_.actionButtonId != 0)
        actionButton_ = CreateChild(L"BUTTON", options_.actionButtonText, BS_PUSHBUTTON | WS_TABSTOP,
                                    options_.actionButtonId, window);
    if (options_.outputPane) {
        // Fixed pitch, so that columns of text line up.
        outputPane_ = CreateChild(L"EDIT", "", ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | WS_VSCROLL | WS_BORDER, 0,
                                  window, ANSI_FIXED_FONT);
    }
    window_ = window;
    Layout();
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
    SetForegroundWindow(window);
    return true;
}

void TestHost::Layout()
{
    RECT client;
    GetClientRect(window_, &client);
    int top = 10;
    if (capControl_) {
        MoveWindow(capControl_, 10, top, client.right - 20, 18, TRUE);
        top += 26;
    }
    if (actionButton_) {
        MoveWindow(actionButton_, 10, top, 180, 26, TRUE);
        top += 36;
    }
    if (outputPane_)
        MoveWindow(outputPane_, 10, top, client.right - 20, client.bottom - top - 10, TRUE);
}

LRESULT CALLBACK TestHost::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* host = reinterpret_cast<TestHost*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    // Messages before the children exist need nothing of the host.
    if (!host || !host->window_)
        return DefWindowProcW(window, message, wParam, lParam);
    switch (message) {
    case WM_COMMAND:
        if (!host->outputPane_ || reinterpret_cast<HWND>(lParam) != host->outputPane_)
            host->Record({LOWORD(wParam), HIWORD(wParam), lParam});
        return 0;
    case WM_SIZE:
        host->Layout();
        return 0;
    case kMakeForeground:
        SetForegroundWindow(window);
        return 0;
    case kShutdown:
        DestroyWindow(window);
        return 0;
    case WM_DESTROY:
        InterlockedExchange(&host->closed_, 1);
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

void TestHost::Record(const ReceivedCommand& command)
{
    EnterCriticalSection(&lock_);
    commands_.push_back(command);
    LeaveCriticalSection(&lock_);
}

bool TestHost::IsEnabled() const
{
    return IsWindowEnabled(window_) != FALSE;
}

bool TestHost::MakeForeground(DWORD timeoutMs)
{
    PostMessageW(window_, kMakeForeground, 0, 0);
    return WaitUntil([this] { return GetForegroundWindow() == window_; }, timeoutMs);
}

std::vector<ReceivedCommand> TestHost::Commands() const
{
    EnterCriticalSection(&lock_);
    std::vector<ReceivedCommand> copy = commands_;
    LeaveCriticalSection(&lock_);
    return copy;
}

bool TestHost::WaitForCommand(int id, DWORD timeoutMs) const
{
    return WaitUntil(
        [&] {
            for (const ReceivedCommand& command : Commands()) {
                if (command.id == id)
                    return true;
            }
            return false;
        },
        timeoutMs);
}

void TestHost::SetOutputText(const std::string& text)
{
    if (!outputPane_)
        return;
    std::string withBreaks;
    for (char c : text) {
        if (c == '\n')
            withBreaks += '\r';
        withBreaks += c;
    }
    SetWindowTextTo(outputPane_, withBreaks);
}

bool TestHost::IsClosed() const
{
    return InterlockedCompareExchange(const_cast<volatile LONG*>(&closed_), 0, 0) != 0;
}

} // namespace testkit
