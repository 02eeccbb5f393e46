// Windows-1252 written out for the native tests, the fuzzers and the
// benchmark: the code page the Win32 program meets most, with a few of
// Windows' best-fit letters. Lead bytes can be given to stand in for a
// double-byte code page: the full-width forms, the ideographic blank and a
// few ideographs then have double-byte codes as in code page 932, and a byte
// that opens a pair is never written alone.
#pragma once

#include "core/ansi_code_page.h"

class Windows1252 : public AnsiCodePage {
public:
    // Reads this code page, 1252 and ISO-8859-1 (28591); the double-byte codes
    // only as this code page.
    bool AppendToUtf16(unsigned codePage, const char* text, std::size_t size, std::u16string& out) const override;
    void AppendFromUtf16(const char16_t* text, std::size_t count, std::vector<char>& out) const override;
    void UpperCase(char* text) const override;
    const LeadByteSet& LeadBytes() const override { return leadBytes; }

    LeadByteSet leadBytes;
};
