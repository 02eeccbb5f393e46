// The start of a run: the host handshake and the data type dialog, and the
// ways out of it that import nothing.
#include "import_run.h"

#include "testkit/file_bytes.h"

namespace e2e {
namespace {

using namespace testkit;

using DataTypeRun = ImportRun;

TEST_F(DataTypeRun, HostIsTheStartingProgramsWindowWhateverIsInFront)
{
    // Another program's window comes to the front before faximport looks.
    ChildProcess other;
    HWND otherWindow =
        StartWithOtherProgramInFront(other, "C:\\windows\\system32\\notepad.exe", WorkPath("export.dat"));
    ASSERT_TRUE(otherWindow);
    HWND dialog = WaitForDataTypeDialog();
    ASSERT_TRUE(dialog) << "no data type dialog";
    EXPECT_FALSE(host_->IsEnabled()) << "the host must be out of use while the import runs";
    EXPECT_TRUE(IsWindowEnabled(otherWindow)) << "the other program's window was taken for the host";
    PostClick(dialog, IDCANCEL);
    ExpectHandBack(kPlainExportCommand);
    EXPECT_TRUE(IsWindowEnabled(otherWindow));
}

TEST_F(DataTypeRun, OffersCsvAndSpeedDialAndCancelHandsBackWithoutMessage)
{
    const std::string exportPath = WorkPath("export.dat");
    HWND dialog = OpenDataType(exportPath);
    ASSERT_TRUE(dialog) << "no data type dialog";
    EXPECT_FALSE(host_->IsEnabled()) << "the host must be out of use while the import runs";

    // The two file sources come last, after the address books and the
    // company directory this machine offers (none in a fresh test prefix on a
    // computer outside a domain, which then selects CSV).
    const std::vector<ComboItem> items = ComboItems(dialog, kKindCombo);
    ASSERT_GE(items.size(), 2u);
    const std::size_t csv = items.size() - 2;
    EXPECT_EQ(items[csv].text, kCsvItem);
    EXPECT_EQ(items[csv].data, 4);
    EXPECT_EQ(items[csv + 1].text, kSpeedDialItem);
    EXPECT_EQ(items[csv + 1].data, 6);
    for (std::size_t i = 0; i < csv; ++i)
        EXPECT_TRUE(items[i].data == 1 || items[i].data == 2 || items[i].data == 7) << items[i].text;
    EXPECT_EQ(ComboSelection(dialog, kKindCombo), 0);
    if (csv == 0) {
        EXPECT_TRUE(IsControlVisible(dialog, kAutoSearchCheck));
        EXPECT_FALSE(IsControlVisible(dialog, kDefaultWabCheck));
    }
    EXPECT_FALSE(IsChecked(dialog, kAutoSearchCheck));
    EXPECT_EQ(ControlText(dialog, kAutoSearchCheck), "&Auto Search for CSV Data Fields");

    // The automatic search option belongs to CSV only.
    ComboChoose(dialog, kKindCombo, kSpeedDialItem);
    EXPECT_FALSE(IsControlVisible(dialog, kAutoSearchCheck));
    EXPECT_FALSE(IsControlVisible(dialog, kDefaultWabCheck));
    ComboChoose(dialog, kKindCombo, kCsvItem);
    EXPECT_TRUE(IsControlVisible(dialog, kAutoSearchCheck));
    EXPECT_FALSE(IsControlVisible(dialog, kDefaultWabCheck));

    PostClick(dialog, IDCANCEL);
    ExpectHandBack(kPlainExportCommand);
    EXPECT_FALSE(FileExists(exportPath));
}

TEST_F(DataTypeRun, CancelledSpeedDialFileChooserWarnsAndSendsSpeedDialCommand)
{
    const std::string exportPath = WorkPath("export.dat");
    HWND dialog = OpenDataType(exportPath);
    ASSERT_TRUE(dialog) << "no data type dialog";
    // A check mark set under CSV does not matter for another source.
    SetChecked(dialog, kAutoSearchCheck, true);
    ComboChoose(dialog, kKindCombo, kSpeedDialItem);
    PostClick(dialog, IDOK);
    ASSERT_TRUE(CancelFileChooser(ProgramId(), kSpeedDialChooserTitle)) << "no speed-dial file chooser";

    ExpectNoEntryHandBack(exportPath, kSpeedDialExportCommand);
}

} // namespace
} // namespace e2e
