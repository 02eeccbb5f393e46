#include "core/text_routines.h"

#include <cstring>

#include "core/ansi_code_page.h"
#include "core/import_result.h"

namespace {

// The ASCII form of a full-width form (U+FF01 to U+FF5E) or of the
// ideographic blank; zero for every other character.
char AsciiFormOf(char16_t unit)
{
    if (unit >= 0xFF01 && unit <= 0xFF5E)
        return static_cast<char>(unit - 0xFF01 + '!');
    return unit == 0x3000 ? ' ' : '\0';
}

// The ASCII form of the double-byte character at pair, read through the code
// page; zero when it has none. scratch is room reused from call to call.
char AsciiFormOfPair(const char* pair, const AnsiCodePage& codePage, std::u16string& scratch)
{
    scratch.clear();
    if (!codePage.AppendToUtf16(kThisAnsiCodePage, pair, 2, scratch) || scratch.size() != 1)
        return '\0';
    return AsciiFormOf(scratch[0]);
}

// Digits, upper-case letters and the marks a number may be dialled with:
// anything printable below "{" except the comma and the square brackets.
bool IsDialledByte(char c)
{
    return c > ' ' && c < '{' && c != ',' && c != '[' && c != ']';
}

} // namespace

std::string_view Trimmed(std::string_view text, const char* drop)
{
    const std::size_t first = text.find_first_not_of(drop);
    if (first == std::string_view::npos)
        return text.substr(0, 0);
    return text.substr(first, text.find_last_not_of(drop) - first + 1);
}

void TrimSpaces(char* text)
{
    const std::string_view trimmed = Trimmed(text);
    if (trimmed.data() != text)
        std::memmove(text, trimmed.data(), trimmed.size());
    text[trimmed.size()] = '\0';
}

void BlankLineBreaks(char* text)
{
    char* out = text;
    for (const char* in = text; *in != '\0'; ++in) {
        if (*in == '\r' && in[1] == '\n')
            continue;
        *out++ = (*in == '\r' || *in == '\n' || *in == '\t') ? ' ' : *in;
    }
    *out = '\0';
}

void ReplaceBrackets(char* text, const LeadByteSet& leadBytes)
{
    // The trail byte of a double-byte character is passed over unexamined.
    for (char* p = text; *p != '\0';) {
        const std::size_t size = leadBytes.CharacterSize(p);
        if (size == 1 && *p == '[')
            *p = '(';
        else if (size == 1 && *p == ']')
            *p = ')';
        p += size;
    }
}

int CleanFaxNumber(char* text, const AnsiCodePage& codePage)
{
    std::u16string scratch;
    const LeadByteSet& leadBytes = codePage.LeadBytes();
    char* out = text;
    // Every character gives one byte at most, so the text is rewritten in place.
    for (const char* in = text; *in != '\0';) {
        const std::size_t size = leadBytes.CharacterSize(in);
        char c = size == 2 ? AsciiFormOfPair(in, codePage, scratch) : *in;
        in += size;
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
        if (IsDialledByte(c))
            *out++ = c;
    }
    *out = '\0';
    return static_cast<int>(out - text);
}

void CopyTextField(char* field, const char* source, const LeadByteSet& leadBytes)
{
    std::size_t length = 0;
    while (source[length] != '\0') {
        const std::size_t character = leadBytes.CharacterSize(source + length);
        if (length + character > static_cast<std::size_t>(kMaxTextBytes))
            break;
        length += character;
    }
    std::memcpy(field, source, length);
    field[length] = '\0';
}

std::string FormatEntryText(const char* name, const char* fax)
{
    std::string text;
    AppendEntryText(text, name, fax);
    return text;
}

void AppendEntryText(std::string& text, const char* name, const char* fax)
{
    const std::size_t nameLength = std::strlen(name);
    const std::size_t faxLength = std::strlen(fax);
    text.reserve(text.size() + nameLength + faxLength + 3);
    text.append(name, nameLength);
    text += " [";
    text.append(fax, faxLength);
    text += ']';
}

AddEntryOutcome AddRecipientEntry(char* name, char* fax, ImportResult& result, const AnsiCodePage& codePage)
{
    if (CleanFaxNumber(fax, codePage) == 0)
        return AddEntryOutcome::kNotAdded;
    TrimSpaces(name);
    ReplaceBrackets(name, codePage.LeadBytes());
    if (result.recipients.FindFirst(name, fax) >= 0)
        return AddEntryOutcome::kNotAdded;
    // The 16-bit count cannot go past kMaxEntryCount, so that is a cap too.
    const std::size_t count = result.EntryCount();
    if ((result.entryCap > 0 && count == static_cast<std::size_t>(result.entryCap)) || count == kMaxEntryCount)
        return AddEntryOutcome::kCapReached;
    result.recipients.Append({name, fax});
    return AddEntryOutcome::kAdded;
}

char AsciiUpper(char c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

bool StartsWithIgnoringCase(std::string_view text, std::string_view word)
{
    if (text.size() < word.size())
        return false;
    for (std::size_t i = 0; i < word.size(); ++i) {
        if (AsciiUpper(text[i]) != AsciiUpper(word[i]))
            return false;
    }
    return true;
}

bool EqualsIgnoringCase(std::string_view text, std::string_view word)
{
    return text.size() == word.size() && StartsWithIgnoringCase(text, word);
}
