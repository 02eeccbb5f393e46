// Words the readers look for in headers and labels, written here in UTF-8 and
// compared in the file's code page, upper case with its letters: one list per
// concept for every contact format.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

class AnsiCodePage;

// A word in the code page, upper-cased with its letters.
std::string UpperInCodePage(const char* utf8, const AnsiCodePage& codePage);

// A list of words in the code page, converted once per file.
template <std::size_t N>
std::vector<std::string> UpperInCodePage(const char* const (&utf8Words)[N], const AnsiCodePage& codePage)
{
    std::vector<std::string> words;
    for (const char* word : utf8Words)
        words.push_back(UpperInCodePage(word, codePage));
    return words;
}

// The words that make a header or a phone label say fax ("FAX", "TÉLÉCOPIE").
std::vector<std::string> FaxWords(const AnsiCodePage& codePage);
// Whether text, upper-cased in place with the code page's letters, holds one
// of the fax words, starting at one of its characters.
bool SaysFax(char* text, const std::vector<std::string>& faxWords, const AnsiCodePage& codePage);
