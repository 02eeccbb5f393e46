#include "testkit/window_search.h"

#include "testkit/text.h"

namespace testkit {

namespace {

constexpr DWORD kPollIntervalMs = 20;
constexpr int kMessageBoxIconId = 0x440;
constexpr int kMessageBoxTextId = 0xFFFF;

bool IsDialogClass(HWND window)
{
    wchar_t name[16] = {};
    GetClassNameW(window, name, 16);
    return std::wstring(name) == L"#32770";
}

struct Collect {
    DWORD processId;
    bool dialogsOnly;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectWindow(HWND window, LPARAM param)
{
    auto* collect = reinterpret_cast<Collect*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == collect->processId && IsWindowVisible(window) && (!collect->dialogsOnly || IsDialogClass(window)))
        collect->found.push_back(window);
    return TRUE;
}

std::vector<HWND> VisibleWindowsOf(DWORD processId, bool dialogsOnly)
{
    Collect collect{processId, dialogsOnly, {}};
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&collect));
    return collect.found;
}

struct ControlSearch {
    int id;
    HWND found;
};

BOOL CALLBACK MatchControl(HWND window, LPARAM param)
{
    auto* search = reinterpret_cast<ControlSearch*>(param);
    if (GetDlgCtrlID(window) == search->id) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

// A message box holds statics and buttons only; the classic file chooser has
// statics with the same IDs, but also lists and edits.
BOOL CALLBACK RejectOtherClasses(HWND window, LPARAM param)
{
    wchar_t name[16] = {};
    GetClassNameW(window, name, 16);
    if (lstrcmpiW(name, L"Static") == 0 || lstrcmpiW(name, L"Button") == 0)
        return TRUE;
    *reinterpret_cast<bool*>(param) = false;
    return FALSE;
}

bool Matches(HWND dialog, const DialogQuery& query)
{
    if (query.mustBeEnabled && !IsWindowEnabled(dialog))
        return false;
    if (query.requiredControl != 0 && !FindControl(dialog, query.requiredControl))
        return false;
    const std::string caption = WindowText(dialog);
    if (query.captionIsPrefix)
        return caption.compare(0, query.caption.size(), query.caption) == 0;
    return caption == query.caption;
}

} // namespace

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs)
{
    const DWORD start = GetTickCount();
    for (;;) {
        if (condition())
            return true;
        if (GetTickCount() - start >= timeoutMs)
            return false;
        Sleep(kPollIntervalMs);
    }
}

std::vector<HWND> VisibleDialogsOf(DWORD processId)
{
    return VisibleWindowsOf(processId, true);
}

HWND FindDialogWhere(DWORD processId, const std::function<bool(HWND)>& accept)
{
    for (HWND dialog : VisibleDialogsOf(processId)) {
        if (accept(dialog))
            return dialog;
    }
    return nullptr;
}

HWND FindDialogWithControls(DWORD processId, const std::vector<int>& present, int absent)
{
    return FindDialogWhere(processId, [&](HWND dialog) {
        for (int id : present) {
            if (!GetDlgItem(dialog, id))
                return false;
        }
        return absent == 0 || !GetDlgItem(dialog, absent);
    });
}

HWND FindTopWindowOfClass(DWORD processId, const std::string& className)
{
    for (HWND window : VisibleWindowsOf(processId, false)) {
        char name[64] = "";
        GetClassNameA(window, name, sizeof name);
        if (className == name)
            return window;
    }
    return nullptr;
}

HWND WaitForTopWindow(DWORD processId, DWORD timeoutMs)
{
    HWND found = nullptr;
    WaitUntil(
        [&] {
            const std::vector<HWND> windows = VisibleWindowsOf(processId, false);
            found = windows.empty() ? nullptr : windows.front();
            return found != nullptr;
        },
        timeoutMs);
    return found;
}

HWND FindDialog(const DialogQuery& query)
{
    for (HWND dialog : VisibleDialogsOf(query.processId)) {
        if (!IsMessageBox(dialog) && Matches(dialog, query))
            return dialog;
    }
    return nullptr;
}

HWND WaitForDialog(const DialogQuery& query, DWORD timeoutMs)
{
    HWND found = nullptr;
    WaitUntil([&] { return (found = FindDialog(query)) != nullptr; }, timeoutMs);
    return found;
}

bool IsMessageBox(HWND window)
{
    if (!IsDialogClass(window) || !GetDlgItem(window, kMessageBoxIconId) || !GetDlgItem(window, kMessageBoxTextId))
        return false;
    bool onlyStaticsAndButtons = true;
    EnumChildWindows(window, RejectOtherClasses, reinterpret_cast<LPARAM>(&onlyStaticsAndButtons));
    return onlyStaticsAndButtons;
}

HWND FindMessageBox(DWORD processId)
{
    for (HWND dialog : VisibleDialogsOf(processId)) {
        if (IsMessageBox(dialog))
            return dialog;
    }
    return nullptr;
}

HWND WaitForMessageBox(DWORD processId, DWORD timeoutMs)
{
    HWND found = nullptr;
    WaitUntil([&] { return (found = FindMessageBox(processId)) != nullptr; }, timeoutMs);
    return found;
}

bool WaitUntilClosed(HWND window, DWORD timeoutMs)
{
    return WaitUntil([&] { return !IsWindow(window) || !IsWindowVisible(window); }, timeoutMs);
}

HWND FindControl(HWND window, int id)
{
    if (HWND direct = GetDlgItem(window, id))
        return direct;
    ControlSearch search{id, nullptr};
    EnumChildWindows(window, MatchControl, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

} // namespace testkit
