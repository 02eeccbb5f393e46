#include "csv/text_decoding.h"

#include <cstdint>
#include <cstring>

#include "core/ansi_code_page.h"

namespace {

using Byte = unsigned char;

// Length of the valid UTF-8 sequence at p (1 to 4) with its code point, or 0
// when the bytes there are not one: overlong forms, surrogates and code
// points past U+10FFFF are not valid.
int DecodeUtf8(const Byte* p, const Byte* end, char32_t& codePoint)
{
    const Byte lead = p[0];
    if (lead < 0x80) {
        codePoint = lead;
        return 1;
    }
    int length = 0;
    char32_t minimum = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        minimum = 0x80;
        codePoint = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        minimum = 0x800;
        codePoint = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        minimum = 0x10000;
        codePoint = lead & 0x07;
    } else {
        return 0;
    }
    if (end - p < length)
        return 0;
    for (int i = 1; i < length; ++i) {
        if ((p[i] & 0xC0) != 0x80)
            return 0;
        codePoint = (codePoint << 6) | (p[i] & 0x3F);
    }
    if (codePoint < minimum || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF))
        return 0;
    return length;
}

// The end of the run of bytes below 0x80 that starts at p, found 32 bytes
// at a time where it is long.
const Byte* AsciiRunEnd(const Byte* p, const Byte* end)
{
    constexpr std::uint64_t kHighBits = 0x8080808080808080ULL;
    while (end - p >= 32) {
        std::uint64_t block[4];
        std::memcpy(block, p, sizeof(block));
        if (((block[0] | block[1] | block[2] | block[3]) & kHighBits) != 0)
            break;
        p += 32;
    }
    while (p < end && *p < 0x80)
        ++p;
    return p;
}

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

// Gathers UTF-16 units and hands them to the code page a block at a time.
class Utf16Sink {
public:
    Utf16Sink(const AnsiCodePage& codePage, std::vector<char>& out) : codePage_(codePage), out_(out) {}

    void Put(char32_t codePoint)
    {
        if (used_ + 2 > kBlockUnits)
            Flush();
        if (codePoint < 0x10000) {
            block_[used_++] = static_cast<char16_t>(codePoint);
        } else {
            codePoint -= 0x10000;
            block_[used_++] = static_cast<char16_t>(0xD800 + (codePoint >> 10));
            block_[used_++] = static_cast<char16_t>(0xDC00 + (codePoint & 0x3FF));
        }
    }
    void Flush()
    {
        if (used_ == 0)
            return;
        codePage_.AppendFromUtf16(block_, used_, out_);
        used_ = 0;
    }

private:
    static constexpr std::size_t kBlockUnits = 1024;
    const AnsiCodePage& codePage_;
    std::vector<char>& out_;
    char16_t block_[kBlockUnits];
    std::size_t used_ = 0;
};

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

void AppendUtf8AsAnsi(const char* bytes, std::size_t size, const AnsiCodePage& codePage, std::vector<char>& out)
{
    const Byte* p = reinterpret_cast<const Byte*>(bytes);
    const Byte* const end = p + size;
    Utf16Sink sink(codePage, out);
    while (p < end) {
        // Every ANSI code page of Windows holds ASCII as it is, so runs of
        // it are copied rather than converted.
        const Byte* ascii = AsciiRunEnd(p, end);
        if (ascii > p) {
            sink.Flush();
            out.insert(out.end(), p, ascii);
            p = ascii;
            continue;
        }
        char32_t codePoint;
        const int length = DecodeUtf8(p, end, codePoint);
        sink.Put(length == 0 ? U'?' : codePoint);
        p += length == 0 ? 1 : length;
    }
    sink.Flush();
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
