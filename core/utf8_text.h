// UTF-8 read character by character, and UTF-8 text brought into the ANSI
// code page: what the contact file readers and the directory share.
#pragma once

#include <cstddef>
#include <vector>

class AnsiCodePage;

namespace utf8 {

// Length of the valid UTF-8 sequence at p (1 to 4) with its code point, or 0
// when the bytes there are not one: overlong forms, surrogates and code
// points past U+10FFFF are not valid.
int DecodeUtf8(const unsigned char* p, const unsigned char* end, char32_t& codePoint);

// The end of the run of bytes below 0x80 that starts at p.
const unsigned char* AsciiRunEnd(const unsigned char* p, const unsigned char* end);

} // namespace utf8

// Appends UTF-8 bytes in the code page; a byte that does not belong to a
// valid sequence becomes '?'. Throws std::bad_alloc.
void AppendUtf8AsAnsi(const char* bytes, std::size_t size, const AnsiCodePage& codePage, std::vector<char>& out);
