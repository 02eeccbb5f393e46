#include "csv/text_routines.h"

#include <cstring>

#include "app/import_result.h"

namespace {

// Reads a quoted field that starts at quote (its opening quote). The text is
// gathered in place from quote + 1; doubled quotes become one. Returns the
// closing quote, or nullptr when the field is never closed.
char* ReadQuotedField(char* quote)
{
    char* text = quote + 1;
    char* closing = std::strchr(text, '"');
    if (closing == nullptr)
        return nullptr;
    char* end = closing; // where the gathered text ends
    while (closing[1] == '"') {
        char* next = std::strchr(closing + 2, '"');
        if (next == nullptr)
            break;
        *end++ = '"';
        const std::size_t runLength = static_cast<std::size_t>(next - (closing + 2));
        std::memmove(end, closing + 2, runLength);
        end += runLength;
        closing = next;
    }
    // The bytes after the closing quote stay in the buffer up to the next
    // separator, so the separator search below starts behind them.
    *end = '\0';
    return closing;
}

bool IsHighByte(char c) { return static_cast<unsigned char>(c) >= 0x80; }

} // namespace

CsvSplit SplitCsvLine(CsvFieldTable& fields, char separator)
{
    CsvSplit split;
    char* cursor = fields[0];
    if (cursor == nullptr || *cursor == '\0')
        return split;
    int commas = 0; // separators passed so far
    for (;;) {
        char* fieldEnd = cursor; // the field's text must not reach past here when searching separators
        if (*cursor == '"') {
            fields[commas] = cursor + 1;
            char* closing = ReadQuotedField(cursor);
            if (closing == nullptr) {
                split.fieldCount = commas + 1;
                split.unclosedQuote = true;
                return split;
            }
            fieldEnd = closing + 1;
        } else {
            fields[commas] = cursor;
        }
        char* next = std::strchr(fieldEnd, separator);
        if (next == nullptr) {
            split.fieldCount = commas + 1;
            return split;
        }
        *next = '\0';
        cursor = next + 1;
        ++commas;
        if (commas == kMaxCsvFields) {
            split.fieldCount = kMaxCsvFields;
            return split;
        }
    }
}

int SplitCsvFields(CsvFieldTable& fields, char separator)
{
    const CsvSplit split = SplitCsvLine(fields, separator);
    return split.unclosedQuote ? kUnclosedQuote : split.fieldCount;
}

char DetectFieldSeparator(const char* header)
{
    bool semicolon = false;
    bool tab = false;
    bool fieldStart = true; // a quote opens a quoted field only as its first byte
    for (const char* p = header; *p != '\0'; ++p) {
        if (fieldStart && *p == '"') {
            // Past the quoted field; a doubled quote stays inside it.
            while (*++p != '\0' && !(*p == '"' && p[1] != '"'))
                if (*p == '"')
                    ++p;
            if (*p == '\0')
                break;
            fieldStart = false;
            continue;
        }
        if (*p == ',')
            return ',';
        semicolon = semicolon || *p == ';';
        tab = tab || *p == '\t';
        fieldStart = *p == ';' || *p == '\t';
    }
    if (semicolon)
        return ';';
    return tab ? '\t' : ',';
}

void TrimSpaces(char* text)
{
    std::size_t lead = 0;
    while (text[lead] == ' ')
        ++lead;
    std::size_t length = std::strlen(text + lead);
    if (lead > 0)
        std::memmove(text, text + lead, length + 1);
    while (length > 0 && text[length - 1] == ' ')
        text[--length] = '\0';
}

void ReplaceBrackets(char* text)
{
    for (char* p = text; *p != '\0'; ++p) {
        if (IsHighByte(*p)) {
            // The trail byte of a double-byte character is not examined; a
            // lead byte at the very end has no trail byte to pass over.
            if (p[1] == '\0')
                break;
            ++p;
        } else if (*p == '[') {
            *p = '(';
        } else if (*p == ']') {
            *p = ')';
        }
    }
}

int CleanFaxNumber(char* text)
{
    char* out = text;
    for (const char* in = text; *in != '\0'; ++in) {
        unsigned char c = static_cast<unsigned char>(*in);
        if (c >= 'a' && c <= 'z')
            c = static_cast<unsigned char>(c - 'a' + 'A');
        if (c <= 0x20 || c >= 0x7B || c == ',' || c == '[' || c == ']')
            continue;
        *out++ = static_cast<char>(c);
    }
    *out = '\0';
    return static_cast<int>(out - text);
}

void CutText(char* text, int maxBytes)
{
    if (std::strlen(text) > static_cast<std::size_t>(maxBytes))
        text[maxBytes] = '\0';
}

void CopyTextField(char* field, const char* source)
{
    std::size_t length = std::strlen(source);
    if (length > static_cast<std::size_t>(kMaxTextBytes))
        length = kMaxTextBytes;
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

void SplitEntryText(const char* entryText, char* name, char* fax)
{
    // The fax number is opened by the last "[": numbers never hold brackets,
    // while a name may keep a "[" as the trail byte of a double-byte character.
    const char* open = std::strrchr(entryText, '[');
    if (open == nullptr) {
        CopyTextField(name, entryText);
        fax[0] = '\0';
        return;
    }
    std::size_t nameLength = static_cast<std::size_t>(open - entryText);
    if (nameLength > 0)
        --nameLength; // the blank before "["
    if (nameLength > static_cast<std::size_t>(kMaxTextBytes))
        nameLength = kMaxTextBytes;
    std::memcpy(name, entryText, nameLength);
    name[nameLength] = '\0';

    const char* faxStart = open + 1;
    const char* close = std::strchr(faxStart, ']');
    std::size_t faxLength = close ? static_cast<std::size_t>(close - faxStart) : std::strlen(faxStart);
    if (faxLength > static_cast<std::size_t>(kMaxTextBytes))
        faxLength = kMaxTextBytes;
    std::memcpy(fax, faxStart, faxLength);
    fax[faxLength] = '\0';
}

int AddRecipientEntry(char* name, char* fax, ImportResult& result)
{
    if (CleanFaxNumber(fax) == 0)
        return kEntryNotAdded;
    TrimSpaces(name);
    ReplaceBrackets(name);
    std::string text = FormatEntryText(name, fax);
    if (result.recipients.FindFirst(text) >= 0)
        return kEntryNotAdded;
    // The 16-bit count cannot go past kMaxEntryCount, so that is a cap too.
    if ((result.entryCap > 0 && result.entryCount == result.entryCap) ||
        result.entryCount == kMaxEntryCount)
        return kEntryCapReached;
    result.recipients.Append(std::move(text));
    ++result.entryCount;
    return kEntryAdded;
}
