#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <stdexcept>

#include "entry_texts.h"
#include "fakes.h"

namespace {

const char* const kPath = "C:\\data\\list.csv";

// What one read ended with, and the import result it filled.
struct CsvRead : ReadOutcome {
    ImportResult importResult;
};

class CsvReaderTest : public ::testing::Test {
protected:
    CsvRead Read(const std::string& content, DataSourceKind kind = DataSourceKind::kCsvAuto)
    {
        files.files[kPath] = content;
        CsvRead read;
        static_cast<ReadOutcome&>(read) = ReadCsvRecipients(files, dialogs, codePage, kPath, read.importResult, kind);
        return read;
    }

    // The entry table the selection dialog was given, as "name|fax" texts.
    std::vector<std::string> SeenEntries() const
    {
        std::vector<std::string> texts;
        for (const OfferedEntry& entry : dialogs.seenEntries)
            texts.push_back(std::string(entry.name) + "|" + entry.faxNumber);
        return texts;
    }

    FakeFileSystem files;
    FakeCsvDialogs dialogs;
    Windows1252 codePage;
};

using Texts = std::vector<std::string>;

TEST_F(CsvReaderTest, FileFailuresComeBackAsStatuses)
{
    ImportResult importResult;
    EXPECT_EQ(
        ReadCsvRecipients(files, dialogs, codePage, "C:\\missing.csv", importResult, DataSourceKind::kCsvAuto).status,
        ReadStatus::kCannotOpen);
    EXPECT_EQ(Read("").status, ReadStatus::kNothing);
    for (const char* markOnly : {"\xEF\xBB\xBF", "\xFF\xFE", "\xFE\xFF"})
        EXPECT_EQ(Read(markOnly).status, ReadStatus::kNothing) << "a byte-order mark alone is an empty file";
    files.readFailures["C:\\big.csv"] = ReadStatus::kNoMemory;
    EXPECT_EQ(ReadCsvRecipients(files, dialogs, codePage, "C:\\big.csv", importResult, DataSourceKind::kCsvAuto).status,
              ReadStatus::kNoMemory);
    EXPECT_EQ(dialogs.selectCalls, 0);
}

TEST_F(CsvReaderTest, AutomaticModeFindsNameAndEveryFaxColumn)
{
    const CsvRead outcome = Read("Name,Fax,Home Fax\nBob,5 12,556-9\n");
    EXPECT_EQ(SeenEntries(), (Texts{"Bob|512", "Bob|556-9"}));
    EXPECT_EQ(dialogs.seenCount, 2);
    EXPECT_EQ(outcome.count, 2);
    EXPECT_EQ(static_cast<int>(outcome.importResult.EntryCount()), 2);
    EXPECT_EQ(EntryText(outcome.importResult.recipients.At(0)), "Bob [512]");
    EXPECT_EQ(outcome.rejected, 0);
}

TEST_F(CsvReaderTest, AutomaticModeMatchesNameExactlyAndFaxAnywhere)
{
    Read("\"name\",faxes,x\nAnn,1,2\n");
    EXPECT_EQ(SeenEntries(), (Texts{"Ann|1"}));
    Read(" Name,Fax\nAnn,1\n");
    EXPECT_EQ(SeenEntries(), (Texts{"|1"}));
    Read("E-mail Display Name,Fax\nAnn,1\n");
    EXPECT_EQ(SeenEntries(), (Texts{"|1"})) << "whole header names only";
    // Only the first NAME counts.
    Read("Name,Name,Fax\nAnn,Bea,1\n");
    EXPECT_EQ(SeenEntries(), (Texts{"Ann|1"}));
}

TEST_F(CsvReaderTest, SemicolonAndTabFilesAreSplitAtTheirSeparator)
{
    // Excel in a German locale: no junk line-as-number entries.
    const CsvRead semicolons = Read("Name;Firma;Fax\nZo\xEB M\xFCller;\"M\xFCller; GmbH\";+49 30 1234567\n");
    EXPECT_EQ(SeenEntries(), (Texts{"Zo\xEB M\xFCller|+49301234567"}));
    EXPECT_EQ(semicolons.rejected, 0);
    Read("Name\tFax\tHome Fax\r\nAnn\t1\t2\r\n");
    EXPECT_EQ(SeenEntries(), (Texts{"Ann|1", "Ann|2"}));
    // A comma file keeps semicolons in its fields.
    Read("Name,Fax\nLee; Ann,1\n");
    EXPECT_EQ(SeenEntries(), (Texts{"Lee; Ann|1"}));
    // A comma inside a column name does not split a semicolon or tab file.
    for (const char* separator : {";", "\t"}) {
        const std::string header = std::string("Name") + separator + "Firma" + separator + "Fax (B\xFCro, Zentrale)\n";
        Read(header + "Lee, Ann" + separator + "Acme" + separator + "1\n");
        EXPECT_EQ(SeenEntries(), (Texts{"Lee, Ann|1"})) << header;
    }
    // Excel's "sep=" line names the separator and is not the header.
    for (const char* sepLine : {"sep=;\r\n", "\"sep=;\"\n", "SEP=;;;\n"}) {
        Read(std::string(sepLine) + "Name;Fax (B\xFCro, Zentrale)\nLee, Ann;1\n");
        EXPECT_EQ(SeenEntries(), (Texts{"Lee, Ann|1"})) << sepLine;
    }
    EXPECT_EQ(Read("sep=\nName,Fax\n").status, ReadStatus::kNoFaxColumn) << "no separator named: the header";
    // Manual mode shows the header fields as they are separated.
    Read("Vorname;Fax\nAnn;1\n", DataSourceKind::kCsvManual);
    EXPECT_EQ(dialogs.seenHeader, (Texts{"Vorname", "Fax"}));
}

TEST_F(CsvReaderTest, AnyStandardExceptionIsReportedAsNoMemory)
{
    // As a vector too large for a 32-bit process throws.
    dialogs.choose = [](const OfferedEntryTable&) -> std::vector<int> { throw std::length_error("vector::reserve"); };
    EXPECT_EQ(Read("Name,Fax\nAnn,1\n").status, ReadStatus::kNoMemory);
}

TEST_F(CsvReaderTest, NoFaxColumnIsRefused)
{
    const CsvRead outcome = Read("Name,Phone\nAnn,123\n");
    EXPECT_EQ(outcome.status, ReadStatus::kNoFaxColumn);
    EXPECT_EQ(outcome.rejected, 0) << "no row read";
    EXPECT_EQ(dialogs.selectCalls, 0);
}

TEST_F(CsvReaderTest, LineEndsAndTheUnterminatedLastRecord)
{
    Read("Name,Fax\r\nAnn,1\r\nBea,2\r\n");
    EXPECT_EQ(SeenEntries(), (Texts{"Ann|1", "Bea|2"}));
    // The last record is read also without a line end after it, and counts.
    const CsvRead unterminated = Read("Name,Fax\nAnn,1\nBea,2");
    EXPECT_EQ(SeenEntries(), (Texts{"Ann|1", "Bea|2"}));
    EXPECT_EQ(unterminated.count, 2);
    EXPECT_EQ(Read("Name,Fax\nAnn,1\nBea,").rejected, 1) << "an unusable last row counts as rejected";
    // A header alone, without a line end, has no rows.
    const CsvRead headerOnly = Read("Name,Fax");
    EXPECT_EQ(headerOnly.status, ReadStatus::kOk);
    EXPECT_EQ(headerOnly.count, 0);
    EXPECT_TRUE(dialogs.seenEntries.empty());
    // A file without any LF ends its lines at CRs (a Mac file); where LFs
    // end lines, a CR inside a line is a blank in a name and cleaned away
    // from a number.
    EXPECT_EQ(Read("Name,Fax\rAnn,1\r\rBea,\"2\r3\"").count, 2);
    EXPECT_EQ(SeenEntries(), (Texts{"Ann|1", "Bea|23"}));
    Read("Name,Fax\nAn\rn,1\r2\n");
    EXPECT_EQ(SeenEntries(), (Texts{"An n|12"}));
}

TEST_F(CsvReaderTest, HeaderIsTheFirstNonEmptyLine)
{
    Read("\n\r\nName,Fax\nAnn,1\n");
    EXPECT_EQ(SeenEntries(), (Texts{"Ann|1"}));
    // No LF at all: the only line is the header, the table is empty.
    const CsvRead noLf = Read("Name,Fax");
    EXPECT_EQ(dialogs.selectCalls, 2);
    EXPECT_TRUE(dialogs.seenEntries.empty());
    EXPECT_EQ(noLf.status, ReadStatus::kOk);
    EXPECT_EQ(noLf.count, 0);
}

TEST_F(CsvReaderTest, EmptyRowsAreSkippedAndUnusableRowsRejected)
{
    const CsvRead outcome = Read("Name,Fax,Fax2\nAnn,1\n\n   \nBea,,7\nCid,--x--\nDan\nEve,\n");
    // "   " has one field and no fax column within it; Bea's first fax is empty.
    EXPECT_EQ(SeenEntries(), (Texts{"Ann|1", "Bea|", "Bea|7", "Cid|--X--", "Eve|"}));
    EXPECT_EQ(outcome.rejected, 3); // blanks, Dan, Eve
}

TEST_F(CsvReaderTest, NamesAndNumbersAreTidiedAndCut)
{
    const std::string longName(40, 'n');
    const std::string longFax(35, '1');
    Read("Name,Fax\n  [Sales]  ,1\n" + longName + "," + longFax + "\n");
    ASSERT_EQ(dialogs.seenEntries.size(), 2u);
    EXPECT_STREQ(dialogs.seenEntries[0].name, "(Sales)");
    EXPECT_EQ(std::string(dialogs.seenEntries[1].name), std::string(30, 'n'));
    EXPECT_EQ(std::string(dialogs.seenEntries[1].faxNumber), std::string(30, '1'));
}

TEST_F(CsvReaderTest, RowShorterThanTheNameColumnGivesEmptyNames)
{
    const CsvRead outcome = Read("Fax,x,Name\n1,a\n2\n");
    EXPECT_EQ(SeenEntries(), (Texts{"|1", "|2"}));
    EXPECT_EQ(outcome.rejected, 0);
}

TEST_F(CsvReaderTest, UnclosedQuoteInHeaderOrRow)
{
    EXPECT_EQ(Read("\"Name,Fax\nAnn,1\n").status, ReadStatus::kUnclosedQuote);
    EXPECT_EQ(Read("Name,Fax\n\"Ann,1\nBea,2\n").status, ReadStatus::kUnclosedQuote);
    EXPECT_EQ(dialogs.selectCalls, 0);
    // Manual mode: the header is checked before the mapping dialog opens,
    // a row only after it.
    EXPECT_EQ(Read("\"a\n", DataSourceKind::kCsvManual).status, ReadStatus::kUnclosedQuote);
    EXPECT_EQ(dialogs.mapCalls, 0);
    EXPECT_EQ(Read("a,b\n\"x\n", DataSourceKind::kCsvManual).status, ReadStatus::kUnclosedQuote);
    EXPECT_EQ(dialogs.mapCalls, 1);
}

TEST_F(CsvReaderTest, ManualModeUsesTheMappedColumns)
{
    dialogs.mapName = 2;
    dialogs.mapFax = 0;
    const CsvRead outcome = Read("number,\"Company, Inc\",who\n555 1,Acme,Ann\n", DataSourceKind::kCsvManual);
    EXPECT_EQ(dialogs.seenHeader, (Texts{"number", "Company, Inc", "who"}));
    EXPECT_EQ(SeenEntries(), (Texts{"Ann|5551"}));
    EXPECT_EQ(outcome.count, 1);

    dialogs.mapName = -1;
    dialogs.mapFax = 1;
    Read("Name,Fax\nAnn,1\n", DataSourceKind::kCsvManual);
    EXPECT_EQ(SeenEntries(), (Texts{"|1"}));
}

TEST_F(CsvReaderTest, CancelEndsWithZero)
{
    dialogs.mapOk = false;
    const CsvRead mappingCancelled = Read("Name,Fax\nAnn,1\n", DataSourceKind::kCsvManual);
    EXPECT_EQ(mappingCancelled.status, ReadStatus::kOk);
    EXPECT_EQ(mappingCancelled.count, 0);
    EXPECT_EQ(dialogs.selectCalls, 0);

    dialogs.selectOk = false;
    const CsvRead outcome = Read("Name,Fax\nAnn,1\n");
    EXPECT_EQ(outcome.status, ReadStatus::kOk);
    EXPECT_EQ(outcome.count, 0);
    EXPECT_EQ(static_cast<int>(outcome.importResult.EntryCount()), 0);
    EXPECT_TRUE(outcome.importResult.recipients.Empty());
}

TEST_F(CsvReaderTest, DuplicateRowsReachTheDialogButAreChosenOnce)
{
    const CsvRead outcome = Read("Name,Fax\nAnn,1\nAnn,1\nBea,1\n");
    EXPECT_EQ(dialogs.seenEntries.size(), 3u);
    EXPECT_EQ(outcome.count, 2);
}

TEST_F(CsvReaderTest, MoreEntriesThanTheCountCanHoldAreRefused)
{
    std::string content = "Fax\n";
    content.reserve(65536 * 3);
    for (int i = 0; i < 65535; ++i)
        content += "1\n";
    EXPECT_EQ(Read(content).count, 1) << "65535 entries still fit";
    EXPECT_EQ(dialogs.seenCount, 65535);
    content += "2\n";
    EXPECT_EQ(Read(content).status, ReadStatus::kTooManyEntries);
    EXPECT_EQ(dialogs.selectCalls, 1);
}

} // namespace

