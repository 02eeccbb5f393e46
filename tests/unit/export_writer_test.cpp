#include <gtest/gtest.h>

#include <cstring>

#include "app/export_writer.h"
#include "fakes.h"

namespace {

using Bytes = std::vector<unsigned char>;

// A 31-byte field: the text, its terminator, zeros.
Bytes Field(const std::string& text)
{
    Bytes field(31, 0);
    std::copy(text.begin(), text.end(), field.begin());
    return field;
}

Bytes Concat(std::initializer_list<Bytes> parts)
{
    Bytes all;
    for (const Bytes& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

TEST(PlainExport, OneEntryIsSixtyFourBytes)
{
    ImportResult result;
    result.recipients.Append({"ABC", "123"});
    const Bytes expected =
        Concat({{0x01, 0x00}, {0x41, 0x42, 0x43, 0x00}, Bytes(27, 0), {0x31, 0x32, 0x33, 0x00}, Bytes(27, 0)});
    EXPECT_EQ(BuildPlainExport(result), expected);
}

TEST(PlainExport, EmptyNamesAndFullFields)
{
    ImportResult result;
    const std::string name30 = "abcdefghijklmnopqrstuvwxyz0123";
    const std::string fax30 = "+49(30)123456789012345678901234";
    result.recipients.Append({"", "555"});
    result.recipients.Append({name30, fax30.substr(0, 30)});
    result.recipients.Append({"\x81[ Ann [HQ]", "7"}); // a double-byte name whose trail byte is "["
    const Bytes bytes = BuildPlainExport(result);
    ASSERT_EQ(bytes.size(), 2u + 3 * 62);
    EXPECT_EQ(Bytes(bytes.begin() + 2, bytes.begin() + 64), Concat({Field(""), Field("555")}));
    EXPECT_EQ(Bytes(bytes.begin() + 64, bytes.begin() + 126), Concat({Field(name30), Field(fax30.substr(0, 30))}));
    EXPECT_EQ(bytes[64 + 30], 0) << "30 bytes of text, then the terminator";
    EXPECT_EQ(Bytes(bytes.begin() + 126, bytes.end()), Concat({Field("\x81[ Ann [HQ]"), Field("7")}))
        << "the name is written whole, brackets and all";
}

TEST(PlainExport, CountIsLittleEndianAndRecordsKeepListOrder)
{
    ImportResult result;
    for (int i = 0; i < 300; ++i)
        result.recipients.Append({"N" + std::to_string(i), std::to_string(i)});
    const Bytes bytes = BuildPlainExport(result);
    ASSERT_EQ(bytes.size(), 2u + 300 * 62);
    EXPECT_EQ(bytes[0], 0x2C);
    EXPECT_EQ(bytes[1], 0x01);
    const std::size_t last = 2 + 299 * 62;
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&bytes[last])), "N299");
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&bytes[last + 31])), "299");
}

TEST(WriteExportFile, ReplacesTheFileOrReportsWhy)
{
    FakeFileSystem files;
    files.files["C:\\out.dat"] = "old content that is longer than the new one";
    ImportResult result;
    result.recipients.Append({"A", "1"});
    std::string error;
    ASSERT_TRUE(WriteExportFile(files, "C:\\out.dat", result, DataSourceKind::kCsvAuto, error));
    EXPECT_EQ(files.files["C:\\out.dat"].size(), 64u);

    files.failWrites = true;
    EXPECT_FALSE(WriteExportFile(files, "C:\\out.dat", result, DataSourceKind::kCsvAuto, error));
    EXPECT_FALSE(error.empty());
}

} // namespace

