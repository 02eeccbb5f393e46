#include "core/utf8_text.h"

#include <cstdint>
#include <cstring>

#include "core/ansi_code_page.h"

namespace utf8 {

int DecodeUtf8(const unsigned char* p, const unsigned char* end, char32_t& codePoint)
{
    const unsigned char lead = p[0];
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

// The run is checked 32 bytes at a time where it is long.
const unsigned char* AsciiRunEnd(const unsigned char* p, const unsigned char* end)
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

} // namespace utf8

namespace {

using Byte = unsigned char;
using utf8::AsciiRunEnd;
using utf8::DecodeUtf8;

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

} // namespace

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
