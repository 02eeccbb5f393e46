#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>
#include <tuple>

#include "core/file_system.h"
#include "csv/text_decoding.h"
#include "csv/vcard_reader.h"
#include "support/windows_1252.h"

namespace {

using Texts = std::vector<std::string>;

struct VCardRead : ReadOutcome {
    Texts entries; // "name|fax"
};

VCardRead Read(const std::string& text, const AnsiCodePage& codePage = Windows1252(),
               TextEncoding encoding = TextEncoding::kAnsi)
{
    VCardRead read;
    OfferedEntryTable entries;
    static_cast<ReadOutcome&>(read) = ReadVCardEntries(text.data(), text.size(), encoding, codePage, entries);
    for (const OfferedEntry& entry : entries)
        read.entries.push_back(std::string(entry.name) + "|" + entry.faxNumber);
    return read;
}

std::string Card(const std::string& lines)
{
    return "BEGIN:VCARD\r\nVERSION:3.0\r\n" + lines + "END:VCARD\r\n";
}

TEST(VCardReader, EverySpellingOfTheFaxTypeCounts)
{
    for (const char* tel : {"TEL;FAX;WORK:", "TEL;WORK;FAX:", "TEL;TYPE=WORK;TYPE=FAX:", "TEL;TYPE=WORK,FAX:",
                            "tel;type=fax;type=work:", "item1.TEL;type=FAX:", "TEL;TYPE=\"fax,work\";VALUE=uri:tel:",
                            "TEL;TYPE=WORK, Fax:", "TEL;FAX;ENCODING=QUOTED-PRINTABLE:"}) {
        const VCardRead read = Read(Card(std::string("FN:Ann\r\n") + tel + "5 55\r\n"));
        EXPECT_EQ(read.entries, (Texts{"Ann|555"})) << tel;
        EXPECT_EQ(read.rejected, 0) << tel;
    }
    for (const char* tel : {"TEL;TYPE=X-FAXLIKE:", "TEL;WORK:", "TEL:", "TEL;X-LABEL=FAX:", "FAX:", "TELFAX;FAX:",
                            "TEL;TYPE=FAX", "TEL;TYPE=\"FAX:"}) {
        const VCardRead read = Read(Card(std::string("FN:Ann\r\n") + tel + "555\r\n"));
        EXPECT_TRUE(read.entries.empty()) << tel;
        EXPECT_EQ(read.rejected, 1) << tel;
    }
}

TEST(VCardReader, NumbersLoseUriPartsAndUndialledCharacters)
{
    EXPECT_EQ(Read(Card("TEL;TYPE=fax;VALUE=uri:tel:+1-555-0100;ext=12\r\nTEL;FAX: TEL:12;3\r\n"
                        "TEL;FAX:(030) 555,01\r\n"))
                  .entries,
              (Texts{"|+1-555-0100", "|12", "|(030)55501"}));
    const VCardRead empty = Read(Card("FN:Ann\r\nTEL;FAX: ,\r\nTEL;FAX:tel:;ext=1\r\n"));
    EXPECT_TRUE(empty.entries.empty());
    EXPECT_EQ(empty.rejected, 1);
}

TEST(VCardReader, FoldedLinesAreJoinedWithAnyLineEnd)
{
    const std::string folded = "BEGIN:VCARD\r\nFN:Ma\r\n rie  Cur\r\n\tie\r\nTEL;\r\n FAX:12\r\n 34\r\nEND:VCARD\r\n";
    EXPECT_EQ(Read(folded).entries, (Texts{"Marie  Curie|1234"}));
    std::string lf = folded, cr = folded;
    lf.erase(std::remove(lf.begin(), lf.end(), '\r'), lf.end());
    cr.erase(std::remove(cr.begin(), cr.end(), '\n'), cr.end());
    EXPECT_EQ(Read(lf).entries, (Texts{"Marie  Curie|1234"}));
    EXPECT_EQ(Read(cr).entries, (Texts{"Marie  Curie|1234"}));
    // 2.1 keeps the blank that starts a continuation line, until the next card.
    const std::string fn = "FN:Max\r\n von\r\n\tHo\r\nTEL;FAX:1\r\nEND:VCARD\r\nBEGIN:VCARD\r\n";
    EXPECT_EQ(Read("BEGIN:VCARD\r\nVERSION:2.1\r\n" + fn + fn + "VERSION:4.0\r\n" + fn).entries,
              (Texts{"Max von Ho|1", "MaxvonHo|1", "MaxvonHo|1"}));
    // CR CR LF ends one line; a CR CR without LF ends two.
    EXPECT_EQ(Read(Card("FN;QUOTED-PRINTABLE:A=\r\r\nB=\r\r=43\r\r\nTEL;FAX:1\r\r\n")).entries, (Texts{"AB|1"}));
}

TEST(VCardReader, QuotedPrintableAndCharsets)
{
    // A soft line break, UTF-8 into the code page, "=" that opens no byte.
    EXPECT_EQ(Read(Card("FN;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:Zo=C3=AB M=C3=BC=\r\nller=\r\n\r\n"
                        "TEL;FAX;QUOTED-PRINTABLE:=31=\r\n=3x2\r\n"))
                  .entries,
              (Texts{"Zo\xEB M\xFCller|1=3X2"}));
    // The value's CHARSET, through the platform; raw values of a UTF-8 text are
    // UTF-8 whatever CHARSET says, and are converted once. A value that is not
    // valid UTF-8, or in a code page the platform cannot read, stays as it is.
    const TextEncoding ansi = TextEncoding::kAnsi, utf8 = TextEncoding::kUtf8;
    const std::vector<std::tuple<TextEncoding, std::string, std::string>> cases = {
        {ansi, "FN;CHARSET=ISO-8859-1;ENCODING=QUOTED-PRINTABLE:M=FCller=80", "M\xFCller?"},
        {ansi, "FN;CHARSET=\"Windows-1252\";QUOTED-PRINTABLE:M=FCller=80", "M\xFCller\x80"},
        {ansi, "FN;CHARSET=windows-1250:\x8A", "\x8A"},
        {ansi, "FN;CHARSET=UTF-8:M\xFCller", "M\xFCller"},
        {ansi, "FN:M\xC3\xBC", "M\xC3\xBC"},
        {utf8, "FN;CHARSET=UTF-8:\xC3\x83\xC2\xBC", "\xC3\xBC"},
        {utf8, "FN;CHARSET=ISO-8859-1:M\xC3\xBCller", "M\xFCller"},
        {utf8, "FN;QUOTED-PRINTABLE:M=C3=BC", "M\xFC"},
        {utf8, "FN;CHARSET=ISO-8859-1;QUOTED-PRINTABLE:M=C3=BC", "M\xC3\xBC"},
    };
    for (const auto& [encoding, line, name] : cases)
        EXPECT_EQ(Read(Card(line + "\r\nTEL;FAX:1\r\n"), Windows1252(), encoding).entries, (Texts{name + "|1"}))
            << line;
    // Without quoted-printable a line ending in "=" is complete.
    EXPECT_EQ(Read(Card("FN:A=\r\nTEL;FAX:1\r\n")).entries, (Texts{"A=|1"}));
}

// Windows1252 that notes the code pages it is asked to read.
struct NotingCodePage : Windows1252 {
    bool AppendToUtf16(unsigned codePage, const char* text, std::size_t size, std::u16string& out) const override
    {
        asked.push_back(codePage);
        return Windows1252::AppendToUtf16(codePage, text, size, out);
    }
    mutable std::vector<unsigned> asked;
};

TEST(VCardReader, CharsetNamesAreWindowsCodePages)
{
    const std::vector<std::pair<const char*, unsigned>> cases = {
        {"windows-1250", 1250}, {"WINDOWS-1258", 1258}, {"iso-8859-1", 28591}, {"ISO-8859-15", 28605},
        {"Shift_JIS", 932},     {"gb2312", 936},        {"BIG5", 950},         {"windows-1249", 0},
        {"iso-8859-16", 0},     {"iso-8859-", 0},       {"KOI8-R", 0},         {"UTF-8", 0},
    };
    for (const auto& [charset, number] : cases) {
        NotingCodePage codePage;
        Read(Card(std::string("FN;QUOTED-PRINTABLE;CHARSET=") + charset + ":A\r\nTEL;FAX:1\r\n"), codePage);
        EXPECT_EQ(codePage.asked, number ? std::vector<unsigned>{number} : std::vector<unsigned>{}) << charset;
    }
}

TEST(VCardReader, ItemLabelsMakeFaxNumbers)
{
    Windows1252 doubleByte;
    doubleByte.leadBytes.AddRange(0x81, 0x9F);
    const std::vector<std::pair<std::string, Texts>> cases = {
        {"item1.TEL:1\r\nitem1.X-ABLabel:_$!<OtherFax>!$_\r\n", {"|1"}},
        {"ITEM2.X-ABLABEL:Work fax\r\nTEL;FAX:1\r\nitem3.TEL:3\r\nitem2.tel:2\r\nitem3.X-ABLabel:T\xE9l\xE9"
         "copie\r\n",
         {"|1", "|3", "|2"}},
        {"item1.TEL:1\r\nitem1.X-ABLabel:Atelier\r\nitem2.X-ABLabel:Fax\r\nTEL:2\r\nX-ABLabel:Fax\r\n", {}},
        {"item1.TEL:1\r\nitem1.X-ABLabel:\x81"
         "FAX\r\n",
         {}},
    };
    for (const auto& [lines, entries] : cases)
        EXPECT_EQ(Read(Card(lines), doubleByte).entries, entries) << lines;
    // A label counts in its own card only.
    EXPECT_TRUE(Read(Card("item1.X-ABLabel:Fax\r\n") + Card("item1.TEL:1\r\n")).entries.empty());
}

TEST(VCardReader, TextEscapesAndNameChoice)
{
    const char* fax = "TEL;FAX:1\r\n";
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"FN:Smith\\, Jones\\; Co\\\\\\nLtd\\x\r\nN:No;Body\r\n", "Smith, Jones; Co\\ Ltd\\x"},
        {"FN: \r\nN:O\\;Neil;Pat;Q;Dr;\r\nORG:Acme\r\n", "Pat O;Neil"},
        {"N:Curie;;;;\r\n", "Curie"},
        {"N:;Marie\r\n", "Marie"},
        {"N:;;;;\r\nORG:Acme\\, Inc.;Sales\r\n", "Acme, Inc."},
        {"ORG:[Lab]\r\nN:\r\nFN:\r\n", "(Lab)"},
        {"FN:\r\nFN:Second\r\n", "Second"},
        {"NOTE:no name\r\n", ""},
    };
    for (const auto& [lines, name] : cases)
        EXPECT_EQ(Read(Card(lines + fax)).entries, (Texts{name + "|1"})) << lines;
}

