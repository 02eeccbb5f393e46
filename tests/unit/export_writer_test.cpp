#include <gtest/gtest.h>

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
    result.recipients.Append("ABC [123]");
    result.entryCount = 1;
    const Bytes expected = Concat({{0x01, 0x00},
                                   {0x41, 0x42, 0x43, 0x00}, Bytes(27, 0),
                                   {0x31, 0x32, 0x33, 0x00}, Bytes(27, 0)});
    EXPECT_EQ(BuildPlainExport(result), expected);
}

TEST(PlainExport, EmptyNamesAndFullFields)
{
    ImportResult result;
    const std::string name30 = "abcdefghijklmnopqrstuvwxyz0123";
    const std::string fax30 = "+49(30)123456789012345678901234";
    result.recipients.Append(" [555]");
    result.recipients.Append(name30 + " [" + fax30.substr(0, 30) + "]");
    result.entryCount = 2;
    const Bytes bytes = BuildPlainExport(result);
    ASSERT_EQ(bytes.size(), 2u + 2 * 62);
    EXPECT_EQ(Bytes(bytes.begin() + 2, bytes.begin() + 64), Concat({Field(""), Field("555")}));
    EXPECT_EQ(Bytes(bytes.begin() + 64, bytes.end()), Concat({Field(name30), Field(fax30.substr(0, 30))}));
    EXPECT_EQ(bytes[64 + 30], 0) << "30 bytes of text, then the terminator";
}

TEST(PlainExport, CountIsLittleEndianAndRecordsKeepListOrder)
{
    ImportResult result;
    for (int i = 0; i < 300; ++i)
        result.recipients.Append("N" + std::to_string(i) + " [" + std::to_string(i) + "]");
    result.entryCount = 300;
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
    result.recipients.Append("A [1]");
    result.entryCount = 1;
    std::string error;
    ASSERT_TRUE(WriteExportFile(files, "C:\\out.dat", result, kKindCsvAuto, nullptr, error));
    EXPECT_EQ(files.files["C:\\out.dat"].size(), 64u);

    files.failWrites = true;
    EXPECT_FALSE(WriteExportFile(files, "C:\\out.dat", result, kKindCsvAuto, nullptr, error));
    EXPECT_FALSE(error.empty());
}

} // namespace
