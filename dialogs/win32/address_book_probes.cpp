// Profile, registry and library probes of the data type dialog.
#include "dialogs/win32/address_book_probes.h"

#include <windows.h>

#include <cstring>

#include "core/win32/session_context.h"
#include "framework/handles.h"
#include "framework/library_loading.h"

bool IsExtendedMapiEnabled()
{
    return GetProfileIntA("Mail", "MAPIX", 0) == 1;
}

namespace {

// Longest WAB library path taken, with its terminator.
constexpr DWORD kWabPathBytes = 273;

// The default value of HKLM\Software\Microsoft\WAB\DLLPath; empty when the
// key or the value is missing. Many Windows versions store it as
// REG_EXPAND_SZ ("%CommonProgramFiles%\System\wab32.dll"): such a value is
// expanded; any other type is used as it is. An expanded path that does not
// fit is left empty rather than cut.
std::string RegisteredWabPath()
{
    HKEY opened = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\WAB\\DLLPath", 0, KEY_READ, &opened) != ERROR_SUCCESS)
        return std::string();
    UniqueRegistryKey key(opened);
    // One byte more than the path takes: a stored value need not end with a
    // terminator, and the zeroed last byte is the terminator of one that fills it.
    char stored[kWabPathBytes + 1] = {};
    DWORD size = kWabPathBytes;
    DWORD type = REG_NONE;
    if (RegQueryValueExA(key.get(), "", nullptr, &type, reinterpret_cast<BYTE*>(stored), &size) != ERROR_SUCCESS)
        return std::string();
    if (type != REG_EXPAND_SZ)
        return std::string(stored, strnlen(stored, kWabPathBytes - 1));
    char expanded[kWabPathBytes] = {};
    const DWORD length = ExpandEnvironmentStringsA(stored, expanded, sizeof(expanded));
    if (length == 0 || length > sizeof(expanded))
        return std::string();
    return expanded;
}

} // namespace

std::string LoadableWabLibrary()
{
    std::string path = RegisteredWabPath();
    if (path.empty())
        path = kDefaultWabLibrary;
    const UniqueModule library = LoadLibraryOutsideCurrentFolder(path.c_str());
    return library ? path : std::string();
}
