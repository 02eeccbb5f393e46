#include "addrbook/win32/outlook_bitness.h"

#include <string>
#include <utility>
#include <vector>

#include "framework/handles.h"
#include "framework/message_box.h"

namespace {

constexpr REGSAM kAccess = KEY_READ | KEY_WOW64_64KEY;

// Below HKLM: the Office versions' keys ("16.0") of installed Office, and
// the same as Click-to-Run keeps them in a registry of its own.
constexpr const char* kOfficeKeys[] = {
    "Software\\Microsoft\\Office",
    "Software\\Microsoft\\Office\\ClickToRun\\REGISTRY\\MACHINE\\Software\\Microsoft\\Office",
};

UniqueRegistryKey OpenKey(HKEY parent, const std::string& name)
{
    HKEY opened = nullptr;
    if (RegOpenKeyExA(parent, name.c_str(), 0, kAccess, &opened) != ERROR_SUCCESS)
        return nullptr;
    return UniqueRegistryKey(opened);
}

// The text value Bitness of <version>\Outlook; empty when there is none.
std::string ReadBitnessValue(HKEY office, const std::string& version)
{
    const UniqueRegistryKey outlook = OpenKey(office, version + "\\Outlook");
    if (!outlook)
        return {};
    // Longer than "x64" is no bitness anyway. The last byte stays the
    // terminator of a value stored without one.
    char value[16] = {};
    DWORD size = sizeof value - 1;
    DWORD type = 0;
    if (RegQueryValueExA(outlook.get(), "Bitness", nullptr, &type, reinterpret_cast<BYTE*>(value), &size) !=
            ERROR_SUCCESS ||
        type != REG_SZ)
        return {};
    return value;
}

// The Bitness value of every subkey of officeKey that has one.
void AddRecords(const char* officeKey, std::vector<OutlookBitnessRecord>& records)
{
    const UniqueRegistryKey office = OpenKey(HKEY_LOCAL_MACHINE, officeKey);
    if (!office)
        return;
    char name[256]; // the longest key name and its terminator
    for (DWORD index = 0;; ++index) {
        DWORD length = sizeof name;
        if (RegEnumKeyExA(office.get(), index, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            break;
        std::string value = ReadBitnessValue(office.get(), name);
        if (!value.empty())
            records.push_back({name, std::move(value)});
    }
}

} // namespace

Bitness InstalledOutlookBitness()
{
    std::vector<OutlookBitnessRecord> records;
    for (const char* officeKey : kOfficeKeys)
        AddRecords(officeKey, records);
    return DecidingBitness(records);
}

bool ReportOutlookBitnessMismatch(HWND owner, const char* caption)
{
    const std::string text = BitnessMismatchText(InstalledOutlookBitness(), kProgramBitness);
    if (text.empty())
        return false;
    ShowMessageBox(owner, text.c_str(), caption, MB_OK | MB_ICONERROR);
    return true;
}
