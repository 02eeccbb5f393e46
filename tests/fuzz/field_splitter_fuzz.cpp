// The field splitter and the text routines on arbitrary lines and files, in a
// single-byte code page or, when the first byte is odd, in a double-byte one.
#include <cstring>

#include "core/ansi_code_page.h"
#include "core/import_result.h"
#include "core/text_routines.h"
#include "fuzz_input.h"
#include "support/windows_1252.h"

namespace {

// Whether every square bracket left in text is the trail byte of a pair.
bool BracketsOnlyAsTrailBytes(const char* text, const LeadByteSet& leadBytes)
{
    for (const char* p = text; *p != '\0'; p += leadBytes.CharacterSize(p)) {
        if (*p == '[' || *p == ']')
            return false;
    }
    return true;
}

// Whether a cleaned number is length bytes of digits, capitals and marks.
bool IsCleanNumber(const char* text, int length)
{
    for (const char* p = text; *p != '\0'; ++p) {
        if (*p <= ' ' || *p >= 'a' || *p == ',' || *p == '[' || *p == ']')
            return false;
    }
    return std::strlen(text) == static_cast<std::size_t>(length);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Windows1252 codePage;
    if (size > 0 && data[0] % 2 == 1)
        codePage.leadBytes.AddRange(0x81, 0xFE);
    const LeadByteSet& leadBytes = codePage.LeadBytes();
    std::vector<char> line = TextOf(data, size);
    const std::size_t length = std::strlen(line.data());
    CsvFieldTable fields;
    fields[0] = line.data();
    // Split at the separator the line itself would choose as a header.
    const char separator = DetectFieldSeparator(line.data());
    if (separator != ',' && separator != ';' && separator != '\t')
        __builtin_trap();
    CsvSplit split = SplitCsvLine(fields, separator);
    if (split.fieldCount < 0 || split.fieldCount > kMaxCsvFields)
        __builtin_trap();
    for (int i = 0; i < split.fieldCount; ++i) {
        // Every field lies inside the line and stays zero-terminated there.
        if (fields[i] < line.data() || fields[i] > line.data() + length)
            __builtin_trap();
        TrimSpaces(fields[i]);
        ReplaceBrackets(fields[i], leadBytes);
        if (!BracketsOnlyAsTrailBytes(fields[i], leadBytes))
            __builtin_trap();
        const int cleaned = CleanFaxNumber(fields[i], codePage);
        if (!IsCleanNumber(fields[i], cleaned))
            __builtin_trap();
    }

    // The whole input as a file cut into records: each cut moves on, every
    // field lies inside the file, and a field is never cut in a character.
    std::vector<char> file = FileOf(data, size);
    char* const end = file.data() + size;
    for (char* record = file.data(); record < end;) {
        char* next = SplitCsvRecord(record, end, separator, fields, split);
        if (next <= record || next > end || (split.unclosedQuote && next != end))
            __builtin_trap();
        for (int i = 0; i < split.fieldCount; ++i) {
            if (fields[i] < record || fields[i] > end)
                __builtin_trap();
            BlankLineBreaks(fields[i]);
            char field[kTextFieldBytes];
            CopyTextField(field, fields[i], leadBytes);
            const std::size_t cut = std::strlen(field);
            if (cut > static_cast<std::size_t>(kMaxTextBytes) || std::strncmp(field, fields[i], cut) != 0)
                __builtin_trap();
        }
        record = next;
    }

    return 0;
}
