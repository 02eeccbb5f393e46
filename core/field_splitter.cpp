#include "core/field_splitter.h"

#include <cstring>
#include <string_view>

#include "core/line_walker.h"

namespace {

char* FindByte(char* from, const char* end, char byte)
{
    return static_cast<char*>(std::memchr(from, byte, static_cast<std::size_t>(end - from)));
}

// Reads a quoted field that starts at quote (its opening quote). The text is
// gathered in place from quote + 1; doubled quotes become one. Returns the
// closing quote, or nullptr when the field is not closed before end. A
// doubled quote with no quote after it anywhere closes the field.
char* ReadQuotedField(char* quote, char* end)
{
    char* closing = FindByte(quote + 1, end, '"');
    if (closing == nullptr)
        return nullptr;
    char* gathered = closing; // where the gathered text ends
    while (closing + 1 < end && closing[1] == '"') {
        char* next = FindByte(closing + 2, end, '"');
        if (next == nullptr)
            break;
        *gathered++ = '"';
        const std::size_t runLength = static_cast<std::size_t>(next - (closing + 2));
        std::memmove(gathered, closing + 2, runLength);
        gathered += runLength;
        closing = next;
    }
    // The bytes after the closing quote stay in the buffer up to the next
    // separator, so the separator search starts behind them.
    *gathered = '\0';
    return closing;
}

} // namespace

char* SplitCsvRecord(char* record, char* end, char separator, CsvFieldTable& fields, CsvSplit& split)
{
    split = CsvSplit();
    TextLine line = LineWalker(record, end).Next();
    // An empty line holds no fields; neither does a CR that ends the text.
    if (line.text.empty() || (line.text == "\r" && line.endSize == 0)) {
        CutLine(record, line);
        return record + line.text.size() + line.endSize;
    }
    char* lineEnd = record + line.text.size();
    int index = 0;
    for (char* cursor = record;;) {
        char* fieldEnd = cursor; // a separator is looked for from here on
        char* const text = *cursor == '"' && cursor < end ? cursor + 1 : cursor;
        if (index < kMaxCsvFields)
            fields[index] = text;
        if (text != cursor) {
            char* closing = ReadQuotedField(cursor, end);
            if (closing == nullptr) {
                split.fieldCount = index < kMaxCsvFields ? index + 1 : kMaxCsvFields;
                split.unclosedQuote = true;
                return end;
            }
            fieldEnd = closing + 1;
            // Line breaks inside the quotes belong to the field: the record
            // ends with the line the field ends in.
            if (fieldEnd > lineEnd) {
                line = LineWalker(fieldEnd, end).Next();
                lineEnd = fieldEnd + line.text.size();
            }
        }
        char* next = FindByte(fieldEnd, lineEnd, separator);
        if (next == nullptr)
            break;
        *next = '\0';
        cursor = next + 1;
        ++index;
    }
    split.fieldCount = index < kMaxCsvFields ? index + 1 : kMaxCsvFields;
    CutLine(record, line);
    return lineEnd + line.endSize;
}

CsvSplit SplitCsvLine(CsvFieldTable& fields, char separator)
{
    CsvSplit split;
    char* line = fields[0];
    if (line == nullptr || *line == '\0')
        return split;
    SplitCsvRecord(line, line + std::strlen(line), separator, fields, split);
    return split;
}

char DetectFieldSeparator(const char* header)
{
    int commas = 0, semicolons = 0, tabs = 0;
    bool fieldStart = true; // a quote opens a quoted field only as its first byte
    for (const char* p = header; *p != '\0' && *p != '\n'; ++p) {
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
        commas += *p == ',';
        semicolons += *p == ';';
        tabs += *p == '\t';
        fieldStart = *p == ',' || *p == ';' || *p == '\t';
    }
    if (commas >= semicolons && commas >= tabs)
        return ',';
    return semicolons >= tabs ? ';' : '\t';
}

char* SkipSeparatorLine(char* text, const char* end, char& separator)
{
    const std::string_view key = "sep=";
    LineWalker lines(text, end);
    std::string_view line = lines.Next().text;
    const bool quoted = !line.empty() && line.front() == '"';
    line.remove_prefix(quoted ? 1 : 0);
    if (line.size() <= key.size())
        return text;
    for (std::size_t i = 0; i < key.size(); ++i) {
        if ((line[i] | 0x20) != key[i])
            return text;
    }
    const char named = line[key.size()];
    if (named == '\r' || named == '\0')
        return text;
    line.remove_prefix(key.size() + 1);
    if (quoted && !line.empty() && line.front() == '"')
        line.remove_prefix(1);
    // Programs that pad every line to the same number of fields add
    // separators after it.
    if (line.find_first_not_of(named) != std::string_view::npos)
        return text;
    separator = named;
    return text + (lines.Rest().data() - text);
}