TEST(VCardReader, CardsEntriesAndRejectedCards)
{
    const VCardRead read = Read("FN:Outside\r\nTEL;FAX:9\r\nEND:VCARD\r\n\r\n"
                                "begin:vcard\r\nTEL;FAX:1\r\nFN:Ann\r\nTEL;WORK;FAX:2\r\nEnd:VCard\r\n"
                                "BEGIN:VCARD\r\nFN:No fax\r\nTEL;CELL:3\r\nEND:VCARD\r\n"
                                "BEGIN:VCARD\r\nFN:Cut\r\nTEL;FAX:4\r\n"
                                "BEGIN:VCARD\r\njunk line\r\n\r\nEND:VCALENDAR\r\nFN:Last\r\nTEL;FAX:5");
    EXPECT_EQ(read.status, ReadStatus::kOk);
    EXPECT_EQ(read.entries, (Texts{"Ann|1", "Ann|2", "Cut|4", "Last|5"}));
    EXPECT_EQ(read.count, 4);
    EXPECT_EQ(read.rejected, 1);
    EXPECT_EQ(Read("BEGIN:VCARD\r\n").rejected, 1);
    // A zero byte is a character like any other.
    const std::string zero("NOTE:a\0b\r\nTEL;FAX:1\r\n", 21);
    EXPECT_EQ(Read(Card(zero) + Card(zero)).entries, (Texts{"|1", "|1"}));
}

