// Texts between the program's single-byte strings (UTF-8 or the ANSI code
// page) and the UTF-16 the W functions of Windows take. A text that cannot be
// converted comes back empty.
#pragma once

#include <string>

std::wstring WideFromUtf8(const std::string& text);
std::wstring WideFromAnsi(const std::string& text);
std::string Utf8FromWide(const wchar_t* text);
std::string AnsiFromWide(const wchar_t* text);
