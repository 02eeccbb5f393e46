#include "directory/win32/registry_directory_settings.h"

#include <windows.h>

#include <vector>

#include "framework/handles.h"
#include "framework/wide_text.h"

namespace {

constexpr wchar_t kPolicyKey[] = L"Software\\Policies\\faximport\\Directory";
constexpr wchar_t kUserKey[] = L"Software\\faximport\\Directory";

bool ReadValue(HKEY root, const wchar_t* path, const std::wstring& name, std::string& value)
{
    HKEY opened = nullptr;
    if (RegOpenKeyExW(root, path, 0, KEY_READ, &opened) != ERROR_SUCCESS)
        return false;
    UniqueRegistryKey key(opened);
    DWORD type = REG_NONE;
    DWORD size = 0;
    if (RegQueryValueExW(key.get(), name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
        return false;
    if (type == REG_DWORD) {
        DWORD number = 0;
        size = sizeof number;
        if (RegQueryValueExW(key.get(), name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&number), &size) !=
            ERROR_SUCCESS)
            return false;
        value = std::to_string(number);
        return true;
    }
    if (type != REG_SZ && type != REG_EXPAND_SZ)
        return false;
    // Room for a terminator the stored value may lack.
    std::vector<wchar_t> text(size / sizeof(wchar_t) + 1, L'\0');
    if (RegQueryValueExW(key.get(), name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(text.data()), &size) !=
        ERROR_SUCCESS)
        return false;
    value = Utf8FromWide(text.data());
    return true;
}

bool KeyExists(HKEY root, const wchar_t* path)
{
    HKEY opened = nullptr;
    if (RegOpenKeyExW(root, path, 0, KEY_READ, &opened) != ERROR_SUCCESS)
        return false;
    UniqueRegistryKey key(opened);
    return true;
}

} // namespace

bool RegistryDirectorySettings::Read(const char* name, std::string& value) const
{
    const std::wstring wideName = WideFromUtf8(name);
    return ReadValue(HKEY_LOCAL_MACHINE, kPolicyKey, wideName, value) ||
           ReadValue(HKEY_CURRENT_USER, kUserKey, wideName, value);
}

bool IsDirectoryConfigured()
{
    return KeyExists(HKEY_LOCAL_MACHINE, kPolicyKey) || KeyExists(HKEY_CURRENT_USER, kUserKey);
}

std::string ComputerDnsDomain()
{
    DWORD size = 0;
    GetComputerNameExW(ComputerNameDnsDomain, nullptr, &size);
    if (size == 0)
        return std::string();
    std::vector<wchar_t> name(size + 1, L'\0');
    if (!GetComputerNameExW(ComputerNameDnsDomain, name.data(), &size))
        return std::string();
    return Utf8FromWide(name.data());
}
