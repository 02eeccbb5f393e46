// How a loaded contact file is written, decided once per file: UTF-16 (LE or
// BE) and UTF-8 with a byte-order mark, UTF-8 without one when every sequence
// is valid and one at least is longer than a byte; anything else is taken as
// ANSI. Its fields are found first and converted to the ANSI code page after.
#pragma once

#include <cstddef>
#include <deque>
#include <string>
#include <vector>

#include "core/utf8_text.h"

class AnsiCodePage;

enum class TextEncoding { kAnsi, kUtf8, kUtf16Le, kUtf16Be };

struct DetectedEncoding {
    TextEncoding encoding = TextEncoding::kAnsi;
    std::size_t markBytes = 0; // the byte-order mark's length
};

DetectedEncoding DetectTextEncoding(const char* bytes, std::size_t size);

// Brings loaded text (the file's bytes and one final zero) to the form its
// records are found in: UTF-16 becomes UTF-8 and a byte-order mark goes.
// Returns kUtf8 for Unicode text, kAnsi for text left exactly as it is.
// Separators, quotes and line breaks are single bytes in both, and no other
// character contains their bytes. Throws std::bad_alloc.
TextEncoding DecodeToUtf8(std::vector<char>& text);

// Brings cells cut out of text in the code page: cells of UTF-8 text are
// converted, each in place where the converted text fits, else into room of
// its own that lasts until NextRow; cells of ANSI text stay as they are.
class CellConverter {
public:
    CellConverter(TextEncoding encoding, const AnsiCodePage& codePage) : encoding_(encoding), codePage_(codePage) {}

    // cell is zero-terminated. Throws std::bad_alloc.
    void Convert(char*& cell);
    // The cells converted so far are no longer needed.
    void NextRow()
    {
        if (!spilled_.empty())
            spilled_.clear();
    }

private:
    const TextEncoding encoding_;
    const AnsiCodePage& codePage_;
    std::vector<char> converted_;
    std::deque<std::string> spilled_;
};
