// What the address book doubles tell the tests: one line per platform call
// worth checking, appended to the file named by FAXIMPORT_TEST_LOG (nothing
// is written while it is unset). The program under test runs in another
// process, so a file is the simplest way back.
#pragma once

#include <windows.h>

#include <string>

namespace doubles {

void Log(const std::string& line);
// A double's DllMain: "<library> loaded" when it is loaded, "<library> freed"
// when it is freed before the process ends, "<library> still loaded at exit"
// otherwise.
void LogLoading(const char* library, DWORD reason, LPVOID reserved);

// Formats shared by the doubles and the tests that read their lines.
std::string QuotedOrNull(const char* text);
std::string WindowValue(ULONG_PTR window);

} // namespace doubles
