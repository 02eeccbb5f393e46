#include "framework/wide_text.h"

#include <windows.h>

#include <cwchar>
#include <limits>

namespace {

std::wstring ToWide(UINT codePage, const std::string& text)
{
    if (text.empty() || text.size() > static_cast<std::size_t>(std::numeric_limits<int>::max()))
        return std::wstring();
    const int size = static_cast<int>(text.size());
    const int count = MultiByteToWideChar(codePage, 0, text.data(), size, nullptr, 0);
    if (count <= 0)
        return std::wstring();
    std::wstring wide(static_cast<std::size_t>(count), L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), size, &wide[0], count);
    return wide;
}

std::string FromWide(UINT codePage, const wchar_t* text)
{
    if (text == nullptr || *text == L'\0')
        return std::string();
    const int length = static_cast<int>(std::wcslen(text));
    const int count = WideCharToMultiByte(codePage, 0, text, length, nullptr, 0, nullptr, nullptr);
    if (count <= 0)
        return std::string();
    std::string out(static_cast<std::size_t>(count), '\0');
    WideCharToMultiByte(codePage, 0, text, length, &out[0], count, nullptr, nullptr);
    return out;
}

} // namespace

std::wstring WideFromUtf8(const std::string& text)
{
    return ToWide(CP_UTF8, text);
}

std::wstring WideFromAnsi(const std::string& text)
{
    return ToWide(CP_ACP, text);
}

std::string Utf8FromWide(const wchar_t* text)
{
    return FromWide(CP_UTF8, text);
}

std::string AnsiFromWide(const wchar_t* text)
{
    return FromWide(CP_ACP, text);
}
