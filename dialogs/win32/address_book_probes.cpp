// Profile, registry and library probes of the data type dialog.
#include "dialogs/win32/address_book_probes.h"

#include <windows.h>

#include <cstring>

#include "app/win32/process_state.h"
#include "framework/handles.h"

bool IsExtendedMapiEnabled()
{
    return GetProfileIntA("Mail", "MAPIX", 0) == 1;
}

namespace {

// The default value of HKLM\Software\Microsoft\WAB\DLLPath; empty when the
// key or the value is missing. The value's type is not examined.
void ReadRegisteredWabPath()
{
    std::memset(wabDllPath, 0, sizeof(wabDllPath));
    HKEY opened = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\WAB\\DLLPath", 0, KEY_READ, &opened) != ERROR_SUCCESS)
        return;
    UniqueRegistryKey key(opened);
    DWORD size = sizeof(wabDllPath);
    if (RegQueryValueExA(key.get(), "", nullptr, nullptr, reinterpret_cast<BYTE*>(wabDllPath), &size) != ERROR_SUCCESS)
        wabDllPath[0] = '\0';
    // A stored value need not end with a terminator; the buffer was zeroed
    // and its last byte stays the terminator of a value that fills it.
    wabDllPath[sizeof(wabDllPath) - 1] = '\0';
}

} // namespace

bool SettleWabLibraryPath()
{
    ReadRegisteredWabPath();
    if (wabDllPath[0] == '\0')
        std::strcpy(wabDllPath, "WAB32.DLL");
    UniqueModule library(LoadLibraryA(wabDllPath));
    if (!library) {
        wabDllPath[0] = '\0';
        return false;
    }
    return true;
}
