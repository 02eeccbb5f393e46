#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "csv/text_decoding.h"
#include "support/windows_1252.h"

namespace {

std::string Decoded(const std::string& file, const AnsiCodePage& codePage = Windows1252())
{
    std::vector<char> text(file.begin(), file.end());
    text.push_back('\0');
    const TextEncoding encoding = DecodeToUtf8(text);
    EXPECT_EQ(text.back(), '\0');
    if (encoding == TextEncoding::kAnsi)
        return std::string(text.data(), text.size() - 1);
    std::vector<char> ansi;
    AppendUtf8AsAnsi(text.data(), text.size() - 1, codePage, ansi);
    return std::string(ansi.begin(), ansi.end());
}

std::string Utf16(const std::u16string& text, bool bigEndian)
{
    std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (char16_t unit : text) {
        const char high = static_cast<char>(unit >> 8), low = static_cast<char>(unit & 0xFF);
        bytes += bigEndian ? std::string{high, low} : std::string{low, high};
    }
    return bytes;
}

TEST(TextEncoding, DecidedOncePerFile)
{
    const auto encoding = [](const std::string& bytes) { return DetectTextEncoding(bytes.data(), bytes.size()); };
    EXPECT_EQ(encoding("Name,Fax\n").encoding, TextEncoding::kAnsi) << "ASCII alone is taken as ANSI";
    EXPECT_EQ(encoding("Zo\xC3\xAB,1\n").encoding, TextEncoding::kUtf8);
    EXPECT_EQ(encoding("\xEF\xBB\xBFName").markBytes, 3u);
    EXPECT_EQ(encoding("\xFF\xFEN\0").encoding, TextEncoding::kUtf16Le);
    EXPECT_EQ(encoding("\xFE\xFF\0N").encoding, TextEncoding::kUtf16Be);
    // One invalid sequence makes the whole file ANSI: a Windows-1252 "ë"
    // beside what looks like UTF-8, overlong forms, surrogates, a cut end.
    for (const char* ansi : {"Zo\xC3\xAB M\xFCller", "\xC0\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "ab\xE2\x82"})
        EXPECT_EQ(encoding(ansi).encoding, TextEncoding::kAnsi) << ansi;
}

TEST(TextEncoding, UnicodeFilesArriveInTheCodePageWithoutTheirMark)
{
    EXPECT_EQ(Decoded("\xEF\xBB\xBFName,Fax\r\nZo\xC3\xAB M\xC3\xBCller,1\r\n"), "Name,Fax\r\nZo\xEB M\xFCller,1\r\n");
    EXPECT_EQ(Decoded("Fran\xC3\xA7ois \xE2\x82\xAC \xC5\x81\xC3\xB3"
                      "d\xC5\xBA"),
              "Fran\xE7ois \x80 L\xF3"
              "d?")
        << "code page letter, best fit, else '?'";
    EXPECT_EQ(Decoded("\xE5\xB1\xB1\xE7\x94\xB0 \xF0\x9F\x93\xA0"), "?? ?") << "a surrogate pair is one character";
    EXPECT_EQ(Decoded(Utf16(u"Name\tFax\r\nZo\u00EB\t1\r\n", false)), "Name\tFax\r\nZo\xEB\t1\r\n");
    EXPECT_EQ(Decoded(Utf16(u"\u0141ukasz", true)), "Lukasz");
    EXPECT_EQ(Decoded(std::string("\xFF\xFEN\0a\0m", 7)), "Na") << "an odd last byte is no character";
    // ANSI files are left exactly as they are.
    EXPECT_EQ(Decoded("Zo\xEB,\xC3"
                      "\n"),
              "Zo\xEB,\xC3"
              "\n");
}

TEST(TextEncoding, LongFilesAreConvertedAcrossBlocks)
{
    // Surrogate pairs and two-byte letters on every block boundary.
    std::u16string wide;
    std::string utf8, expected;
    for (int i = 0; i < 40000; ++i) {
        wide += i % 3 ? u"\u00FC" : u"\U0001F4E0";
        utf8 += i % 3 ? "\xC3\xBC" : "\xF0\x9F\x93\xA0";
        expected += i % 3 ? '\xFC' : '?';
    }
    EXPECT_EQ(Decoded(Utf16(wide, false)), expected);
    EXPECT_EQ(Decoded(utf8), expected);
}

// A code page that writes three bytes for each UTF-16 unit, as the UTF-8
// ANSI code page of newer Windows can: more than a UTF-16 file takes.
class ThreeBytesEach : public Windows1252 {
public:
    void AppendFromUtf16(const char16_t* text, std::size_t count, std::vector<char>& out) const override
    {
        for (std::size_t i = 0; i < count; ++i)
            out.insert(out.end(), {'<', static_cast<char>(text[i]), '>'});
    }
};

TEST(TextEncoding, ACodePageNeedingMoreRoomLosesNothing)
{
    EXPECT_EQ(Decoded(Utf16(u"Name\u00E9\r\n", false), ThreeBytesEach()), "Name<\xE9>\r\n")
        << "ASCII is copied, the rest converted";
}

} // namespace
