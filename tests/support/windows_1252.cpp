#include "windows_1252.h"

namespace {

// 0x80 to 0x9F, where Windows-1252 differs from Latin-1 (0 = unassigned).
constexpr char16_t kHighControls[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

// Letters the code page lacks and the ones Windows puts in their place.
struct BestFit {
    char16_t from;
    char to;
};
constexpr BestFit kBestFits[] = {
    {0x0141, 'L'}, {0x0142, 'l'}, {0x0150, 'O'}, {0x0151, 'o'}, {0x010C, 'C'},
    {0x010D, 'c'}, {0x0106, 'C'}, {0x0107, 'c'}, {0x015A, 'S'}, {0x015B, 's'},
};

char ToWindows1252(char16_t unit)
{
    if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF))
        return static_cast<char>(unit);
    for (int i = 0; i < 32; ++i) {
        if (kHighControls[i] == unit)
            return static_cast<char>(0x80 + i);
    }
    for (const BestFit& fit : kBestFits) {
        if (fit.from == unit)
            return fit.to;
    }
    return '?';
}

} // namespace

bool Windows1252::AppendToUtf16(unsigned codePage, const char* text, std::size_t size, std::u16string& out) const
{
    const bool latin1 = codePage == 28591;
    if (codePage != kThisAnsiCodePage && codePage != 1252 && !latin1)
        return false;
    for (std::size_t i = 0; i < size; ++i) {
        const unsigned char byte = static_cast<unsigned char>(text[i]);
        const bool control = !latin1 && byte >= 0x80 && byte < 0xA0;
        out.push_back(control ? (kHighControls[byte - 0x80] != 0 ? kHighControls[byte - 0x80] : u'?') : byte);
    }
    return true;
}

void Windows1252::AppendFromUtf16(const char16_t* text, std::size_t count, std::vector<char>& out) const
{
    out.reserve(out.size() + count);
    for (std::size_t i = 0; i < count; ++i) {
        if (text[i] < 0x80) {
            out.push_back(static_cast<char>(text[i]));
            continue;
        }
        // A surrogate pair is one character the code page lacks.
        if (text[i] >= 0xD800 && text[i] <= 0xDBFF && i + 1 < count && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF)
            ++i;
        out.push_back(ToWindows1252(text[i]));
    }
}

void Windows1252::UpperCase(char* text) const
{
    for (unsigned char* p = reinterpret_cast<unsigned char*>(text); *p != 0; ++p) {
        if (leadBytes.Contains(static_cast<char>(*p)) && p[1] != 0) {
            ++p; // a double-byte character has no case here
        } else if ((*p >= 'a' && *p <= 'z') || (*p >= 0xE0 && *p <= 0xFE && *p != 0xF7)) {
            *p = static_cast<unsigned char>(*p - 0x20);
        } else if (*p == 0x9A || *p == 0x9C || *p == 0x9E) {
            *p = static_cast<unsigned char>(*p - 0x10);
        } else if (*p == 0xFF) {
            *p = 0x9F;
        }
    }
}
