#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "core/ansi_code_page.h"
#include "core/import_result.h"
#include "core/text_routines.h"
#include "csv/text_decoding.h"
#include "entry_texts.h"
#include "support/windows_1252.h"

namespace {

// The fake code page standing in for 932, with its lead bytes.
Windows1252 ShiftJis()
{
    Windows1252 codePage;
    codePage.leadBytes.AddRange(0x81, 0x9F);
    codePage.leadBytes.AddRange(0xE0, 0xFC);
    return codePage;
}

// Splits a copy of line and returns its fields, or {"<unclosed quote>"}.
std::vector<std::string> Split(const std::string& line, char separator = ',')
{
    std::vector<char> buffer(line.begin(), line.end());
    buffer.push_back('\0');
    CsvFieldTable fields;
    fields[0] = buffer.data();
    const CsvSplit split = SplitCsvLine(fields, separator);
    if (split.unclosedQuote)
        return {"<unclosed quote>"};
    return std::vector<std::string>(fields.begin(), fields.begin() + split.fieldCount);
}

template <typename Routine, typename... Extra>
std::string Apply(Routine routine, std::string text, const Extra&... extra)
{
    std::vector<char> buffer(text.begin(), text.end());
    buffer.push_back('\0');
    routine(buffer.data(), extra...);
    return buffer.data();
}

std::string Clean(const std::string& text, const AnsiCodePage& codePage = Windows1252(), int* length = nullptr)
{
    std::vector<char> buffer(text.begin(), text.end());
    buffer.push_back('\0');
    const int cleaned = CleanFaxNumber(buffer.data(), codePage);
    if (length)
        *length = cleaned;
    return buffer.data();
}

using Fields = std::vector<std::string>;

TEST(SplitCsvLine, PlainFieldsAndEmptyOnes)
{
    EXPECT_EQ(Split("a,b,,c"), (Fields{"a", "b", "", "c"}));
    EXPECT_EQ(Split(",,,"), (Fields{"", "", "", ""}));
    EXPECT_EQ(Split(" x , y"), (Fields{" x ", " y"}));
    EXPECT_TRUE(Split("").empty());
}

TEST(SplitCsvLine, QuotedFields)
{
    EXPECT_EQ(Split("\"Smith, John\",555"), (Fields{"Smith, John", "555"}));
    EXPECT_EQ(Split("\"say \"\"hi\"\" now\",1"), (Fields{"say \"hi\" now", "1"}));
    // Text after the closing quote is dropped up to the next comma.
    EXPECT_EQ(Split("\"abc\"def,2"), (Fields{"abc", "2"}));
    // A quote inside a plain field is ordinary text.
    EXPECT_EQ(Split("ab\"c,d"), (Fields{"ab\"c", "d"}));
    EXPECT_EQ(Split("\"\""), (Fields{""}));
    // A doubled quote with no quote after it ends the text before the pair.
    EXPECT_EQ(Split("\"ab\"\"cd,e"), (Fields{"ab", "e"}));
}

TEST(SplitCsvLine, OtherSeparatorsLeaveCommasInTheText)
{
    EXPECT_EQ(Split("M\xFCller, Zo\xEB;\"a;b\";+49 30", ';'), (Fields{"M\xFCller, Zo\xEB", "a;b", "+49 30"}));
    EXPECT_EQ(Split("a,b\t\tc", '\t'), (Fields{"a,b", "", "c"}));
}

TEST(DetectFieldSeparator, TheHeaderDecides)
{
    EXPECT_EQ(DetectFieldSeparator("Name,Fax"), ',');
    EXPECT_EQ(DetectFieldSeparator("Name;Fax;Notes, misc"), ';') << "the most frequent wins";
    EXPECT_EQ(DetectFieldSeparator("Name;Fax (B\xFCro, Zentrale)\tx"), ',') << "a comma on a tie";
    EXPECT_EQ(DetectFieldSeparator("Name\tFax (B\xFCro, Zentrale)\tx"), '\t');
    EXPECT_EQ(DetectFieldSeparator("Name;Fax"), ';');
    EXPECT_EQ(DetectFieldSeparator("\"Name, full\";\"Fax\"\"s\""), ';') << "commas inside quotes do not count";
    EXPECT_EQ(DetectFieldSeparator("Name\tFax"), '\t');
    EXPECT_EQ(DetectFieldSeparator("Name\tFax;x"), ';');
    EXPECT_EQ(DetectFieldSeparator("Fax"), ',');
    EXPECT_EQ(DetectFieldSeparator(""), ',');
    // A quote inside a field opens nothing; an unclosed one ends the search.
    EXPECT_EQ(DetectFieldSeparator("Bob \"B\";Fax"), ';');
    EXPECT_EQ(DetectFieldSeparator("\"Name;Fax"), ',');
    EXPECT_EQ(DetectFieldSeparator("\"a\"\""), ',');
}

TEST(SplitCsvLine, UnclosedQuoteIsAnError)
{
    EXPECT_EQ(Split("\"open"), (Fields{"<unclosed quote>"}));
    EXPECT_EQ(Split("a,\"b,c"), (Fields{"<unclosed quote>"}));
}

TEST(SplitCsvLine, UnclosedQuoteKeepsTheRestOfTheLineAsTheLastField)
{
    std::string line = "001,X,\"12,34";
    std::vector<char> buffer(line.begin(), line.end());
    buffer.push_back('\0');
    CsvFieldTable fields;
    fields[0] = buffer.data();
    const CsvSplit split = SplitCsvLine(fields);
    ASSERT_TRUE(split.unclosedQuote);
    ASSERT_EQ(split.fieldCount, 3);
    EXPECT_STREQ(fields[2], "12,34");
}

TEST(SplitCsvLine, StopsAt1024Fields)
{
    std::string line(1100, ',');
    line = "first" + line;
    const Fields fields = Split(line);
    ASSERT_EQ(fields.size(), 1024u);
    EXPECT_EQ(fields[0], "first");
    EXPECT_EQ(fields[1023], "");

    std::string numbered;
    for (int i = 0; i < 1030; ++i)
        numbered += std::to_string(i) + ",";
    const Fields many = Split(numbered);
    ASSERT_EQ(many.size(), 1024u);
    EXPECT_EQ(many[1023], "1023");
}

TEST(Trimmed, DropsTheGivenCharactersAtBothEnds)
{
    EXPECT_EQ(Trimmed("  Bob  "), "Bob");
    EXPECT_EQ(Trimmed("\tBob \t"), "\tBob \t");
    EXPECT_EQ(Trimmed("\t Bob \t", " \t"), "Bob");
    EXPECT_EQ(Trimmed(" \" fax \" ", " \""), "fax");
    EXPECT_EQ(Trimmed("   "), "");
    EXPECT_EQ(Trimmed(""), "");
}

TEST(TrimSpaces, RemovesOnlyBlanksAtBothEnds)
{
    EXPECT_EQ(Apply(TrimSpaces, "  Bob  "), "Bob");
    EXPECT_EQ(Apply(TrimSpaces, "   "), "");
    EXPECT_EQ(Apply(TrimSpaces, "\tBob \t"), "\tBob \t");
    EXPECT_EQ(Apply(TrimSpaces, "a b"), "a b");
}

TEST(ReplaceBrackets, EveryBracketInASingleByteCodePageOnlyLoneOnesInADoubleByteOne)
{
    const LeadByteSet none, shiftJis = ShiftJis().LeadBytes();
    const struct {
        const char* text;
        const LeadByteSet& leadBytes;
        const char* expected;
    } cases[] = {
        {"Smith [HQ]", none, "Smith (HQ)"},
        {"[Sales]", shiftJis, "(Sales)"},
        {"[Caf\xE9] Ltd", none, "(Caf\xE9) Ltd"},
        {"Zo\xEB[HQ]", none, "Zo\xEB(HQ)"},
        // 0xEB and 0x81 open pairs in 932; the bracket after them is their trail byte.
        {"Zo\xEB[HQ]", shiftJis, "Zo\xEB[HQ)"},
        {"[\x81[\x81]]", shiftJis, "(\x81[\x81])"},
        {"\x81", shiftJis, "\x81"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Apply(ReplaceBrackets, c.text, c.leadBytes), c.expected) << c.text;
    // A lead byte at the very end must not carry the scan past the terminator.
    std::vector<char> buffer = {'a', '\xE9', '\0', '[', '\0'};
    ReplaceBrackets(buffer.data(), shiftJis);
    EXPECT_EQ(buffer[3], '[');
}

TEST(CleanFaxNumber, KeepsDiallableMarksAndUpperCases)
{
    int length = 0;
    EXPECT_EQ(Clean("+1 (55) 123-456 ext 12", Windows1252(), &length), "+1(55)123-456EXT12");
    EXPECT_EQ(length, 18);
    EXPECT_EQ(Clean("n/a"), "N/A");
    EXPECT_EQ(Clean(" , [ ] \t"), "");
    EXPECT_EQ(Clean("12{3}|4~5\x80\xFF"), "12345");
    EXPECT_EQ(Clean("#*!\\^_`@:"), "#*!\\^_`@:");
}

TEST(CleanFaxNumber, DoubleByteCharactersGiveTheirAsciiFormOrGoWhole)
{
    const struct {
        const char* text;
        const char* expected;
    } cases[] = {
        {"\x82\x4F\x82\x52\x81\x7C\x82\x54\x82\x54\x82\x54\x82\x54\x81\x7C\x82\x4F\x82\x51\x82\x58\x82\x58",
         "03-5555-0299"},
        {"\x81\x7B\x82\x57\x82\x50\x81\x40\x81\x69\x82\x52\x81\x6A\x81\x40\x82\x54\x81\x44\x82\x4F", "+81(3)5.0"},
        {"03-\x82\x54\x82\x54 12", "03-5512"},
        {"\x82\x85\x82\x98\x82\x94\x82\x50", "EXT1"},
        // Comma, blank and brackets in full width go like their ASCII forms.
        {"1\x81\x43\x81\x40\x81\x6D"
         "2\x81\x6E",
         "12"},
        // Ideographs, a long vowel mark, a pair without a character and a
        // lead byte at the end go whole: no trail byte is left as a letter.
        {"\x8E\x52\x93\x63 03 \x90\x4D", "03"},
        {"1\x81\x5B"
         "2\x98\x40"
         "3\x82",
         "123"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Clean(c.text, ShiftJis()), c.expected) << c.text;
}

TEST(CleanFaxNumber, FullWidthNumbersFromUnicodeTextInEitherCodePage)
{
    const struct {
        const char* utf8;
        const char* in1252;
        const char* in932;
    } cases[] = {
        {"０３－５５５５－０２９９", "03-5555-0299", "03-5555-0299"},
        {"＋８１　（３）　５５５５．０２９９", "+81(3)5555.0299", "+81(3)5555.0299"},
        {"+81 3-５５５５-0299 ｅｘｔ１", "+813-5555-0299EXT1", "+813-5555-0299EXT1"},
        // 1252 has no ideographs: Windows writes '?', which a number keeps.
        {"山田 ０３", "??03", "03"},
    };
    for (const auto& c : cases) {
        for (const auto& [codePage, expected] : {std::pair{Windows1252(), c.in1252}, {ShiftJis(), c.in932}}) {
            std::vector<char> ansi;
            AppendUtf8AsAnsi(c.utf8, std::strlen(c.utf8), codePage, ansi);
            EXPECT_EQ(Clean(std::string(ansi.begin(), ansi.end()), codePage), expected) << c.utf8;
        }
    }
}

TEST(EntryText, FormatsNameAndNumber)
{
    EXPECT_EQ(FormatEntryText("Bob", "123"), "Bob [123]");
    EXPECT_EQ(FormatEntryText("", "555"), " [555]");
    std::string text = "001\t"; // a list line keeps what comes before
    AppendEntryText(text, "Zo\xEB[HQ)", "123");
    EXPECT_EQ(text, "001\tZo\xEB[HQ) [123]");
}

AddEntryOutcome Add(ImportResult& result, std::string name, std::string fax,
                    const AnsiCodePage& codePage = Windows1252())
{
    return AddRecipientEntry(&name[0], &fax[0], result, codePage);
}

TEST(AddRecipientEntry, CleansTidiesAndRefusesDuplicates)
{
    ImportResult result;
    EXPECT_EQ(Add(result, " Smith [HQ] ", "+49 (30) 123-45"), AddEntryOutcome::kAdded);
    ASSERT_EQ(result.recipients.Count(), 1u);
    EXPECT_EQ(EntryText(result.recipients.At(0)), "Smith (HQ) [+49(30)123-45]");
    EXPECT_EQ(Add(result, "Smith [HQ]", "+49(30)123-45"), AddEntryOutcome::kNotAdded);
    EXPECT_EQ(Add(result, "Other", "+49(30)123-45"), AddEntryOutcome::kAdded);
    EXPECT_EQ(Add(result, "Blank", "   "), AddEntryOutcome::kNotAdded);
    EXPECT_EQ(static_cast<int>(result.EntryCount()), 2);
}

TEST(AddRecipientEntry, ReadsNameAndNumberInTheCodePage)
{
    ImportResult result;
    EXPECT_EQ(Add(result, "\x8D\xF7 [\x81[]", "\x82\x4F\x82\x52\x81\x7C\x82\x54", ShiftJis()), AddEntryOutcome::kAdded);
    EXPECT_EQ(Add(result, "\x8E\x52\x93\x63", "\x90\x4D", ShiftJis()), AddEntryOutcome::kNotAdded)
        << "no digit, no letter";
    EXPECT_EQ(EntryText(result.recipients.At(0)), "\x8D\xF7 (\x81[) [03-5]");
    EXPECT_EQ(Add(result, "Caf\xE9 [1]", "1"), AddEntryOutcome::kAdded);
    EXPECT_EQ(EntryText(result.recipients.At(1)), "Caf\xE9 (1) [1]");
}

TEST(AddRecipientEntry, StopsAtTheCap)
{
    ImportResult result;
    result.entryCap = 50;
    for (int i = 0; i < 50; ++i)
        ASSERT_EQ(Add(result, "P", std::to_string(1000 + i)), AddEntryOutcome::kAdded);
    EXPECT_EQ(Add(result, "P", "999"), AddEntryOutcome::kCapReached);
    // A duplicate is reported as not added, not as refused by the cap.
    EXPECT_EQ(Add(result, "P", "1000"), AddEntryOutcome::kNotAdded);
    EXPECT_EQ(static_cast<int>(result.EntryCount()), 50);
    EXPECT_EQ(result.recipients.Count(), 50u);
}

TEST(CopyTextField, NeverSplitsADoubleByteCharacter)
{
    const LeadByteSet shiftJis = ShiftJis().LeadBytes();
    std::string kanji; // trail bytes 0x9F and 0x40 look like a lead byte and a letter
    for (int i = 0; i < 16; ++i)
        kanji += "\x88\x9F\x93\x40";
    char field[kTextFieldBytes];
    CopyTextField(field, kanji.c_str(), shiftJis);
    EXPECT_EQ(std::string(field), kanji.substr(0, 30)) << "fifteen characters fit exactly";
    CopyTextField(field, ("a" + kanji).c_str(), shiftJis);
    EXPECT_EQ(std::string(field), "a" + kanji.substr(0, 28)) << "the sixteenth would lose its trail byte";
    // A lead byte at the very end has no trail byte to keep.
    CopyTextField(field, (std::string(29, 'a') + "\x88").c_str(), shiftJis);
    EXPECT_EQ(std::string(field), std::string(29, 'a') + "\x88");
    // In a single-byte code page the same bytes are cut at 30.
    CopyTextField(field, ("a" + kanji).c_str(), LeadByteSet());
    EXPECT_EQ(std::string(field).size(), 30u);
}

} // namespace
