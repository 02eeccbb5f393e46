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
    {0x0141, 'L'}, {0x0142, 'l'}, {0x0150, 'O'}, {0x0151, 'o'}, {0x010C, 'C'}, {0x010D, 'c'},
    {0x0106, 'C'}, {0x0107, 'c'}, {0x015A, 'S'}, {0x015B, 's'}, {0x3000, ' '},
};

// Runs of characters with consecutive double-byte codes: count characters
// from first, coded lead and trail, trail + 1 and so on. The codes are those
// of code page 932; 华 and 销, which it lacks, have codes it leaves unused.
// The full-width forms and the ideographic blank come first, then ー 華 华 信
// 销 售 部 桜 山 田.
struct DoubleByteRun {
    char16_t first;
    unsigned char count;
    unsigned char lead;
    unsigned char trail;
};
constexpr DoubleByteRun kDoubleByteRuns[] = {
    {0x3000, 1, 0x81, 0x40}, {0xFF01, 1, 0x81, 0x49},  {0xFF02, 1, 0xFA, 0x57},  {0xFF03, 1, 0x81, 0x94},
    {0xFF04, 1, 0x81, 0x90}, {0xFF05, 1, 0x81, 0x93},  {0xFF06, 1, 0x81, 0x95},  {0xFF07, 1, 0xFA, 0x56},
    {0xFF08, 2, 0x81, 0x69}, {0xFF0A, 1, 0x81, 0x96},  {0xFF0B, 1, 0x81, 0x7B},  {0xFF0C, 1, 0x81, 0x43},
    {0xFF0D, 1, 0x81, 0x7C}, {0xFF0E, 1, 0x81, 0x44},  {0xFF0F, 1, 0x81, 0x5E},  {0xFF10, 10, 0x82, 0x4F},
    {0xFF1A, 2, 0x81, 0x46}, {0xFF1C, 1, 0x81, 0x83},  {0xFF1D, 1, 0x81, 0x81},  {0xFF1E, 1, 0x81, 0x84},
    {0xFF1F, 1, 0x81, 0x48}, {0xFF20, 1, 0x81, 0x97},  {0xFF21, 26, 0x82, 0x60}, {0xFF3B, 1, 0x81, 0x6D},
    {0xFF3C, 1, 0x81, 0x5F}, {0xFF3D, 1, 0x81, 0x6E},  {0xFF3E, 1, 0x81, 0x4F},  {0xFF3F, 1, 0x81, 0x51},
    {0xFF40, 1, 0x81, 0x4D}, {0xFF41, 26, 0x82, 0x81}, {0xFF5B, 1, 0x81, 0x6F},  {0xFF5C, 1, 0x81, 0x62},
    {0xFF5D, 1, 0x81, 0x70}, {0xFF5E, 1, 0x81, 0x60},  {0x30FC, 1, 0x81, 0x5B},  {0x83EF, 1, 0x89, 0xD8},
    {0x534E, 1, 0x98, 0x73}, {0x4FE1, 1, 0x90, 0x4D},  {0x9500, 1, 0x98, 0x74},  {0x552E, 1, 0x9A, 0x53},
    {0x90E8, 1, 0x95, 0x94}, {0x685C, 1, 0x8D, 0xF7},  {0x5C71, 1, 0x8E, 0x52},  {0x7530, 1, 0x93, 0x63},
};

// Appends the double-byte code of unit; false when it has none here.
bool AppendDoubleByte(char16_t unit, const LeadByteSet& leadBytes, std::vector<char>& out)
{
    for (const DoubleByteRun& run : kDoubleByteRuns) {
        if (unit >= run.first && unit - run.first < run.count && leadBytes.Contains(static_cast<char>(run.lead))) {
            out.push_back(static_cast<char>(run.lead));
            out.push_back(static_cast<char>(run.trail + (unit - run.first)));
            return true;
        }
    }
    return false;
}

// The character a lead byte and a trail byte code; '?' for one without a code.
char16_t FromDoubleByte(unsigned char lead, unsigned char trail)
{
    for (const DoubleByteRun& run : kDoubleByteRuns) {
        if (lead == run.lead && trail >= run.trail && trail - run.trail < run.count)
            return static_cast<char16_t>(run.first + (trail - run.trail));
    }
    return u'?';
}

char ToWindows1252(char16_t unit)
{
    if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF))
        return static_cast<char>(unit);
    // The full-width forms become the ASCII characters they widen.
    if (unit >= 0xFF01 && unit <= 0xFF5E)
        return static_cast<char>(unit - 0xFF01 + '!');
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
        if (!latin1 && codePage != 1252 && leadBytes.Contains(text[i])) {
            out.push_back(i + 1 < size ? FromDoubleByte(byte, static_cast<unsigned char>(text[++i])) : u'?');
            continue;
        }
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
        if (AppendDoubleByte(text[i], leadBytes, out))
            continue;
        // A byte that opens a pair cannot stand for a character alone.
        const char single = ToWindows1252(text[i]);
        out.push_back(leadBytes.Contains(single) ? '?' : single);
    }
}

void Windows1252::UpperCase(char* text) const
{
    for (unsigned char* p = reinterpret_cast<unsigned char*>(text); *p != 0; ++p) {
        if (leadBytes.CharacterSize(reinterpret_cast<const char*>(p)) == 2) {
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
