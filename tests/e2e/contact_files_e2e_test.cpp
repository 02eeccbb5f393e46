// Contact files as the contact programs export them (the sample files),
// imported through the real dialogs with the automatic field search: every
// listed entry chosen, the export checked byte for byte in code page 1252.
#include "import_run.h"

#include "testkit/file_bytes.h"

namespace e2e {
namespace {

using namespace testkit;

class ContactFileRun : public ImportRun {
protected:
    void SetUp() override
    {
        ImportRun::SetUp();
        // The expected names below are Windows-1252 bytes.
        ASSERT_EQ(GetACP(), 1252u) << "the Wine prefix runs another ANSI code page";
    }

    // Copies a sample file into the work folder.
    std::string CopySample(const std::string& name)
    {
        std::string bytes;
        EXPECT_TRUE(ReadFileBytes(OwnDirectory() + "samples\\" + name, bytes)) << name;
        return WriteWorkFile(name, bytes);
    }

    // From the selection dialog on: all entries chosen, confirmed, exported.
    void ImportEverything(HWND selection, const std::vector<Entry>& expected, int rejected)
    {
        ASSERT_TRUE(selection) << "no selection dialog";
        HWND confirmation =
            ConfirmationOfItems(selection, 0, ListCount(selection, kSourceList) - 1, static_cast<int>(expected.size()));
        ASSERT_TRUE(confirmation) << "no confirmation dialog";
        EXPECT_EQ(ControlText(confirmation, kRejectedCount), std::to_string(rejected));
        EXPECT_EQ(ControlText(confirmation, kValidCount), std::to_string(expected.size()));
        ConfirmAndExpectExport(confirmation, exportPath_, expected);
    }

    void ImportSample(const std::string& sample, const std::vector<Entry>& expected, int rejected)
    {
        ImportEverything(OpenSelection(exportPath_, CopySample(sample)), expected, rejected);
    }

    const std::string exportPath_ = WorkPath("contacts-export.dat");
};

TEST_F(ContactFileRun, OutlookExportWithMultiLineNotesAndNameParts)
{
    ImportSample("outlook_contacts.csv",
                 {{"Zo\xEB M\xFCller", "+49301234567"},
                  {"Fran\xE7ois Xavier \xC7"
                   "elik",
                   "+33478112233"},
                  {"B\xE4"
                   "ckerei Gro\xDF",
                   "+492215550199"}},
                 1);
}

TEST_F(ContactFileRun, GoogleExportInUtf8WithLabelledNumbers)
{
    ImportSample("google_contacts.csv",
                 {{"Zo\xEB M\xFCller", "+49301234567"},
                  {"Lukasz Nowak", "+48227654321"},
                  {"Lukasz Nowak", "+48227654322"},
                  {"Soci\xE9t\xE9 G\xE9n\xE9rale Import", "+33140000001"}},
                 1);
}

TEST_F(ContactFileRun, ExcelSemicolonFileFromAGermanLocale)
{
    ImportSample("excel_semicolon.csv",
                 {{"Zo\xEB M\xFCller", "+49301234567"},
                  {"J\xFCrgen Wei\xDF", "+49307654321"},
                  {"Stra\xDF"
                   "enbau AG",
                   "+49405550100"}},
                 0);
}

TEST_F(ContactFileRun, ExcelUtf8FileWithFullWidthCommaAndQuote)
{
    // Cut into fields before the conversion to the code page turns the
    // full-width comma and quote into separators.
    ImportSample("excel_utf8_fullwidth.csv",
                 {{"Li Wei", "+861055550199"}, {"\"Sakura Trading", "+81355550199"}, {"Tanaka Ichiro", "+81355550299"}},
                 0);
}

TEST_F(ContactFileRun, MacFileWithCarriageReturnsOnly)
{
    ImportSample("mac_excel.csv", {{"Ann Lee", "+15550100"}, {"Bea Stone", "+15550102"}}, 0);
}

TEST_F(ContactFileRun, GoogleFrenchExportOffersFaxPhonesButNoMailAddress)
{
    ImportSample("google_french.csv",
                 {{"H\xE9l\xE8ne Dubois", "+33140000002"},
                  {"Brasserie Lef\xE8vre", "+33478000001"},
                  {"Brasserie Lef\xE8vre", "+33478000002"}},
                 0);
}

TEST_F(ContactFileRun, AppleVCardFile)
{
    ImportSample("apple_contacts.vcf",
                 {{"Zo\xEB M\xFCller", "+49301234567"},
                  {"Fran\xE7ois \xC7"
                   "elik",
                   "+33142685300"},
                  {"Brightline Logistics", "+442079460958"},
                  {"In\xEAs Carvalho", "+351215550140"},
                  {"In\xEAs Carvalho", "+351215550141"}},
                 1);
}

TEST_F(ContactFileRun, AndroidVCardFileNeedsNoMappingInManualMode)
{
    Start(exportPath_);
    ChooseCsv(false);
    EXPECT_TRUE(PickCsvFile(CopySample("android_contacts.vcf")));
    ImportEverything(WaitForSelectionDialog(),
                     {{"J\xFCrgen Wei\xDF-\xD6stergaard", "0305550142"},
                      {"H\xE9l\xE8ne Dubois", "+33478550110"},
                      {"H\xE9l\xE8ne Dubois", "+33478550111"}},
                     1);
}

TEST_F(ContactFileRun, TheChooserOffersVCardFiles)
{
    const std::string path = CopySample("excel_utf8.csv");
    Start(exportPath_);
    ChooseCsv(false);
    HWND chooser = WaitForFileChooser(ProgramId(), kCsvChooserTitle);
    ASSERT_TRUE(chooser) << "no file chooser";
    std::vector<std::string> types;
    for (const ComboItem& item : ComboItems(chooser, kFileTypeCombo))
        types.push_back(item.text);
    EXPECT_EQ(types,
              (std::vector<std::string>{"Comma Separated Values (*.CSV)", "vCard Files (*.VCF)", "All Files (*.*)"}));
    EnterFileName(chooser, path);
    PostClick(chooser, IDOK);
    // Manual mode: the header as a person reads it, without the byte-order mark.
    HWND mapping = WaitForMappingDialog();
    ASSERT_TRUE(mapping) << "no mapping dialog";
    EXPECT_EQ(ListItems(mapping, kFieldList), (std::vector<std::string>{"Name", "Fax"}));
    PostClick(mapping, IDCANCEL);
    ExpectNoEntryHandBack(exportPath_);
}

} // namespace
} // namespace e2e
