// Profile, registry and library probes of the data type dialog.
#include "dialogs/win32/address_book_probes.h"

#include <windows.h>

#include <cstring>

#include "core/win32/process_state.h"
#include "framework/handles.h"
#include "framework/library_loading.h"

bool IsExtendedMapiEnabled()
{
    return GetProfileIntA("Mail", "MAPIX", 0) == 1;
}

namespace {

// The default value of HKLM\Software\Microsoft\WAB\DLLPath; empty when the
// key or the value is missing. Many Windows versions store it as
// REG_EXPAND_SZ ("%CommonProgramFiles%\System\wab32.dll"): such a value is
// expanded; any other type is used as it is. An expanded path that does not
// fit is left empty rather than cut.
void ReadRegisteredWabPath()
{
    std::memset(wabDllPath, 0, sizeof(wabDllPath));
    HKEY opened = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\WAB\\DLLPath", 0, KEY_READ, &opened) != ERROR_SUCCESS)
        return;
    UniqueRegistryKey key(opened);
    // One byte more than the path takes: a stored value need not end with a
    // terminator, and the zeroed last byte is the terminator of one that fills it.
    char stored[kWabDllPathBytes + 1] = {};
    DWORD size = kWabDllPathBytes;
    DWORD type = REG_NONE;
    if (RegQueryValueExA(key.get(), "", nullptr, &type, reinterpret_cast<BYTE*>(stored), &size) != ERROR_SUCCESS)
        return;
    if (type != REG_EXPAND_SZ) {
        std::memcpy(wabDllPath, stored, sizeof(wabDllPath) - 1);
        return;
    }
    const DWORD expanded = ExpandEnvironmentStringsA(stored, wabDllPath, sizeof(wabDllPath));
    if (expanded == 0 || expanded > sizeof(wabDllPath))
        std::memset(wabDllPath, 0, sizeof(wabDllPath));
}

} // namespace

bool SettleWabLibraryPath()
{
    ReadRegisteredWabPath();
    if (wabDllPath[0] == '\0')
        std::strcpy(wabDllPath, "WAB32.DLL");
    const UniqueModule library = LoadLibraryOutsideCurrentFolder(wabDllPath);
    if (!library) {
        wabDllPath[0] = '\0';
        return false;
    }
    return true;
}
