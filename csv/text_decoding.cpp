#include "csv/text_decoding.h"

#include <cstdint>
#include <cstring>

#include "core/ansi_code_page.h"
#include "core/utf8_text.h"

namespace {

using Byte = unsigned char;
using utf8::AsciiRunEnd;
using utf8::DecodeUtf8;

// True when every sequence is valid UTF-8 and one at least is multi-byte.
bool IsMultiByteUtf8(const Byte* p, const Byte* end)
{
    bool multiByte = false;
    while (p < end) {
        p = AsciiRunEnd(p, end);
        if (p == end)
            break;
        char32_t codePoint;
        const int length = DecodeUtf8(p, end, codePoint);
        if (length == 0)
            return false;
        multiByte = true; // past an ASCII run, a valid sequence is a multi-byte one
        p += length;
    }
    return multiByte;
}

void AppendUtf8(char32_t codePoint, std::vector<char>& out)
{
    if (codePoint < 0x80) {
        out.push_back(static_cast<char>(codePoint));
    } else if (codePoint < 0x800) {
        out.insert(out.end(),
                   {static_cast<char>(0xC0 | (codePoint >> 6)), static_cast<char>(0x80 | (codePoint & 0x3F))});
    } else if (codePoint < 0x10000) {
        out.insert(out.end(),
                   {static_cast<char>(0xE0 | (codePoint >> 12)), static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F)),
                    static_cast<char>(0x80 | (codePoint & 0x3F))});
    } else {
        out.insert(out.end(),
                   {static_cast<char>(0xF0 | (codePoint >> 18)), static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F)),
                    static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F)), static_cast<char>(0x80 | (codePoint & 0x3F))});
    }
}

// UTF-16 text as UTF-8; a surrogate without its partner becomes U+FFFD.
void Utf16ToUtf8(const Byte* p, const Byte* end, bool bigEndian, std::vector<char>& out)
{
    const auto unitAt = [bigEndian](const Byte* at) {
        return static_cast<char32_t>(bigEndian ? (at[0] << 8) | at[1] : (at[1] << 8) | at[0]);
    };
    out.reserve(static_cast<std::size_t>(end - p) / 2 * 3 + 1);
    for (; end - p >= 2; p += 2) {
        char32_t unit = unitAt(p);
        if (unit >= 0xD800 && unit <= 0xDBFF && end - p >= 4 && unitAt(p + 2) >= 0xDC00 && unitAt(p + 2) <= 0xDFFF) {
            unit = 0x10000 + ((unit - 0xD800) << 10) + (unitAt(p + 2) - 0xDC00);
            p += 2;
        } else if (unit >= 0xD800 && unit <= 0xDFFF) {
            unit = 0xFFFD;
        }
        AppendUtf8(unit, out);
    }
}

} // namespace

DetectedEncoding DetectTextEncoding(const char* bytes, std::size_t size)
{
    const Byte* p = reinterpret_cast<const Byte*>(bytes);
    if (size >= 3 && p[0] == 0xEF && p[1] == 0xBB && p[2] == 0xBF)
        return {TextEncoding::kUtf8, 3};
    if (size >= 2 && p[0] == 0xFF && p[1] == 0xFE)
        return {TextEncoding::kUtf16Le, 2};
    if (size >= 2 && p[0] == 0xFE && p[1] == 0xFF)
        return {TextEncoding::kUtf16Be, 2};
    if (IsMultiByteUtf8(p, p + size))
        return {TextEncoding::kUtf8, 0};
    return {};
}

TextEncoding DecodeToUtf8(std::vector<char>& text)
{
    const std::size_t size = text.size() - 1; // the final zero is not the file's
    const DetectedEncoding detected = DetectTextEncoding(text.data(), size);
    if (detected.encoding == TextEncoding::kAnsi)
        return TextEncoding::kAnsi;
    if (detected.encoding == TextEncoding::kUtf8) {
        text.erase(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(detected.markBytes));
        return TextEncoding::kUtf8;
    }
    const Byte* begin = reinterpret_cast<const Byte*>(text.data()) + detected.markBytes;
    std::vector<char> utf8;
    Utf16ToUtf8(begin, begin + (size - detected.markBytes), detected.encoding == TextEncoding::kUtf16Be, utf8);
    utf8.push_back('\0');
    text.swap(utf8);
    return TextEncoding::kUtf8;
}

void CellConverter::Convert(char*& cell)
{
    if (encoding_ == TextEncoding::kAnsi)
        return;
    const std::size_t length = std::strlen(cell);
    const Byte* const begin = reinterpret_cast<const Byte*>(cell);
    if (AsciiRunEnd(begin, begin + length) == begin + length)
        return; // ASCII is the same in every code page
    converted_.clear();
    AppendUtf8AsAnsi(cell, length, codePage_, converted_);
    if (converted_.size() <= length) {
        std::memcpy(cell, converted_.data(), converted_.size());
        cell[converted_.size()] = '\0';
    } else {
        spilled_.emplace_back(converted_.begin(), converted_.end());
        cell = &spilled_.back()[0];
    }
}
