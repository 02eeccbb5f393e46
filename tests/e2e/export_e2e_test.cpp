// The end of a run: what happens to the export file when the user confirms
// or cancels, when no export path was given and when it cannot be written.
#include "import_run.h"

#include "testkit/file_bytes.h"

namespace e2e {
namespace {

using namespace testkit;

using ExportRun = ImportRun;

constexpr char kTwoPeople[] = "Name,Fax\nAnn Lee,555-0101\nBob Stone,555-0102\n";

// In the selection dialog: Ann Lee alone to the right list, then OK.
void ChooseAnnOnly(HWND selection)
{
    ListClearSelection(selection, kSourceList);
    ListSelect(selection, kSourceList, 0);
    SendClick(selection, kAddButton);
    EXPECT_EQ(ListCount(selection, kSelectedList), 1);
    PostClick(selection, IDOK);
}

TEST_F(ExportRun, CancelInConfirmationKeepsExistingExportFile)
{
    const std::string previous = "an earlier export that must survive";
    const std::string exportPath = WriteWorkFile("export.dat", previous);
    const std::string csvPath = WriteWorkFile("people.csv", kTwoPeople);
    HWND selection = OpenSelection(exportPath, csvPath);
    ASSERT_TRUE(selection) << "no selection dialog";
    ChooseAnnOnly(selection);
    HWND confirmation = WaitForConfirmation();
    ASSERT_TRUE(confirmation) << "no confirmation dialog";
    EXPECT_EQ(ListItems(confirmation, kEntryList), std::vector<std::string>{"Ann Lee\t555-0101"});
    PostClick(confirmation, IDCANCEL);

    const MessageBoxInfo warning = AnswerNextMessage();
    EXPECT_EQ(warning.caption, kImportCaption);
    EXPECT_EQ(warning.text, kNoEntryText);
    ExpectNoMessageUntilExit();
    ExpectHandBack(kPlainExportCommand);
    std::string kept;
    EXPECT_TRUE(ReadFileBytes(exportPath, kept));
    EXPECT_EQ(kept, previous);
}

TEST_F(ExportRun, WithoutExportPathNothingIsWrittenAfterConfirmation)
{
    const std::string csvPath = WriteWorkFile("people.csv", kTwoPeople);
    HWND selection = OpenSelection("", csvPath);
    ASSERT_TRUE(selection) << "no selection dialog";
    ChooseAnnOnly(selection);
    HWND confirmation = WaitForConfirmation();
    ASSERT_TRUE(confirmation) << "no confirmation dialog";
    PostClick(confirmation, IDOK);

    const MessageBoxInfo warning = AnswerNextMessage();
    EXPECT_EQ(warning.caption, kImportCaption);
    EXPECT_EQ(warning.text, kNoEntryText);
    ExpectNoMessageUntilExit();
    ExpectHandBack(kPlainExportCommand);
    EXPECT_EQ(WorkFiles(), std::vector<std::string>{"people.csv"});
}

TEST_F(ExportRun, ExportPathInMissingFolderIsReportedAndHostStillHandedBack)
{
    const std::string exportPath = WorkPath("no-such-folder\\export.dat");
    const std::string csvPath = WriteWorkFile("people.csv", kTwoPeople);
    HWND selection = OpenSelection(exportPath, csvPath);
    ASSERT_TRUE(selection) << "no selection dialog";
    ChooseAnnOnly(selection);
    HWND confirmation = WaitForConfirmation();
    ASSERT_TRUE(confirmation) << "no confirmation dialog";
    PostClick(confirmation, IDOK);

    const MessageBoxInfo error = AnswerNextMessage();
    ASSERT_TRUE(error.window) << "no message about the export file";
    EXPECT_FALSE(error.caption.empty());
    EXPECT_NE(error.text.find(exportPath), std::string::npos) << "the message should name the file: " << error.text;
    ExpectNoMessageUntilExit();
    ExpectHandBack(kPlainExportCommand);
    EXPECT_FALSE(FileExists(exportPath));
    EXPECT_EQ(WorkFiles(), std::vector<std::string>{"people.csv"});
}

} // namespace
} // namespace e2e
