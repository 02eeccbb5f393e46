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
    for (const std::string& word : faxWords) {
        if (std::strstr(text, word.c_str()) != nullptr)
            return true;
    }
    return false;
}
