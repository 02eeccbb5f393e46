#include "csv/code_page_words.h"

#include <cstring>

#include "core/ansi_code_page.h"
#include "csv/text_decoding.h"

std::string UpperInCodePage(const char* utf8, const AnsiCodePage& codePage)
{
    std::vector<char> text;
    AppendUtf8AsAnsi(utf8, std::strlen(utf8), codePage, text);
    text.push_back('\0');
    codePage.UpperCase(text.data());
    return text.data();
}

std::vector<std::string> FaxWords(const AnsiCodePage& codePage)
{
    static const char* const kFaxWords[] = {"Fax", "Télécopie"};
    return UpperInCodePage(kFaxWords, codePage);
}

bool SaysFax(char* text, const std::vector<std::string>& faxWords, const AnsiCodePage& codePage)
{
    codePage.UpperCase(text);
    // Words are looked for where a character starts: the trail byte of a
    // double-byte character may look like a letter.
    const LeadByteSet& leadBytes = codePage.LeadBytes();
    for (const char* p = text; *p != '\0'; p += (leadBytes.Contains(*p) && p[1] != '\0') ? 2 : 1) {
        for (const std::string& word : faxWords) {
            if (std::strncmp(p, word.c_str(), word.size()) == 0)
                return true;
        }
    }
    return false;
}