namespace {

// A record laid out by hand from the field offsets.
Bytes HandRecord(const std::string& name, const std::string& fax, unsigned commMode, char feature)
{
    Bytes record(184, 0);
    std::copy(name.begin(), name.end(), record.begin());
    std::copy(fax.begin(), fax.end(), record.begin() + 31);
    record[62] = static_cast<unsigned char>(commMode);
    record[64] = static_cast<unsigned char>(feature);
    record[77] = '0';
    return record;
}

class SpeedDialExportTest : public ::testing::Test {
protected:
    void AddRecord(const std::string& name, const std::string& fax, unsigned commMode, const std::string& secure = "",
                   const std::string& relay = "", const std::string& fcode = "")
    {
        SpeedDialEntry entry{InitialSpeedDialRecord(), "", "", secure, relay, fcode};
        std::copy(name.begin(), name.end(), entry.record.name);
        std::copy(fax.begin(), fax.end(), entry.record.faxNumber);
        entry.record.commMode = static_cast<std::uint16_t>(commMode);
        table.push_back(entry);
    }
    // The recipients the selection makes of these records, in this order.
    void Choose(std::initializer_list<std::size_t> records)
    {
        for (std::size_t index : records) {
            const SpeedDialEntry& entry = table[index];
            result.recipients.Append(
                {entry.record.name, entry.record.faxNumber, std::make_shared<const SpeedDialEntry>(entry)});
        }
    }

    SpeedDialTable table;
    ImportResult result;
};

TEST_F(SpeedDialExportTest, RecordsInSelectionOrder)
{
    for (int i = 0; i < 6; ++i)
        AddRecord("R" + std::to_string(i), std::to_string(500 + i), i % 3);
    Choose({5, 0, 2});
    const Bytes expected = Concat({{0x03, 0x00},
                                   HandRecord("R5", "505", 2, '0'),
                                   HandRecord("R0", "500", 0, '0'),
                                   HandRecord("R2", "502", 2, '0')});
    EXPECT_EQ(BuildSpeedDialExport(result), expected);
}

TEST_F(SpeedDialExportTest, CodedFieldsAndFeatureCode)
{
    // Relay and secure both usable; the F code "FIRSTPART:SECOND".
    AddRecord("Both", "1", 1, "DHWQERH=", "P12/5/#3/*", "ExyFH1EDDIWHByASD09BEN==");
    AddRecord("Relay", "2", 0, "", "7/1");
    AddRecord("Secure", "3", 0, "DHWQERH=", "");
    Choose({0, 1, 2});
    const Bytes bytes = BuildSpeedDialExport(result);
    ASSERT_EQ(bytes.size(), 2u + 3 * 184);
    for (std::size_t i = 0; i < table.size(); ++i) {
        EXPECT_EQ(std::memcmp(&result.recipients.At(i).speedDial->record, &table[i].record, sizeof(SpeedDialRecord)), 0)
            << "the chosen entries are only read";
    }

    Bytes both = HandRecord("Both", "1", 1, '0');
    const std::string secure1 = "ABC";
    std::copy(secure1.begin(), secure1.end(), both.begin() + 65);
    both[74] = '1';
    both[75] = '2';
    both[77] = '1';
    both[78] = 3;
    const std::string codes = "0050#300*";
    std::copy(codes.begin(), codes.end(), both.begin() + 80);
    const std::string f1 = "FIRSTPART";
    const std::string f2 = "SECOND";
    std::copy(f1.begin(), f1.end(), both.begin() + 142);
    std::copy(f2.begin(), f2.end(), both.begin() + 163);
    EXPECT_EQ(Bytes(bytes.begin() + 2, bytes.begin() + 186), both);

    Bytes relay = HandRecord("Relay", "2", 0, '1');
    relay[74] = '7';
    relay[78] = 1;
    relay[80] = '0';
    relay[81] = '0';
    relay[82] = '1';
    EXPECT_EQ(Bytes(bytes.begin() + 186, bytes.begin() + 370), relay);

    Bytes secure = HandRecord("Secure", "3", 0, '4');
    std::copy(secure1.begin(), secure1.end(), secure.begin() + 65);
    EXPECT_EQ(Bytes(bytes.begin() + 370, bytes.end()), secure);
}

TEST_F(SpeedDialExportTest, RecipientsWithoutARecordAreLeftOut)
{
    AddRecord("A", "1", 0);
    result.recipients.Append({"B", "2"});
    Choose({0});
    const Bytes bytes = BuildSpeedDialExport(result);
    ASSERT_EQ(bytes.size(), 2u + 184);
    EXPECT_EQ(bytes[0], 1);
}

} // namespace
