#include "directory/win32/wide_text.h"

#include <windows.h>

#include <cwchar>

std::wstring WideFromUtf8(const std::string& text)
{
    if (text.empty())
        return std::wstring();
    const int count = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(count > 0 ? count : 0), L'\0');
    if (count > 0)
        MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), &wide[0], count);
    return wide;
}

namespace {
std::string FromWide(UINT codePage, const wchar_t* text)
{
    if (text == nullptr || *text == L'\0')
        return std::string();
    const int length = static_cast<int>(std::wcslen(text));
    const int count = WideCharToMultiByte(codePage, 0, text, length, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(count > 0 ? count : 0), '\0');
    if (count > 0)
        WideCharToMultiByte(codePage, 0, text, length, &out[0], count, nullptr, nullptr);
    return out;
}
} // namespace

std::string Utf8FromWide(const wchar_t* text)
{
    return FromWide(CP_UTF8, text);
}

std::string AnsiFromWide(const wchar_t* text)
{
    return FromWide(CP_ACP, text);
}