TEST(VCardReader, DoubleByteCharactersStayWhole)
{
    Windows1252 doubleByte;
    doubleByte.leadBytes.AddRange(0x81, 0x9F);
    // A naive 30-byte cut would keep the lead byte of the last character alone.
    const std::string name29 = "abcdefghijklmnopqrstuvwxyz012";
    EXPECT_EQ(Read(Card("FN:" + name29 + "\x81\x40\r\nTEL;FAX:1\r\n"), doubleByte).entries, (Texts{name29 + "|1"}));
    // A backslash trail byte is no escape; a lead byte without its trail byte goes.
    EXPECT_EQ(Read(Card("FN:\x81\\n\\n \x81\r\nTEL;FAX:1\r\n"), doubleByte).entries, (Texts{"\x81\\n|1"}));
}

TEST(VCardReader, StopsPastTheEntryCount)
{
    std::string many = "BEGIN:VCARD\r\n";
    for (int i = 0; i < kMaxEntryCount; ++i)
        many += "TEL;FAX:1\r\n";
    const VCardRead full = Read(many);
    EXPECT_EQ(full.status, ReadStatus::kOk);
    EXPECT_EQ(full.count, kMaxEntryCount);
    EXPECT_EQ(Read(many + "TEL;FAX:2\r\n").status, ReadStatus::kTooManyEntries);
}

