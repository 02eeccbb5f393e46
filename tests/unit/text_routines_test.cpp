#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/ansi_code_page.h"
#include "core/import_result.h"
#include "core/text_routines.h"

namespace {

// Splits a copy of line and returns its fields, or {"<-6>"} for an unclosed quote.
std::vector<std::string> Split(const std::string& line, char separator = ',')
{
    std::vector<char> buffer(line.begin(), line.end());
    buffer.push_back('\0');
    CsvFieldTable fields;
    fields[0] = buffer.data();
    const int count = SplitCsvFields(fields, separator);
    if (count < 0)
        return {"<" + std::to_string(count) + ">"};
    return std::vector<std::string>(fields.begin(), fields.begin() + count);
}

std::string Apply(void (*routine)(char*), std::string text)
{
    std::vector<char> buffer(text.begin(), text.end());
    buffer.push_back('\0');
    routine(buffer.data());
    return buffer.data();
}

std::string Clean(const std::string& text, int* length = nullptr)
{
    std::vector<char> buffer(text.begin(), text.end());
    buffer.push_back('\0');
    const int cleaned = CleanFaxNumber(buffer.data());
    if (length)
        *length = cleaned;
    return buffer.data();
}

using Fields = std::vector<std::string>;

TEST(SplitCsvFields, PlainFieldsAndEmptyOnes)
{
    EXPECT_EQ(Split("a,b,,c"), (Fields{"a", "b", "", "c"}));
    EXPECT_EQ(Split(",,,"), (Fields{"", "", "", ""}));
    EXPECT_EQ(Split(" x , y"), (Fields{" x ", " y"}));
    EXPECT_TRUE(Split("").empty());
}

TEST(SplitCsvFields, QuotedFields)
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

TEST(SplitCsvFields, OtherSeparatorsLeaveCommasInTheText)
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

TEST(SplitCsvFields, UnclosedQuoteIsAnError)
{
    EXPECT_EQ(Split("\"open"), (Fields{"<-6>"}));
    EXPECT_EQ(Split("a,\"b,c"), (Fields{"<-6>"}));
}

TEST(SplitCsvFields, UnclosedQuoteKeepsTheRestOfTheLineAsTheLastField)
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

TEST(SplitCsvFields, StopsAt1024Fields)
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

TEST(TrimSpaces, RemovesOnlyBlanksAtBothEnds)
{
    EXPECT_EQ(Apply(TrimSpaces, "  Bob  "), "Bob");
    EXPECT_EQ(Apply(TrimSpaces, "   "), "");
    EXPECT_EQ(Apply(TrimSpaces, "\tBob \t"), "\tBob \t");
    EXPECT_EQ(Apply(TrimSpaces, "a b"), "a b");
}

TEST(ReplaceBrackets, TurnsBracketsIntoParentheses)
{
    EXPECT_EQ(Apply(ReplaceBrackets, "Smith [HQ]"), "Smith (HQ)");
    EXPECT_EQ(Apply(ReplaceBrackets, "[Sales]"), "(Sales)");
}

TEST(ReplaceBrackets, LeavesTheByteAfterAHighByteAlone)
{
    EXPECT_EQ(Apply(ReplaceBrackets, "Zo\xEB[HQ]"), "Zo\xEB[HQ)");
    // A high byte at the very end must not carry the scan past the terminator.
    std::vector<char> buffer = {'a', '\xE9', '\0', '[', '\0'};
    ReplaceBrackets(buffer.data());
    EXPECT_EQ(buffer[3], '[');
}

TEST(CleanFaxNumber, KeepsDiallableMarksAndUpperCases)
{
    int length = 0;
    EXPECT_EQ(Clean("+1 (55) 123-456 ext 12", &length), "+1(55)123-456EXT12");
    EXPECT_EQ(length, 18);
    EXPECT_EQ(Clean("n/a"), "N/A");
    EXPECT_EQ(Clean(" , [ ] \t"), "");
    EXPECT_EQ(Clean("12{3}|4~5\x80\xFF"), "12345");
    EXPECT_EQ(Clean("#*!\\^_`@:"), "#*!\\^_`@:");
}

TEST(EntryText, FormatsAndSplitsBack)
{
    EXPECT_EQ(FormatEntryText("Bob", "123"), "Bob [123]");
    char name[kTextFieldBytes];
    char fax[kTextFieldBytes];
    SplitEntryText("Bob Smith [+1(55)123]", name, fax);
    EXPECT_STREQ(name, "Bob Smith");
    EXPECT_STREQ(fax, "+1(55)123");

    SplitEntryText(" [555]", name, fax);
    EXPECT_STREQ(name, "");
    EXPECT_STREQ(fax, "555");
}

TEST(EntryText, SplitsAtTheBracketThatOpensTheNumber)
{
    // The name keeps a "[" that trails a double-byte lead byte.
    const std::string text = FormatEntryText("Zo\xEB[HQ)", "123");
    char name[kTextFieldBytes];
    char fax[kTextFieldBytes];
    SplitEntryText(text.c_str(), name, fax);
    EXPECT_STREQ(name, "Zo\xEB[HQ)");
    EXPECT_STREQ(fax, "123");
}

TEST(EntryText, ThirtyByteFieldsFitTheirBuffers)
{
    const std::string name30(30, 'N');
    const std::string fax30(30, '9');
    char name[kTextFieldBytes];
    char fax[kTextFieldBytes];
    SplitEntryText(FormatEntryText(name30.c_str(), fax30.c_str()).c_str(), name, fax);
    EXPECT_EQ(std::string(name), name30);
    EXPECT_EQ(std::string(fax), fax30);
}

int Add(ImportResult& result, std::string name, std::string fax)
{
    return AddRecipientEntry(&name[0], &fax[0], result);
}

TEST(AddRecipientEntry, CleansTidiesAndRefusesDuplicates)
{
    ImportResult result;
    EXPECT_EQ(Add(result, " Smith [HQ] ", "+49 (30) 123-45"), kEntryAdded);
    ASSERT_EQ(result.recipients.Count(), 1u);
    EXPECT_EQ(result.recipients.At(0), "Smith (HQ) [+49(30)123-45]");
    EXPECT_EQ(Add(result, "Smith [HQ]", "+49(30)123-45"), kEntryNotAdded);
    EXPECT_EQ(Add(result, "Other", "+49(30)123-45"), kEntryAdded);
    EXPECT_EQ(Add(result, "Blank", "   "), kEntryNotAdded);
    EXPECT_EQ(result.entryCount, 2);
}

TEST(AddRecipientEntry, StopsAtTheCap)
{
    ImportResult result;
    result.entryCap = 50;
    for (int i = 0; i < 50; ++i)
        ASSERT_EQ(Add(result, "P", std::to_string(1000 + i)), kEntryAdded);
    EXPECT_EQ(Add(result, "P", "999"), kEntryCapReached);
    // A duplicate is reported as not added, not as refused by the cap.
    EXPECT_EQ(Add(result, "P", "1000"), kEntryNotAdded);
    EXPECT_EQ(result.entryCount, 50);
    EXPECT_EQ(result.recipients.Count(), 50u);
}

TEST(CopyTextField, NeverSplitsADoubleByteCharacter)
{
    LeadByteSet shiftJis;
    shiftJis.AddRange(0x81, 0x9F);
    shiftJis.AddRange(0xE0, 0xFC);
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
