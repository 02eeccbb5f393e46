// Appends whole lines with one write each, so that lines never interleave.
#include "call_log.h"

#include <cstdlib>

namespace doubles {

void Log(const std::string& line)
{
    const char* path = std::getenv("FAXIMPORT_TEST_LOG");
    if (path == nullptr || *path == '\0')
        return;
    HANDLE file = CreateFileA(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return;
    const std::string text = line + "\n";
    DWORD written = 0;
    WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(file);
}

void LogLoading(const char* library, DWORD reason, LPVOID reserved)
{
    if (reason == DLL_PROCESS_ATTACH)
        Log(std::string(library) + " loaded");
    else if (reason == DLL_PROCESS_DETACH)
        Log(std::string(library) + (reserved == nullptr ? " freed" : " still loaded at exit"));
}

std::string QuotedOrNull(const char* text)
{
    return text == nullptr ? std::string("null") : "\"" + std::string(text) + "\"";
}

std::string WindowValue(ULONG_PTR window)
{
    return std::to_string(window);
}

} // namespace doubles
