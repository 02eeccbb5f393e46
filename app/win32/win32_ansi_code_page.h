// The system's ANSI code page, read once when the program starts: the code
// page the host reads the export in.
#pragma once

#include <windows.h>

#include "core/ansi_code_page.h"

class Win32AnsiCodePage : public AnsiCodePage {
public:
    Win32AnsiCodePage();

    bool AppendToUtf16(unsigned codePage, const char* text, std::size_t size, std::u16string& out) const override;
    void AppendFromUtf16(const char16_t* text, std::size_t count, std::vector<char>& out) const override;
    void UpperCase(char* text) const override;
    const LeadByteSet& LeadBytes() const override { return leadBytes_; }

private:
    UINT codePage_;
    LeadByteSet leadBytes_;
};
