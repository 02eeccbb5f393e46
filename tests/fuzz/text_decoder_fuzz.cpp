// The text decoder on arbitrary files: whatever the bytes, the result is a
// zero-terminated text, and a file taken as ANSI comes back untouched.
#include <cstring>

#include "csv/text_decoding.h"
#include "fuzz_input.h"
#include "support/windows_1252.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const Windows1252 codePage;
    std::vector<char> text = FileOf(data, size);
    const DetectedEncoding detected = DetectTextEncoding(text.data(), size);
    DecodeToUtf8(text);
    // UTF-16 takes at most three bytes of UTF-8 for every two of its own;
    // other text keeps its size or loses its byte-order mark.
    if (text.empty() || text.back() != '\0' || text.size() > size + size / 2 + 1)
        __builtin_trap();
    if (detected.encoding == TextEncoding::kAnsi &&
        (text.size() != size + 1 || std::memcmp(text.data(), data, size) != 0))
        __builtin_trap();

    // Any bytes taken as UTF-8: one code page byte at most per input byte.
    std::vector<char> out;
    AppendUtf8AsAnsi(reinterpret_cast<const char*>(data), size, codePage, out);
    if (out.size() > size)
        __builtin_trap();
    return 0;
}
