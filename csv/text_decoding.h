// Brings a loaded contact file into the ANSI code page before it is read.
// Decided once per file: UTF-16 (LE or BE) and UTF-8 with a byte-order mark,
// UTF-8 without one when every sequence is valid and one at least is longer
// than a byte; anything else is taken as ANSI and left untouched.
#pragma once

#include <cstddef>
#include <vector>

class AnsiCodePage;

enum class TextEncoding { kAnsi, kUtf8, kUtf16Le, kUtf16Be };

struct DetectedEncoding {
    TextEncoding encoding = TextEncoding::kAnsi;
    std::size_t markBytes = 0; // the byte-order mark's length
};

DetectedEncoding DetectTextEncoding(const char* bytes, std::size_t size);

// Rewrites text (the file's bytes and one final zero) in the code page,
// without its byte-order mark; ANSI text stays exactly as it is.
// Throws std::bad_alloc.
void DecodeToAnsiCodePage(std::vector<char>& text, const AnsiCodePage& codePage);

// Appends UTF-8 bytes in the code page; a byte that does not belong to a
// valid sequence becomes '?'. Throws std::bad_alloc.
void AppendUtf8AsAnsi(const char* bytes, std::size_t size, const AnsiCodePage& codePage, std::vector<char>& out);
