#include <gtest/gtest.h>

#include <cstring>
#include <stdexcept>

#include "fakes.h"
#include "speeddial/speed_dial_reader.h"

namespace {

const char* const kPath = "C:\\data\\speed.csv";

// Takes every record in table order.
class TakeAll : public SpeedDialDialogs {
public:
    bool ok = true;
    bool throwLengthError = false; // as a vector too large for a 32-bit process does
    int calls = 0;
    int seenCount = -1;
    std::vector<std::string> seenKeys;
    std::unique_ptr<SpeedDialTable> seenTable; // a copy of the table the dialog was given
    bool SelectSpeedDials(const std::string&, const SpeedDialTable& table, ImportResult& result) override
    {
        ++calls;
        if (throwLengthError)
            throw std::length_error("vector::reserve");
        seenCount = static_cast<int>(table.size());
        seenTable = std::make_unique<SpeedDialTable>(table);
        seenKeys.clear();
        for (const SpeedDialEntry& entry : table)
            seenKeys.push_back(entry.key);
        result.recipients.RemoveAll();
        return ok;
    }
};

class SpeedDialReaderTest : public ::testing::Test {
protected:
    ReadOutcome Read(const std::string& content)
    {
        files.files[kPath] = content;
        result = ImportResult();
        table.reset();
        const ReadOutcome outcome = ReadSpeedDialFile(files, dialogs, kPath, result, codePage);
        rejected = outcome.rejected;
        return outcome;
    }

    std::string Name(std::size_t i) const { return (*table)[i].record.name; }
    std::string Fax(std::size_t i) const { return (*table)[i].record.faxNumber; }

