// Files as large as one import can take, and larger: a table of 65,535
// entries goes through every dialog to the export file; a million rows are
// refused with a clear message.
#include "import_run.h"

#include <windows.h>

#include "testkit/file_bytes.h"

namespace e2e {
namespace {

using namespace testkit;

using LargeInputRun = ImportRun;

constexpr int kMostEntries = 65535;

std::string Rows(int count)
{
    std::string text = "Name,Fax\r\n";
    text.reserve(static_cast<std::size_t>(count) * 20 + 16);
    for (int i = 0; i < count; ++i)
        text += "P" + std::to_string(i) + "," + std::to_string(1000000 + i) + "\r\n";
    return text;
}

TEST_F(LargeInputRun, AllOf65535EntriesReachTheExportFile)
{
    const std::string exportPath = WorkPath("export.dat");
    const std::string csvPath = WriteWorkFile("big.csv", Rows(kMostEntries));
    HWND selection = OpenSelection(exportPath, csvPath);
    ASSERT_TRUE(selection) << "no selection dialog";
    ASSERT_EQ(ListCount(selection, kSourceList), kMostEntries);

    HWND confirmation = ConfirmationOfItems(selection, 0, kMostEntries - 1, kMostEntries);
    ASSERT_TRUE(confirmation) << "no confirmation dialog";
    EXPECT_EQ(ControlText(confirmation, kHeadline), "65535 fax entries will be imported:");
    EXPECT_EQ(ListCount(confirmation, kEntryList), kMostEntries);
    ConfirmAndExpectHandBack(confirmation);

    std::string written;
    ASSERT_TRUE(ReadFileBytes(exportPath, written));
    ASSERT_EQ(written.size(), 2u + 62u * kMostEntries);
    EXPECT_EQ(static_cast<unsigned char>(written[0]), 0xFF);
    EXPECT_EQ(static_cast<unsigned char>(written[1]), 0xFF);
    // The first and the last record, each as a one-entry file lays it out.
    EXPECT_EQ(written.substr(2, 62), ExpectedExport({{"P0", "1000000"}}).substr(2));
    EXPECT_EQ(written.substr(2 + 62u * (kMostEntries - 1)), ExpectedExport({{"P65534", "1065534"}}).substr(2));
}

TEST_F(LargeInputRun, MillionRowsAreRefusedAsTooMany)
{
    const std::string exportPath = WorkPath("export.dat");
    const std::string csvPath = WriteWorkFile("huge.csv", Rows(1000000));
    Start(exportPath);
    ASSERT_FALSE(HasFatalFailure());
    ChooseCsv(true);
    EXPECT_TRUE(PickCsvFile(csvPath)) << "the CSV file chooser did not take " << csvPath;

    ExpectMessage(kCsvErrorCaption, csvPath + " holds more than 65535 entries, more than one import can take.\n"
                                              "No entry will be imported.");
    ExpectNoEntryHandBack(exportPath);
}

} // namespace
} // namespace e2e
