// UTF-8 and ANSI texts to and from the UTF-16 the W functions of wldap32 and
// the registry take.
#pragma once

#include <string>

std::wstring WideFromUtf8(const std::string& text);
std::string Utf8FromWide(const wchar_t* text);
std::string AnsiFromWide(const wchar_t* text);