TEST(VCardReader, IsVCardText)
{
    for (const char* text : {"BEGIN:VCARD\r\nFN:A", "\r\n\n \t\r\nbegin:vcard  \n", "Begin:VCard"})
        EXPECT_TRUE(IsVCardText(text, std::strlen(text))) << text;
    for (const char* text : {"", "Name,Fax\nBEGIN:VCARD\n", "BEGIN:VCARDS\n", "BEGIN:VCALENDAR\n", "BEGIN:VCAR"})
        EXPECT_FALSE(IsVCardText(text, std::strlen(text))) << text;
    EXPECT_FALSE(IsVCardText("BEGIN:VCARD", 10));
    EXPECT_FALSE(IsVCardText("BEGIN:VCARD\0S", 13));
}

// The sample files as the contact programs write them (UTF-8, or the code page
// in Outlook's 2.1 cards); the reader is given them as the CSV reader gives them.
VCardRead ReadSample(const char* name)
{
    std::ifstream file(std::string(FAXIMPORT_SAMPLES_DIR) + "/" + name, std::ios::binary);
    std::vector<char> text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    EXPECT_FALSE(text.empty()) << name;
    text.push_back('\0');
    const TextEncoding encoding = DecodeToUtf8(text);
    EXPECT_TRUE(IsVCardText(text.data(), text.size() - 1)) << name;
    return Read(std::string(text.data(), text.size() - 1), Windows1252(), encoding);
}

TEST(VCardReader, SampleFiles)
{
    const VCardRead apple = ReadSample("apple_contacts.vcf");
    EXPECT_EQ(apple.entries, (Texts{"Zo\xEB M\xFCller|+49301234567",
                                    "Fran\xE7ois \xC7"
                                    "elik|+33142685300",
                                    "Brightline Logistics|+442079460958", "In\xEAs Carvalho|+351215550140",
                                    "In\xEAs Carvalho|+351215550141"}));
    const VCardRead android = ReadSample("android_contacts.vcf");
    EXPECT_EQ(android.entries, (Texts{"J\xFCrgen Wei\xDF-\xD6stergaard|0305550142", "H\xE9l\xE8ne Dubois|+33478550110",
                                      "H\xE9l\xE8ne Dubois|+33478550111"}));
    const VCardRead google = ReadSample("google_contacts.vcf");
    EXPECT_EQ(google.entries, (Texts{"Priya Raman|+918041234567", "Hartley, Moss & Co.|+441615550199",
                                     "Sven Lindqvist|+46855512345", "Noor de Vries|+31205550172"}));
    const VCardRead v4 = ReadSample("contacts_v4.vcf");
    EXPECT_EQ(v4.entries, (Texts{"Jordan Ellis|+1-555-0100", "?? ??|+81-3-5555-0123"}));
    const VCardRead outlook = ReadSample("outlook_contacts.vcf");
    EXPECT_EQ(outlook.entries,
              (Texts{"Maximilian von Hohenzollern|+497471555019", "B\344ckerei Gro\337|+492215550199"}));
    for (const VCardRead* read : {&apple, &android, &google, &v4, &outlook}) {
        EXPECT_EQ(read->status, ReadStatus::kOk);
        EXPECT_EQ(read->rejected, read == &outlook ? 0 : 1);
    }
}

} // namespace