namespace {

TEST_F(CsvReaderTest, LargeInputs)
{
    // A million rows: refused as too many, without the selection ever opening.
    std::string million = "Name,Fax\n";
    million.reserve(12 * 1000 * 1000);
    for (int i = 0; i < 1000000; ++i)
        million += "P" + std::to_string(i) + "," + std::to_string(i) + "\n";
    EXPECT_EQ(Read(million).status, ReadStatus::kTooManyEntries);
    EXPECT_EQ(dialogs.selectCalls, 0);

    // Rows of 1,100 fields and names and numbers of 1,000 bytes.
    std::string wide = "Name";
    for (int i = 1; i < 1100; ++i)
        wide += (i == 1023 || i == 1050) ? ",Fax" : ",x";
    wide += "\n";
    const std::string longName(1000, 'n');
    const std::string longFax(1000, '7');
    std::string row = longName;
    for (int i = 1; i < 1100; ++i)
        row += "," + (i == 1023 ? longFax : std::to_string(i));
    wide += row + "\n";
    const CsvRead outcome = Read(wide);
    // Field 1023 is the last one counted; the one at 1050 lies beyond it.
    ASSERT_EQ(dialogs.seenEntries.size(), 1u);
    EXPECT_EQ(std::string(dialogs.seenEntries[0].name), std::string(30, 'n'));
    EXPECT_EQ(std::string(dialogs.seenEntries[0].faxNumber), std::string(30, '7'));
    EXPECT_EQ(outcome.count, 1);
}

// The contact programs' own exports, as the sample files hold them.
TEST_F(CsvReaderTest, ContactProgramExports)
{
    struct Sample {
        const char* file;
        Texts entries;
        int rejected;
    };
    const Sample samples[] = {
        {"outlook_contacts.csv",
         {"Zo\xEB M\xFCller|+49301234567", "Zo\xEB M\xFCller|",
          "Fran\xE7ois Xavier \xC7"
          "elik|",
          "Fran\xE7ois Xavier \xC7"
          "elik|+33478112233",
          "B\xE4"
          "ckerei Gro\xDF|+492215550199",
          "B\xE4"
          "ckerei Gro\xDF|",
          "Ann Lee|", "Ann Lee|"},
         1},
        {"google_contacts.csv",
         {"Zo\xEB M\xFCller|+49301234567", "Lukasz Nowak|+48227654321", "Lukasz Nowak|+48227654322",
          "Soci\xE9t\xE9 G\xE9n\xE9rale Import|+33140000001"},
         1},
        {"thunderbird_contacts.csv", {"Zo\xEB M\xFCller|+49301234567", "?? ??|+81312345678", "Ann Lee|"}, 1},
        {"excel_semicolon.csv",
         {"Zo\xEB M\xFCller|+49301234567", "J\xFCrgen Wei\xDF|+49307654321",
          "Stra\xDF"
          "enbau AG|+49405550100"},
         0},
        {"excel_utf8.csv",
         {"Zo\xEB M\xFCller|+49301234567", "Fran\xE7ois \xC7"
                                           "elik|+33478112233"},
         0},
        {"excel_unicode.txt", {"Zo\xEB M\xFCller|+49301234567", "Lukasz Nowak|+48227654321"}, 0},
        {"notepad_utf8.csv",
         {"Zo\xEB M\xFCller|+49301234567", "Jos\xE9 N\xFA\xF1"
                                           "ez|+34911234567"},
         0},
        {"no_final_line_break.csv", {"Ann Lee|+15550100", "Bea Stone|+15550102"}, 0},
        {"mac_excel.csv", {"Ann Lee|+15550100", "Bea Stone|+15550102"}, 0},
        {"excel_utf8_fullwidth.csv",
         {"Li Wei|+861055550199", "\"Sakura Trading|+81355550199", "Tanaka Ichiro|+81355550299"},
         0},
        {"google_french.csv",
         {"H\xE9l\xE8ne Dubois|+33140000002", "Brasserie Lef\xE8vre|+33478000001", "Brasserie Lef\xE8vre|+33478000002"},
         0},
    };
    for (const Sample& sample : samples) {
        std::ifstream in(std::string(FAXIMPORT_SAMPLES_DIR) + "/" + sample.file, std::ios::binary);
        ASSERT_TRUE(in) << sample.file;
        const CsvRead outcome = Read(std::string(std::istreambuf_iterator<char>(in), {}));
        EXPECT_EQ(SeenEntries(), sample.entries) << sample.file;
        EXPECT_EQ(outcome.rejected, sample.rejected) << sample.file;
    }
}

TEST_F(CsvReaderTest, NameColumnsOfContactExports)
{
    // A display name wins over the parts; the parts are joined by single
    // blanks, empty ones left out; header names in any case.
    Read("first name,LAST NAME,Full Name,Fax\nAnn,Lee,\"Dr. Ann Lee\",1\n");
    EXPECT_EQ(SeenEntries(), (Texts{"Dr. Ann Lee|1"}));
    Read("Given Name,Additional Name,Family Name,Fax\n Ann , ,Lee,1\nAnn,B.,Lee,2\n");
    EXPECT_EQ(SeenEntries(), (Texts{"Ann Lee|1", "Ann B. Lee|2"}));
    // Localised exports, compared with the code page's letters.
    Read("PR\xC9NOM;Nom;Soci\xE9t\xE9;T\xE9l\xE9"
         "copie bureau\nZo\xEB;M\xFCller;;1\n;;Acme;2\n");
    EXPECT_EQ(SeenEntries(), (Texts{"Zo\xEB M\xFCller|1", "Acme|2"}));
    Read("Nome,Cognome,Societ\xE0,Fax\nLuca,Rossi,,1\n");
    EXPECT_EQ(SeenEntries(), (Texts{"Luca Rossi|1"}));
    // A blank NAME or display name falls back to the parts, then the company.
    Read("Name,Company,Fax\n,Acme,1\n  ,Acme,2\nAnn,Acme,3\n");
    EXPECT_EQ(SeenEntries(), (Texts{"Acme|1", "Acme|2", "Ann|3"}));
    Read("First Name,Last Name,Display Name,Fax Number\nZo\xEB,M\xFCller,,1\n");
    EXPECT_EQ(SeenEntries(), (Texts{"Zo\xEB M\xFCller|1"})) << "Thunderbird without a display name";
    Read("Name,Given Name,Family Name,Organization 1 - Name,Phone 1 - Type,Phone 1 - Value\n"
         ",,,Acme Corp,Work Fax,1\n");
    EXPECT_EQ(SeenEntries(), (Texts{"Acme Corp|1"})) << "Google's older CSV";
    // Line breaks and tabs of a multi-line name become blanks.
    Read("Name,Fax\n\"Ann\r\nLee\tJr.\",1\n");
    EXPECT_EQ(SeenEntries(), (Texts{"Ann Lee Jr.|1"}));
}

TEST_F(CsvReaderTest, LabelledPhoneNumbersGiveOnlyTheirFaxNumbers)
{
    const CsvRead outcome = Read("Name,Phone 1 - Type,Phone 1 - Value,Phone 2 - Label,Phone 2 - Value,Fax\n"
                                 "Ann,Mobile,111,work fax,222 ::: 333,444\n"
                                 "Bea,Home,555,Pager,666,\n"
                                 "Cy,Work Fax,,Fax,777,\n");
    EXPECT_EQ(SeenEntries(), (Texts{"Ann|222", "Ann|333", "Ann|444", "Bea|", "Cy|777", "Cy|"}));
    EXPECT_EQ(outcome.rejected, 1);
    // Columns whose own headers say fax stay plain fax columns, taken once.
    Read("Name,Fax 1 - Type,Fax 1 - Value\nAnn,Work,123\n");
    EXPECT_EQ(SeenEntries(), (Texts{"Ann|WORK", "Ann|123"}));
    // Only phones are pairs; their labels say fax in either word; a plain
    // fax cell may join numbers too.
    Read("Name,E-mail 1 - Label,E-mail 1 - Value,Phone 1 - Label,Phone 1 - Value,Business Fax\n"
         "Ann,Fax gateway,15550188@fax.example,T\xE9l\xE9"
         "copie professionnelle,+33 1 40,+1 555 0100 ::: +1 555 0101\n");
    EXPECT_EQ(SeenEntries(), (Texts{"Ann|+33140", "Ann|+15550100", "Ann|+15550101"}));
}

// A code page with the lead bytes of code page 932: the full-width comma and
// quote are characters of their own, and full-width numbers become ASCII.
TEST_F(CsvReaderTest, DoubleByteCodePage)
{
    codePage.leadBytes.AddRange(0x81, 0x9F);
    codePage.leadBytes.AddRange(0xE0, 0xFC);
    std::ifstream in(std::string(FAXIMPORT_SAMPLES_DIR) + "/excel_utf8_fullwidth.csv", std::ios::binary);
    Read(std::string(std::istreambuf_iterator<char>(in), {}));
    EXPECT_EQ(SeenEntries(),
              (Texts{"Li Wei|+861055550199", "\xFA\x57Sakura Trading|+81355550199", "Tanaka Ichiro|+81355550299"}));
    // 山田 with ０３－５５５５－０２９９, as a file in code page 932 has them.
    Read("Name,Fax\r\n\x8E\x52\x93\x63,\x82\x4F\x82\x52\x81\x7C\x82\x54\x82\x54\x82\x54\x82\x54\x81\x7C\x82\x4F"
         "\x82\x51\x82\x58\x82\x58\r\n");
    EXPECT_EQ(SeenEntries(), (Texts{"\x8E\x52\x93\x63|03-5555-0299"}));
}

TEST_F(CsvReaderTest, QuotedFieldsMayHoldLineBreaks)
{
    const CsvRead outcome =
        Read("Name,Fax,Notes\r\nAnn,1,\"line one\r\nline \"\"two\"\"\r\n\"\r\nBea,2,\"a,\nb\"\r\n\r\nCy,3,x");
    EXPECT_EQ(SeenEntries(), (Texts{"Ann|1", "Bea|2", "Cy|3"}));
    EXPECT_EQ(outcome.rejected, 0);
    // The quote rule stays: only a field's first byte opens a quoted field.
    Read("Name,Fax\nBob \"Bobby\" Stone,1\nAnn 5\",2\n");
    EXPECT_EQ(SeenEntries(), (Texts{"Bob \"Bobby\" Stone|1", "Ann 5\"|2"}));
    // Manual mode sees the fields of a multi-line header record.
    Read("\"Full\nName\",Fax\nAnn,1\n", DataSourceKind::kCsvManual);
    EXPECT_EQ(dialogs.seenHeader, (Texts{"Full\nName", "Fax"}));
}

} // namespace
