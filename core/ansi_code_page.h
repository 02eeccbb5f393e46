// The ANSI code page the host reads every text in. The readers reach it
// through this interface to turn Unicode files into it, to compare header
// names with its letters and to cut texts between its characters; the Win32
// program asks Windows, the tests bring their own.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

// The bytes that open a double-byte character (code pages 932, 936, 949 and
// 950); empty in single-byte code pages.
class LeadByteSet {
public:
    void AddRange(unsigned char first, unsigned char last)
    {
        for (unsigned byte = first; byte <= last; ++byte)
            lead_[byte] = true;
    }
    bool Contains(char byte) const { return lead_[static_cast<unsigned char>(byte)]; }
    // The bytes the character that starts at text takes: 2 for a lead byte
    // followed by its trail byte, else 1 (a lead byte at the very end stands
    // alone). text must not be at its terminating zero.
    std::size_t CharacterSize(const char* text) const { return Contains(text[0]) && text[1] != '\0' ? 2 : 1; }

private:
    std::array<bool, 256> lead_{};
};

// Windows' number for "the ANSI code page itself" (CP_ACP).
constexpr unsigned kThisAnsiCodePage = 0;

class AnsiCodePage {
public:
    virtual ~AnsiCodePage() = default;
    // Appends text written in the code page numbered codePage (a Windows code
    // page number such as 1252 or 932, or kThisAnsiCodePage) to out as UTF-16.
    // Returns false when the platform cannot read that code page; out is then
    // unchanged. Throws std::bad_alloc.
    virtual bool AppendToUtf16(unsigned codePage, const char* text, std::size_t size, std::u16string& out) const = 0;
    // Appends UTF-16 text in this code page to out. A character the code page
    // lacks becomes its best-fit letter where there is one, else '?'.
    // Throws std::bad_alloc.
    virtual void AppendFromUtf16(const char16_t* text, std::size_t count, std::vector<char>& out) const = 0;
    // Upper-cases a zero-terminated text in place with this code page's letters.
    virtual void UpperCase(char* text) const = 0;
    virtual const LeadByteSet& LeadBytes() const = 0;
};
