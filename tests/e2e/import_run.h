// What the end-to-end tests share: the program's dialog contract (from
// testkit, and the message texts), the test data folder, the export file layout
// written out by hand, and a fixture that runs one import from a test host.
#pragma once

#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "testkit/child_process.h"
#include "testkit/dialog_contract.h"
#include "testkit/dialog_driver.h"
#include "testkit/test_host.h"

namespace testkit {
void PrintTo(const ReceivedCommand& command, std::ostream* out);
} // namespace testkit

namespace e2e {

using namespace contract;

// Field mapping dialog and selection dialog; both captions start with this.
constexpr char kCsvCaptionStart[] = "CSV Import - ";

// Message captions and texts.
constexpr char kImportCaption[] = "Import Fax Recipient Data";
constexpr char kCsvErrorCaption[] = "CSV Import Error";
constexpr char kCsvCaption[] = "CSV Import";
constexpr char kNoEntryText[] = "No entry to be imported.";
constexpr char kLimitText[] =
    "The selected recipients in list has reached the maximum entry limit.\nYou cannot import more than 50 recipients.";

// The folder for test files, in the Wine prefix: no blanks, since the export
// path travels on a command line that has no quoting.
constexpr char kWorkFolder[] = "C:\\faximport-e2e";
std::string WorkPath(const std::string& name);

// faximport.exe, copied beside the test program by the build.
std::string ProgramPath();

// Export file bytes as the layout defines them: the entry count as 16 bits,
// little-endian, then per entry a 31-byte name field and a 31-byte fax field,
// each holding the text, its terminating zero and zero filler.
using Entry = std::pair<std::string, std::string>; // name, fax number
std::string ExpectedExport(const std::vector<Entry>& entries);
// Readable form for comparisons: the count, then one line of hex per field.
std::string HexLayout(const std::string& bytes);
// The bytes as hex pairs, each followed by a blank.
std::string Hex(const std::string& bytes);

// The progress notice of the process, found without messages to the
// program: its thread is busy while the notice stands.
HWND FindProgressNotice(DWORD processId);

// The three figures and the two texts of the confirmation's statistics.
struct Statistics {
    std::string selected;
    std::string rejected;
    std::string valid;
    std::string rejectedLabel;
    std::string capLine;

    bool operator==(const Statistics& other) const
    {
        return selected == other.selected && rejected == other.rejected && valid == other.valid &&
               rejectedLabel == other.rejectedLabel && capLine == other.capLine;
    }
};
void PrintTo(const Statistics& figures, std::ostream* out);
Statistics ReadStatistics(HWND confirmation);

// Confirmation lines: name, tab, fax number.
std::vector<std::string> ConfirmLines(const std::vector<Entry>& entries);

class ImportRun : public ::testing::Test {
protected:
    void SetUp() override;

    // Writes a test file into the work folder and returns its path.
    std::string WriteWorkFile(const std::string& name, const std::string& bytes);
    // Names of the files in the work folder.
    std::vector<std::string> WorkFiles() const;

    // Creates the host (foreground, with or without control 1008) and starts
    // faximport with this text after the program name.
    void Start(const std::string& arguments, bool capControl = false);
    // The same, but another program started after the host has its window
    // in the foreground when faximport starts, as when a notification comes
    // to the front meanwhile. Returns that window.
    HWND StartWithOtherProgramInFront(testkit::ChildProcess& other, const std::string& otherProgram,
                                      const std::string& arguments);
    DWORD ProgramId() const { return program_.Id(); }

    // A dialog of the program with this caption (or caption start) and control.
    HWND WaitForProgramDialog(const std::string& caption, int requiredControl, bool captionIsPrefix = false);
    HWND WaitForDataTypeDialog();
    // Start, up to the data type dialog.
    HWND OpenDataType(const std::string& arguments);
    // In the data type dialog: this source, the check box checkBox (0: none)
    // set as checked says, OK.
    void ChooseDataType(const char* item, int checkBox = 0, bool checked = false);
    // In the data type dialog: CSV, with or without automatic field search, OK.
    void ChooseCsv(bool autoSearch) { ChooseDataType(kCsvItem, kAutoSearchCheck, autoSearch); }
    // In the open-file dialog for CSV files: this path, OK.
    bool PickCsvFile(const std::string& path);
    HWND WaitForMappingDialog();
    HWND WaitForSelectionDialog();
    HWND WaitForConfirmation();
    // Start, CSV in the chosen mode, the file, up to the selection dialog.
    HWND OpenSelection(const std::string& arguments, const std::string& csvPath, bool capControl = false);
    // In a selection dialog: items first to last alone to the right list,
    // which must then hold chosen lines, and OK. Returns the confirmation;
    // null when it did not come.
    HWND ConfirmationOfItems(HWND selection, int first, int last, int chosen);

    // Waits for the next message box, presses OK and returns what it said.
    testkit::MessageBoxInfo AnswerNextMessage();
    // The same, and the box had this caption and text.
    void ExpectMessage(const std::string& caption, const std::string& text);
    // In a selection dialog of 60 items with the host's cap control: adding
    // them all fills the right list up to 50 and shows the limit message in
    // caption; item 55 added to the full list shows it at once. Returns the
    // dialog as waitForSelection finds it again after the messages.
    HWND AddPastTheCap(HWND selection, const std::string& caption, const std::function<HWND()>& waitForSelection);
    // No message box until the program ends; it has ended normally, the host
    // is usable again and received exactly one command, with that ID and
    // lParam 0.
    void ExpectHandBack(int command);
    // The end of a run that imports nothing: the "No entry" warning, the
    // hand-back with command, and no export file at exportPath.
    void ExpectNoEntryHandBack(const std::string& exportPath, int command = kPlainExportCommand);
    // The usual end of an import: OK in the confirmation, then the hand-back
    // with command.
    void ConfirmAndExpectHandBack(HWND confirmation, int command = kPlainExportCommand);
    // The same with the plain command, and the export file holds exactly
    // these entries, byte for byte.
    void ConfirmAndExpectExport(HWND confirmation, const std::string& exportPath, const std::vector<Entry>& entries);
    // The export file's bytes; a failure when there is none.
    static std::string ReadExport(const std::string& path);

    std::unique_ptr<testkit::TestHost> host_;
    testkit::ChildProcess program_; // ended first, before the host goes
};

} // namespace e2e