    Windows1252 codePage;
    FakeFileSystem files;
    TakeAll dialogs;
    ImportResult result;
    std::unique_ptr<SpeedDialTable>& table = dialogs.seenTable;
    int rejected = -1;
};

using Texts = std::vector<std::string>;

TEST_F(SpeedDialReaderTest, HeaderCheck)
{
    for (const char* header : {"*,1,0,2\n", "*, 1 ,0,0\n", "*,1,0,abc\n", "\"*\",1,0,1,extra\n", "\n\n*,1,0,\n"})
        EXPECT_EQ(Read(header).status, ReadStatus::kOk) << header;
    for (const char* header : {"*,1,0,3\n", "*,1,1,2\n", " *,1,0,2\n", "*,1,0\n", "   \n*,1,0,2\n",
                               "*,1,0,4294967295\n", "*,1,0,2", "\n*,1,0,2"})
        EXPECT_EQ(Read(header).status, ReadStatus::kNotSpeedDial) << header;
    EXPECT_EQ(Read("").status, ReadStatus::kNothing);
    EXPECT_FALSE(table) << "no table after a failure";
}

TEST_F(SpeedDialReaderTest, AcceptedLineFillsRecordAndLists)
{
    EXPECT_EQ(Read("*,1,0,2\n001,X,12 3,Smith\n").status, ReadStatus::kOk);
    ASSERT_EQ(table->size(), 1u);
    EXPECT_EQ(dialogs.seenKeys, (Texts{"001"}));
    EXPECT_EQ(Name(0), "Smith");
    EXPECT_EQ(Fax(0), "123");
    EXPECT_EQ((*table)[0].record.commMode, 0);
    EXPECT_EQ((*table)[0].record.featureCode, '0');
    EXPECT_EQ((*table)[0].secureFax, "");
    EXPECT_EQ((*table)[0].commMode, "");
    EXPECT_EQ(rejected, 0);
}

TEST_F(SpeedDialReaderTest, DetailColumns)
{
    // Columns 0..14: key, type, fax, name, 4, 5, mode, 7..10, secure, relay, 13, fcode.
    Read("*,1,0,2\n 007 ,P,555,[Team] ,a,b, 4 ,c,d,e,f,SEC,P12/5,g,FC,h,i,j\n");
    ASSERT_EQ(table->size(), 1u);
    EXPECT_EQ(dialogs.seenKeys, (Texts{"007"}));
    EXPECT_EQ(Name(0), "(Team) ") << "the name is not trimmed";
    EXPECT_EQ((*table)[0].record.commMode, 2);
    EXPECT_EQ((*table)[0].commMode, "4");
    EXPECT_EQ((*table)[0].secureFax, "SEC");
    EXPECT_EQ((*table)[0].relayFax, "P12/5");
    EXPECT_EQ((*table)[0].fCode, "FC");
}

TEST_F(SpeedDialReaderTest, ShortLinesGetEmptyTextsNotEarlierOnes)
{
    Read("*,1,0,2,a,b,c,d,e,f,g,S,R,x,F\n"
         "001,X,1,A,,,2,,,,,S1,R1,,F1\n"
         "002,X,2,B\n");
    ASSERT_EQ(table->size(), 2u);
    EXPECT_EQ((*table)[1].secureFax, "");
    EXPECT_EQ((*table)[1].relayFax, "");
    EXPECT_EQ((*table)[1].fCode, "");
    EXPECT_EQ((*table)[1].commMode, "");
    EXPECT_EQ((*table)[1].record.commMode, 0);
    EXPECT_EQ((*table)[0].relayFax, "R1");
}

TEST_F(SpeedDialReaderTest, RejectedLinesAreCountedAndTheirSlotsReused)
{
    Read("*,1,0,2\n"
         "001,x,1,lower\n"
         "002, X,1,blank\n"
         " ,X,1,nokey\n"
         "004,X, [ ] ,nofax\n"
         "005,X\n"
         "lonely\n"
         "\n"
         "006,X,66\n"
         "**\n"
         "*,X\n");
    EXPECT_EQ(rejected, 8);
    ASSERT_EQ(table->size(), 1u);
    EXPECT_EQ(dialogs.seenKeys, (Texts{"006"}));
    EXPECT_EQ(Name(0), "");
    EXPECT_EQ(Fax(0), "66");
}

TEST_F(SpeedDialReaderTest, EndMarkerAndUnterminatedLastLine)
{
    Read("*,1,0,2\n001,X,1\n*\n002,X,2\nbad\n");
    EXPECT_EQ(dialogs.seenKeys, (Texts{"001"}));
    EXPECT_EQ(rejected, 0);
    Read("*,1,0,2\n001,X,1\n002,X,2");
    EXPECT_EQ(dialogs.seenKeys, (Texts{"001"}));
}

TEST_F(SpeedDialReaderTest, UnclosedQuoteTakesTheRestOfTheLine)
{
    Read("*,1,0,2\n001,X,\"12,34\n");
    ASSERT_EQ(table->size(), 1u);
    EXPECT_EQ(Fax(0), "1234");
}

TEST_F(SpeedDialReaderTest, FullWidthNumbersArriveAsAscii)
{
    // Code page 932: ０３－５５５５ and 山田 [信], whose trail bytes look like letters and a bracket.
    codePage.leadBytes.AddRange(0x81, 0x9F);
    Read("*,1,0,2\n001,X,\x82\x4F\x82\x52\x81\x7C\x82\x54\x82\x54\x82\x54\x82\x54,"
         "\x8E\x52\x93\x63 [\x90\x4D] \x81[\n");
    ASSERT_EQ(table->size(), 1u);
    EXPECT_EQ(Fax(0), "03-5555");
    EXPECT_EQ(Name(0), "\x8E\x52\x93\x63 (\x90\x4D) \x81[");
}

TEST_F(SpeedDialReaderTest, LongNamesAreCutAndDuplicateKeysKept)
{
    Read("*,1,0,2\n001,X,1," + std::string(40, 'n') + "\n001,P,2,B\n");
    ASSERT_EQ(table->size(), 2u);
    EXPECT_EQ(Name(0), std::string(30, 'n'));
    EXPECT_EQ(dialogs.seenKeys, (Texts{"001", "001"}));
}

TEST_F(SpeedDialReaderTest, CancelAndEmptyTablesReturnZero)
{
    dialogs.ok = false;
    const ReadOutcome cancelled = Read("*,1,0,2\n001,X,1\n");
    EXPECT_EQ(cancelled.status, ReadStatus::kOk);
    EXPECT_EQ(cancelled.count, 0);
    EXPECT_EQ(dialogs.calls, 1);
    dialogs.ok = true;
    EXPECT_EQ(Read("*,1,0,2\n").status, ReadStatus::kOk);
    EXPECT_EQ(dialogs.seenCount, 0);
}

TEST_F(SpeedDialReaderTest, AnyStandardExceptionIsReportedAsNoMemory)
{
    dialogs.throwLengthError = true;
    EXPECT_EQ(Read("*,1,0,2\n001,X,1\n").status, ReadStatus::kNoMemory);
}

TEST_F(SpeedDialReaderTest, TooManyRecordsAreRefused)
{
    std::string content = "*,1,0,2\n";
    content.reserve(65536 * 8);
    for (int i = 0; i < 65536; ++i)
        content += "1,X,1\n";
    EXPECT_EQ(Read(content).status, ReadStatus::kTooManyEntries);
    EXPECT_EQ(dialogs.calls, 0);
}

} // namespace

namespace {

TEST_F(SpeedDialReaderTest, TenThousandLinesAndLongFields)
{
    std::string content = "*,1,0,2\n";
    for (int i = 0; i < 10000; ++i)
        content += std::to_string(i) + ",X," + std::to_string(5550000 + i) + "," + std::string(1000, 'n') + ",,," +
                   std::to_string(i % 5) + ",,,,," + std::string(1000, 'S') + "," + std::string(1000, '1') + ",," +
                   std::string(1000, 'F') + "\n";
    EXPECT_EQ(Read(content).status, ReadStatus::kOk);
    ASSERT_EQ(table->size(), 10000u);
    EXPECT_EQ(Name(9999), std::string(30, 'n'));
    EXPECT_EQ(Fax(9999), "5559999");
    EXPECT_EQ((*table)[9999].relayFax.size(), 1000u) << "column texts are kept whole until export";
}

} // namespace
