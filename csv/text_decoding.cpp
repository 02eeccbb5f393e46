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

// Where converted text goes: appended to a vector, or written over the text
// being converted, behind the point read so far. A loaded file is converted
// in place: a second buffer of its size would cost more than the conversion.
class AnsiOutput {
public:
    explicit AnsiOutput(std::vector<char>& out) : appended_(&out) {}
    explicit AnsiOutput(char* text) : write_(text) {}

    // Puts bytes converted from input read up to readEnd.
    void Put(const char* bytes, std::size_t count, const char* readEnd)
    {
        if (appended_ == nullptr && count > static_cast<std::size_t>(readEnd - write_))
            appended_ = &overflow_; // more bytes than the input took: the rest goes aside
        if (appended_ != nullptr) {
            appended_->insert(appended_->end(), bytes, bytes + count);
        } else {
            if (write_ != bytes) // text not yet shortened is already in place
                std::memmove(write_, bytes, count);
            write_ += count;
        }
    }
    // In place: the end of what was written there, and what went aside.
    char* WriteEnd() const { return write_; }
    const std::vector<char>& Overflow() const { return overflow_; }

private:
    std::vector<char>* appended_ = nullptr;
    char* write_ = nullptr;
    std::vector<char> overflow_;
};

// Gathers UTF-16 units and hands them to the code page a block at a time.
class Utf16Sink {
public:
    Utf16Sink(const AnsiCodePage& codePage, AnsiOutput& output) : codePage_(codePage), output_(output) {}

    // Adds a character read from input before readEnd.
    void Put(char32_t codePoint, const char* readEnd)
    {
        if (used_ + 2 > kBlockUnits)
            Flush(readEnd);
        if (codePoint < 0x10000) {
            block_[used_++] = static_cast<char16_t>(codePoint);
        } else {
            codePoint -= 0x10000;
            block_[used_++] = static_cast<char16_t>(0xD800 + (codePoint >> 10));
            block_[used_++] = static_cast<char16_t>(0xDC00 + (codePoint & 0x3FF));
        }
    }
    void PutUnit(char16_t unit, const char* readEnd)
    {
        // A surrogate pair is never split between two blocks.
        if (used_ == kBlockUnits || (used_ + 1 == kBlockUnits && unit >= 0xD800 && unit <= 0xDBFF))
            Flush(readEnd);
        block_[used_++] = unit;
    }
    // Converts what was gathered; all of it was read before readEnd.
    void Flush(const char* readEnd)
    {
        if (used_ == 0)
            return;
        converted_.clear();
        codePage_.AppendFromUtf16(block_, used_, converted_);
        output_.Put(converted_.data(), converted_.size(), readEnd);
        used_ = 0;
    }

private:
    static constexpr std::size_t kBlockUnits = 16384;
    const AnsiCodePage& codePage_;
    AnsiOutput& output_;
    char16_t block_[kBlockUnits];
    std::size_t used_ = 0;
    std::vector<char> converted_;
};

void ConvertUtf8(const Byte* p, const Byte* end, const AnsiCodePage& codePage, AnsiOutput& output)
{
    Utf16Sink sink(codePage, output);
    while (p < end) {
        // Every ANSI code page of Windows holds ASCII as it is, so runs of
        // it are copied rather than converted.
        const Byte* ascii = AsciiRunEnd(p, end);
        if (ascii > p) {
            sink.Flush(reinterpret_cast<const char*>(p));
            output.Put(reinterpret_cast<const char*>(p), static_cast<std::size_t>(ascii - p),
                       reinterpret_cast<const char*>(ascii));
            p = ascii;
            continue;
        }
        char32_t codePoint;
        const int length = DecodeUtf8(p, end, codePoint);
        sink.Put(length == 0 ? U'?' : codePoint, reinterpret_cast<const char*>(p));
        p += length == 0 ? 1 : length;
    }
    sink.Flush(reinterpret_cast<const char*>(end));
}

void ConvertUtf16(const Byte* p, const Byte* end, bool bigEndian, const AnsiCodePage& codePage, AnsiOutput& output)
{
    Utf16Sink sink(codePage, output);
    for (; end - p >= 2; p += 2)
        sink.PutUnit(static_cast<char16_t>(bigEndian ? (p[0] << 8) | p[1] : (p[1] << 8) | p[0]),
                     reinterpret_cast<const char*>(p));
    sink.Flush(reinterpret_cast<const char*>(end));
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

void DecodeToAnsiCodePage(std::vector<char>& text, const AnsiCodePage& codePage)
{
    const std::size_t size = text.size() - 1; // the final zero is not the file's
    const DetectedEncoding detected = DetectTextEncoding(text.data(), size);
    if (detected.encoding == TextEncoding::kAnsi)
        return;
    const Byte* begin = reinterpret_cast<const Byte*>(text.data()) + detected.markBytes;
    const Byte* end = reinterpret_cast<const Byte*>(text.data()) + size;
    AnsiOutput output(text.data());
    if (detected.encoding == TextEncoding::kUtf8)
        ConvertUtf8(begin, end, codePage, output);
    else
        ConvertUtf16(begin, end, detected.encoding == TextEncoding::kUtf16Be, codePage, output);
    text.resize(static_cast<std::size_t>(output.WriteEnd() - text.data()));
    text.insert(text.end(), output.Overflow().begin(), output.Overflow().end());
    text.push_back('\0');
}

void AppendUtf8AsAnsi(const char* bytes, std::size_t size, const AnsiCodePage& codePage, std::vector<char>& out)
{
    AnsiOutput output(out);
    const Byte* p = reinterpret_cast<const Byte*>(bytes);
    ConvertUtf8(p, p + size, codePage, output);
}
