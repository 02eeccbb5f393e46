#include "app/win32/host_window.h"

#include <tlhelp32.h>

#include "framework/handles.h"

namespace {

// The process that started this one, 0 when it cannot be told.
DWORD ParentProcessId()
{
    UniqueHandle snapshot = OwnFileHandle(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (!snapshot)
        return 0;
    const DWORD self = GetCurrentProcessId();
    PROCESSENTRY32 entry = {};
    entry.dwSize = sizeof(entry);
    for (BOOL more = Process32First(snapshot.get(), &entry); more; more = Process32Next(snapshot.get(), &entry)) {
        if (entry.th32ProcessID == self)
            return entry.th32ParentProcessID;
    }
    return 0;
}

DWORD ProcessOf(HWND window)
{
    DWORD process = 0;
    if (window != nullptr)
        GetWindowThreadProcessId(window, &process);
    return process;
}

struct TopWindowSearch {
    DWORD process;
    HWND found;
};

// EnumWindows goes from the top of the z-order down: the first match is the
// process's window that was active last.
BOOL CALLBACK TakeFirstTopWindow(HWND window, LPARAM parameter)
{
    auto* search = reinterpret_cast<TopWindowSearch*>(parameter);
    if (!IsWindowVisible(window) || GetWindow(window, GW_OWNER) != nullptr || ProcessOf(window) != search->process)
        return TRUE;
    search->found = window;
    return FALSE;
}

} // namespace

HWND FindHostWindow()
{
    HWND foreground = GetForegroundWindow();
    const DWORD parent = ParentProcessId();
    if (parent == 0 || ProcessOf(foreground) == parent)
        return foreground;
    TopWindowSearch search{parent, nullptr};
    EnumWindows(TakeFirstTopWindow, reinterpret_cast<LPARAM>(&search));
    return search.found != nullptr ? search.found : foreground;
}
