// The vCard reader on arbitrary text, in a single-byte code page or, when the
// first byte is odd, in one with the lead bytes of code page 932; taken as
// UTF-8 text when the first byte's second bit is set, else as code-page
// text. The reader is given the fuzzer's own bytes, which end at their size:
// a read past it is an error. Every entry must fit its fields, end on a
// whole character and have a number.
#include <cstddef>
#include <cstdint>

#include "core/file_system.h"
#include "csv/vcard_reader.h"
#include "support/windows_1252.h"

namespace {

// Whether the field is terminated inside its bytes, after a whole character.
bool IsWholeField(const char (&field)[kTextFieldBytes], const LeadByteSet& leadBytes)
{
    std::size_t i = 0;
    while (i < sizeof field && field[i] != '\0') {
        if (leadBytes.Contains(field[i]) && (i + 1 == sizeof field || field[i + 1] == '\0'))
            return false;
        i += leadBytes.Contains(field[i]) ? 2 : 1;
    }
    return i < sizeof field;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Windows1252 codePage;
    if (size > 0 && (data[0] & 1) != 0) {
        codePage.leadBytes.AddRange(0x81, 0x9F);
        codePage.leadBytes.AddRange(0xE0, 0xFC);
    }
    const TextEncoding encoding = size > 0 && (data[0] & 2) != 0 ? TextEncoding::kUtf8 : TextEncoding::kAnsi;
    const char* text = reinterpret_cast<const char*>(data);
    IsVCardText(text, size);
    OfferedEntryTable entries;
    const ReadOutcome read = ReadVCardEntries(text, size, encoding, codePage, entries);
    if ((read.status != ReadStatus::kOk && read.status != ReadStatus::kTooManyEntries) || read.rejected < 0 ||
        read.count != static_cast<int>(entries.size()) || entries.size() > static_cast<std::size_t>(kMaxEntryCount))
        __builtin_trap();
    for (const OfferedEntry& entry : entries) {
        if (!IsWholeField(entry.name, codePage.leadBytes) || !IsWholeField(entry.faxNumber, codePage.leadBytes) ||
            entry.faxNumber[0] == '\0')
            __builtin_trap();
    }
    return 0;
}
