// CSV files the reader refuses: each gives its error message, then the
// "nothing imported" warning, and the run still hands back to the host.
#include "import_run.h"

#include <windows.h>

#include "testkit/file_bytes.h"

namespace e2e {
namespace {

using namespace testkit;

struct ReaderErrorCase {
    const char* name;
    const char* content;
    bool autoSearch;
    bool lockedByAnotherProgram; // exists, but cannot be opened for reading
    const char* before;          // the message is before + path + after
    const char* after;
};

constexpr char kFailToAccess[] = "Fail to access ";
constexpr char kNoDataRead[] = ".\nNo data has been read for import.";

const ReaderErrorCase kReaderErrors[] = {
    {"FileOpenElsewhere", "Name,Fax\nAnn Lee,555-0101\n", true, true, kFailToAccess, kNoDataRead},
    {"EmptyFile", "", true, false, kFailToAccess, kNoDataRead},
    {"UnclosedQuoteInHeader", "\"Name,Fax\nAnn Lee,555-0101\n", true, false,
     "Invalid CSV data format!\nCannot import data from ", "."},
    {"UnclosedQuoteInRow", "Name,Fax\nAnn Lee,555-0101\n\"Bob Stone,555-0102\n", true, false,
     "Invalid CSV data format!\nCannot import data from ", "."},
    {"NoFaxHeader", "Name,Phone,Company\nAnn Lee,555-0101,Fax Ltd\n", true, false, "Cannot find fax number in ",
     ".\nNo entry will be imported."},
};

void PrintTo(const ReaderErrorCase& scenario, std::ostream* out)
{
    *out << scenario.name;
}

class ReaderErrorRun : public ImportRun, public ::testing::WithParamInterface<ReaderErrorCase> {};

TEST_P(ReaderErrorRun, ShowsReaderErrorThenNoEntryWarning)
{
    const ReaderErrorCase& scenario = GetParam();
    const std::string exportPath = WorkPath("export.dat");
    const std::string csvPath = WriteWorkFile("input.csv", scenario.content);

    HANDLE lock = INVALID_HANDLE_VALUE;
    if (scenario.lockedByAnotherProgram) {
        lock = CreateFileA(csvPath.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    }

    Start(exportPath);
    if (!HasFatalFailure()) {
        ChooseCsv(scenario.autoSearch);
        EXPECT_TRUE(PickCsvFile(csvPath)) << "the CSV file chooser did not take " << csvPath;

        ExpectMessage(kCsvErrorCaption, scenario.before + csvPath + scenario.after);
        ExpectNoEntryHandBack(exportPath);
    }
    if (lock != INVALID_HANDLE_VALUE)
        CloseHandle(lock);
}

INSTANTIATE_TEST_SUITE_P(CsvFiles, ReaderErrorRun, ::testing::ValuesIn(kReaderErrors),
                         [](const ::testing::TestParamInfo<ReaderErrorCase>& info) { return info.param.name; });

// Manual mapping reads the data rows only after the mapping: a bad row is
// reported once the mapping dialog has been confirmed.
TEST_F(ImportRun, UnclosedQuoteInRowIsReportedAfterManualMapping)
{
    const std::string exportPath = WorkPath("export.dat");
    const std::string csvPath = WriteWorkFile("input.csv", "Name,Fax\nAnn Lee,555-0101\n\"Bob Stone,555-0102\n");
    Start(exportPath);
    ASSERT_FALSE(HasFatalFailure());
    ChooseCsv(false);
    ASSERT_TRUE(PickCsvFile(csvPath));
    HWND mapping = WaitForMappingDialog();
    ASSERT_TRUE(mapping) << "no field mapping dialog";
    ListSetCurrent(mapping, kFieldList, 1);
    SendClick(mapping, kMapFaxButton);
    PostClick(mapping, IDOK);

    ExpectMessage(kCsvErrorCaption, "Invalid CSV data format!\nCannot import data from " + csvPath + ".");
    ExpectNoEntryHandBack(exportPath);
}

} // namespace
} // namespace e2e
