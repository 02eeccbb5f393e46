// Profile, registry and library probes that decide which address books
// are offered.
#include "addrbook/win32/address_book_probes.h"

#include <windows.h>

#include <cstring>

#include "core/path_limits.h"
#include "framework/handles.h"
#include "framework/library_loading.h"

bool IsExtendedMapiEnabled()
{
    return GetProfileIntA("Mail", "MAPIX", 0) == 1;
}

namespace {

// The registered path's buffer: the longest path taken and its terminator.
constexpr DWORD kWabPathBytes = kMaxWabLibraryPathChars + 1;

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
    if (type != REG_EXPAND_SZ) {
        // A value that fills the buffer without a terminator is one character
        // too long: refused, not cut.
        const std::size_t length = strnlen(stored, kWabPathBytes);
        return length > kMaxWabLibraryPathChars ? std::string() : std::string(stored, length);
    }
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
