// Turns fuzzer bytes into the zero-terminated texts the routines take.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// The bytes as one text: a zero byte inside ends it, as it would in a file line.
inline std::vector<char> TextOf(const std::uint8_t* data, std::size_t size)
{
    std::vector<char> text(data, data + size);
    text.push_back('\0');
    return text;
}

// The bytes as a loaded file: all of them, then the reader's terminator.
inline std::vector<char> FileOf(const std::uint8_t* data, std::size_t size)
{
    return TextOf(data, size);
}
