#include "app/win32/win32_ansi_code_page.h"

#include <climits>
#include <cstring>

Win32AnsiCodePage::Win32AnsiCodePage() : codePage_(GetACP())
{
    CPINFO info = {};
    if (GetCPInfo(codePage_, &info) && info.MaxCharSize == 2) {
        // Pairs of first and last lead byte, ended by a pair of zeros.
        for (int i = 0; i + 1 < MAX_LEADBYTES && info.LeadByte[i] != 0; i += 2)
            leadBytes_.AddRange(info.LeadByte[i], info.LeadByte[i + 1]);
    }
}

bool Win32AnsiCodePage::AppendToUtf16(unsigned codePage, const char* text, std::size_t size, std::u16string& out) const
{
    if (size == 0)
        return true;
    const UINT page = codePage == kThisAnsiCodePage ? codePage_ : codePage;
    if (size > static_cast<std::size_t>(INT_MAX) || !IsValidCodePage(page))
        return false;
    // No flags: a byte sequence the code page lacks becomes its default
    // character rather than failing the whole text.
    const int units = MultiByteToWideChar(page, 0, text, static_cast<int>(size), nullptr, 0);
    if (units <= 0)
        return false;
    const std::size_t start = out.size();
    out.resize(start + static_cast<std::size_t>(units));
    const int written =
        MultiByteToWideChar(page, 0, text, static_cast<int>(size), reinterpret_cast<wchar_t*>(&out[start]), units);
    out.resize(start + static_cast<std::size_t>(written > 0 ? written : 0));
    return written > 0;
}

void Win32AnsiCodePage::AppendFromUtf16(const char16_t* text, std::size_t count, std::vector<char>& out) const
{
    // The callers hand over blocks far below INT_MAX units; wchar_t is
    // UTF-16 on Windows.
    static_assert(sizeof(wchar_t) == sizeof(char16_t), "wchar_t holds UTF-16 units");
    const wchar_t* wide = reinterpret_cast<const wchar_t*>(text);
    const int units = static_cast<int>(count < INT_MAX ? count : INT_MAX);
    if (units == 0)
        return;
    // No flags: Windows' best-fit letters where the code page lacks a
    // character, its default character '?' where there is none.
    const int bytes = WideCharToMultiByte(codePage_, 0, wide, units, nullptr, 0, nullptr, nullptr);
    if (bytes <= 0)
        return;
    const std::size_t start = out.size();
    out.resize(start + static_cast<std::size_t>(bytes));
    const int written = WideCharToMultiByte(codePage_, 0, wide, units, out.data() + start, bytes, nullptr, nullptr);
    out.resize(start + static_cast<std::size_t>(written > 0 ? written : 0));
}

void Win32AnsiCodePage::UpperCase(char* text) const
{
    const std::size_t length = std::strlen(text);
    CharUpperBuffA(text, static_cast<DWORD>(length < UINT_MAX ? length : UINT_MAX));
}
