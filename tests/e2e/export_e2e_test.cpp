// The end of a run: what happens to the export file when the user confirms
// or cancels, when no export path was given and when it cannot be written.
#include "import_run.h"

#include <cstdlib>

#include "testkit/file_bytes.h"

namespace e2e {
namespace {

using namespace testkit;

class ExportRun : public ImportRun {
protected:
    // Starts with these arguments and imports people.csv, two people, up to
    // the confirmation of Ann Lee alone; null when a dialog did not come.
    HWND ConfirmationOfAnnOnly(const std::string& arguments)
    {
        HWND selection =
            OpenSelection(arguments, WriteWorkFile("people.csv", "Name,Fax\nAnn Lee,555-0101\nBob Stone,555-0102\n"));
        EXPECT_TRUE(selection) << "no selection dialog";
        return selection ? ConfirmationOfItems(selection, 0, 0, 1) : nullptr;
    }
};

// The file at path (an earlier export, or one the export must not touch)
// holds exactly these bytes.
void ExpectFileHolds(const std::string& path, const std::string& bytes)
{
    std::string held;
    EXPECT_TRUE(ReadFileBytes(path, held)) << "cannot read " << path;
    EXPECT_EQ(held, bytes);
}

TEST_F(ExportRun, CancelInConfirmationKeepsExistingExportFile)
{
    const std::string previous = "an earlier export that must survive";
    const std::string exportPath = WriteWorkFile("export.dat", previous);
    HWND confirmation = ConfirmationOfAnnOnly(exportPath);
    ASSERT_TRUE(confirmation) << "no confirmation dialog";
    EXPECT_EQ(ListItems(confirmation, kEntryList), std::vector<std::string>{"Ann Lee\t555-0101"});
    PostClick(confirmation, IDCANCEL);

    ExpectMessage(kImportCaption, kNoEntryText);
    ExpectHandBack(kPlainExportCommand);
    ExpectFileHolds(exportPath, previous);
}

// A host passes an export path with blanks, quoted or not: the export lands
// there and never in the file that the path's first word names.
class BlankExportPathRun : public ExportRun {
protected:
    void ExportToPathWithBlanks(bool quoted)
    {
        ASSERT_TRUE(EnsureDirectory(WorkPath("keep me")));
        const std::string exportPath = WorkPath("keep me\\export.dat");
        RemoveFile(exportPath);
        WriteWorkFile("keep", "not an export");
        HWND confirmation = ConfirmationOfAnnOnly(quoted ? "\"" + exportPath + "\"" : exportPath);
        ASSERT_TRUE(confirmation) << "no confirmation dialog";
        ConfirmAndExpectExport(confirmation, exportPath, {{"Ann Lee", "555-0101"}});
        ExpectFileHolds(WorkPath("keep"), "not an export");
    }
};

TEST_F(BlankExportPathRun, UnquotedPathWithBlanks)
{
    ExportToPathWithBlanks(false);
}

TEST_F(BlankExportPathRun, QuotedPathWithBlanks)
{
    ExportToPathWithBlanks(true);
}

TEST_F(BlankExportPathRun, PathThatCannotBeToldApartIsRefusedBeforeAnyDialog)
{
    WriteWorkFile("gone", "not an export");
    const std::string unclear = WorkPath("gone away\\export.dat");
    Start(unclear);
    ExpectMessage(kImportCaption, "The export file path on the command line is not clear:\n\"" + ProgramPath() + "\" " +
                                      unclear + "\nNo entry will be imported.");
    ExpectHandBack(kPlainExportCommand);
    ExpectFileHolds(WorkPath("gone"), "not an export");
}

TEST_F(ExportRun, WithoutExportPathNothingIsWrittenAfterConfirmation)
{
    HWND confirmation = ConfirmationOfAnnOnly("");
    ASSERT_TRUE(confirmation) << "no confirmation dialog";
    PostClick(confirmation, IDOK);

    ExpectMessage(kImportCaption, kNoEntryText);
    ExpectHandBack(kPlainExportCommand);
    EXPECT_EQ(WorkFiles(), std::vector<std::string>{"people.csv"});
}

// Imports Ann alone to an export file that cannot be written: the error must
// name the file, and the host still gets its command.
class BlockedExportRun : public ExportRun {
protected:
    void RunImportThatCannotBeWritten(const std::string& exportPath)
    {
        HWND confirmation = ConfirmationOfAnnOnly(exportPath);
        ASSERT_TRUE(confirmation) << "no confirmation dialog";
        PostClick(confirmation, IDOK);

        error = AnswerNextMessage();
        ASSERT_TRUE(error.window) << "no message about the export file";
        EXPECT_NE(error.text.find(exportPath), std::string::npos) << "the message should name the file: " << error.text;
        ExpectHandBack(kPlainExportCommand);
    }

    // The message about the export file.
    MessageBoxInfo error;
};

TEST_F(BlockedExportRun, ExportPathInMissingFolderIsReportedAndHostStillHandedBack)
{
    const std::string exportPath = WorkPath("no-such-folder\\export.dat");
    RunImportThatCannotBeWritten(exportPath);
    ASSERT_FALSE(HasFatalFailure());
    EXPECT_FALSE(error.caption.empty());
    EXPECT_FALSE(FileExists(exportPath));
    EXPECT_EQ(WorkFiles(), std::vector<std::string>{"people.csv"});
}

TEST_F(BlockedExportRun, ReadOnlyExportFileIsReportedAndKept)
{
    const std::string exportPath = WriteWorkFile("export.dat", "earlier export");
    ASSERT_TRUE(SetFileAttributesA(exportPath.c_str(), FILE_ATTRIBUTE_READONLY));
    RunImportThatCannotBeWritten(exportPath);
    SetFileAttributesA(exportPath.c_str(), FILE_ATTRIBUTE_NORMAL);
    ExpectFileHolds(exportPath, "earlier export");
    // No temporary file is left beside it.
    EXPECT_EQ(WorkFiles().size(), 2u);
}

TEST_F(BlockedExportRun, ExportFileHeldOpenByAnotherProgramIsReportedAndKept)
{
    const std::string exportPath = WriteWorkFile("export.dat", "earlier export");
    // Another program reads the file and lets nobody else in.
    HANDLE held =
        CreateFileA(exportPath.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    RunImportThatCannotBeWritten(exportPath);
    CloseHandle(held);
    ExpectFileHolds(exportPath, "earlier export");
    EXPECT_EQ(WorkFiles().size(), 2u);
}

// A full disk: the test command mounts a small file system, puts an earlier
// export file on it and fills the rest. Without it (not run as root, or no
// mount allowed) the case is skipped.
TEST_F(BlockedExportRun, FullDiskIsReportedAndEarlierExportKept)
{
    const char* folder = std::getenv("FAXIMPORT_TEST_FULL_DISK");
    if (folder == nullptr || *folder == '\0')
        GTEST_SKIP() << "no full disk prepared (FAXIMPORT_TEST_FULL_DISK)";
    const std::string exportPath = std::string(folder) + "\\export.dat";
    std::string earlier;
    ASSERT_TRUE(ReadFileBytes(exportPath, earlier)) << "the prepared export file is missing";
    RunImportThatCannotBeWritten(exportPath);
    ExpectFileHolds(exportPath, earlier);
}

} // namespace
} // namespace e2e
