// Help from the dialogs: the Help button and F1 open the HTML Help file beside
// the program in a window of the program's own process, the dialog stays
// usable meanwhile, and no help window outlives the import.
#include "import_run.h"

namespace e2e {
namespace {

using namespace testkit;

// A visible HTML Help window of processId, or null.
HWND FindHelpWindow(DWORD processId)
{
    return FindTopWindowOfClass(processId, "HH Parent");
}

using HelpRun = ImportRun;

TEST_F(HelpRun, HelpButtonAndF1OpenTheHelpWithoutBlockingAndItClosesWithTheImport)
{
    const std::string exportPath = WorkPath("help-export.dat");
    const std::string csv = WriteWorkFile("help.csv", "Name,Fax\r\nAnn,1\r\n");
    HWND dataType = OpenDataType(exportPath);
    ASSERT_TRUE(dataType) << "no data type dialog";
    PostClick(dataType, kDataTypeHelpButton);
    HWND help = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (help = FindHelpWindow(ProgramId())) != nullptr; })) << "no help window";
    EXPECT_TRUE(IsWindowEnabled(dataType)) << "the help must leave the dialog usable";
    SendMessageW(help, WM_CLOSE, 0, 0);
    ASSERT_TRUE(WaitUntilClosed(help));

    // The import goes on; F1 in the selection dialog opens the help again.
    ChooseCsv(true);
    ASSERT_TRUE(PickCsvFile(csv));
    HWND selection = WaitForSelectionDialog();
    ASSERT_TRUE(selection) << "no selection dialog";
    // What the F1 key sends a window (WM_KEYF1); its default handling asks
    // the dialog for help with WM_HELP.
    PostMessageW(FindControl(selection, kSourceList), 0x004D, 0, 0);
    ASSERT_TRUE(WaitUntil([&] { return (help = FindHelpWindow(ProgramId())) != nullptr; })) << "F1 opened no help";
    EXPECT_TRUE(IsWindowEnabled(selection));

    HWND confirmation = ConfirmationOfItems(selection, 0, 0, 1);
    ASSERT_TRUE(confirmation) << "no confirmation dialog";
    ConfirmAndExpectHandBack(confirmation);
    EXPECT_FALSE(IsWindow(help)) << "a help window outlived the import";
}

} // namespace
} // namespace e2e
