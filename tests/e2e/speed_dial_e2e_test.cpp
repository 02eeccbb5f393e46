// Whole speed-dial imports: a device's EWS-CSV export read into the selection
// dialog, records picked by their sorted numbers, details viewed, the replace
// question, the entry cap, and the 184-byte records of the export file with
// their relay, secure fax and F code fields decoded.
#include "import_run.h"

#include <windows.h>

#include <cstdio>
#include <random>

#include "testkit/file_bytes.h"

namespace e2e {
namespace {

using namespace testkit;

constexpr char kExactlyOneText[] =
    "You must select exactly one speed dial number from the list in order to view the details.";

// One speed-dial record as the export file must hold it. Texts are given as
// they are stored; relay codes are 3 bytes each.
struct ExpectedRecord {
    std::string name;
    std::string fax;
    unsigned commMode = 0;
    char featureCode = '0';
    std::string secureFax1;
    std::string secureFax2;
    std::string relayNumber;
    char relayPFlag = '0';
    std::vector<std::string> relayCodes;
    std::string fCode1;
    std::string fCode2;
};

// A record with nothing but a name and a fax number.
ExpectedRecord NameAndFax(const std::string& name, const std::string& fax)
{
    ExpectedRecord record;
    record.name = name;
    record.fax = fax;
    return record;
}

constexpr std::size_t kRecordBytes = 184;

void PutText(std::string& record, std::size_t offset, const std::string& text)
{
    record.replace(offset, text.size(), text);
}

void PutU16(std::string& record, std::size_t offset, unsigned value)
{
    record[offset] = static_cast<char>(value & 0xFF);
    record[offset + 1] = static_cast<char>((value >> 8) & 0xFF);
}

// The record laid out by its offsets; everything not set stays zero.
std::string RecordBytes(const ExpectedRecord& expected)
{
    std::string record(kRecordBytes, '\0');
    PutText(record, 0, expected.name);
    PutText(record, 31, expected.fax);
    PutU16(record, 62, expected.commMode);
    record[64] = expected.featureCode;
    PutText(record, 65, expected.secureFax1);
    PutText(record, 69, expected.secureFax2);
    PutText(record, 74, expected.relayNumber);
    record[77] = expected.relayPFlag;
    PutU16(record, 78, static_cast<unsigned>(expected.relayCodes.size()));
    for (std::size_t i = 0; i < expected.relayCodes.size(); ++i)
        PutText(record, 80 + 3 * i, expected.relayCodes[i]);
    PutText(record, 142, expected.fCode1);
    PutText(record, 163, expected.fCode2);
    return record;
}

std::string ExpectedSpeedDialExport(const std::vector<ExpectedRecord>& records)
{
    std::string bytes;
    bytes += static_cast<char>(records.size() & 0xFF);
    bytes += static_cast<char>((records.size() >> 8) & 0xFF);
    for (const ExpectedRecord& record : records)
        bytes += RecordBytes(record);
    return bytes;
}

// Readable form for comparisons: the count, then each record field by field.
std::string RecordLayout(const std::string& bytes)
{
    static const struct {
        const char* name;
        std::size_t offset;
        std::size_t width;
    } kFields[] = {{"name", 0, 31},       {"faxNumber", 31, 31},  {"commMode", 62, 2},    {"featureCode", 64, 1},
                   {"secureFax1", 65, 4}, {"secureFax2", 69, 5},  {"relayNumber", 74, 3}, {"relayPFlag", 77, 1},
                   {"relayCount", 78, 2}, {"relayCodes", 80, 60}, {"reserved", 140, 2},   {"fCode1", 142, 21},
                   {"fCode2", 163, 21}};
    std::string out = "count: " + Hex(bytes.substr(0, 2)) + "\n";
    std::size_t at = 2;
    for (int record = 0; at < bytes.size(); ++record, at += kRecordBytes) {
        const std::string one = bytes.substr(at, kRecordBytes);
        out += "record " + std::to_string(record) + "\n";
        for (const auto& field : kFields) {
            if (field.offset < one.size())
                out += std::string("  ") + field.name + ": " + Hex(one.substr(field.offset, field.width)) + "\n";
        }
        if (one.size() != kRecordBytes)
            out += "  (record cut short: " + std::to_string(one.size()) + " bytes)\n";
    }
    return out;
}

// A button of a message box that the user can press.
bool HasButton(HWND box, int id)
{
    HWND button = GetDlgItem(box, id);
    return button != nullptr && IsWindowVisible(button);
}

// The secure fax and F code columns are Base64 with ROT13 over it. Worked out
// beside the tests (python3: codecs.encode(base64.b64encode(...), "rot13")):
//   "123:4567"                -> ZGVmBwD1Awp=
//   "F1234:pass"              -> EwRlZmD6pTSmpj==
//   "98765:123456"            -> BGt3AwH6ZGVmAQH2
//   "ABCDEFGHIJKLMNOPQRSTUVW" -> DHWQERITE0uWFxgZGH5CHSSFH1EIIyp=
//
// Records in file order (rejected lines take no record index):
//   0  010  Ann Lee      comm " 2 "  secure 123:4567      relay P12/5/#3/*   F code F1234:pass
//   1  002  Bob Stone
//   2  020  Cy Park      comm 4                           relay 05/123/#10/7
//   3  007  Dan Cole     comm 1, no column 11 or later
//   4  015  Fay Wu       comm 0                           relay 9/1
//   5  001  Eve [Sales]  comm 3      secure 98765:123456                     F code ABC...VW
// Sorted, the list shows 001 002 007 010 015 020 = records 5 1 3 0 4 2.
constexpr char kDevice[] = "*,1,0,2\r\n"
                           "010,X,555-0100,Ann Lee,,, 2 ,,,,,ZGVmBwD1Awp=,P12/5/#3/*,,EwRlZmD6pTSmpj==\r\n"
                           "011,x,555-0111,Lower Case Type\r\n"
                           "002,P,555-0102,Bob Stone\r\n"
                           "\r\n"
                           "020,P,555-0200,Cy Park,,,4,,,,,,05/123/#10/7\r\n"
                           "007,X,555-0700,Dan Cole,,,1\r\n"
                           "015,X,555-0150,Fay Wu,,,0,,,,,,9/1\r\n"
                           "001,X,555-0500,Eve [Sales],,,3,,,,,BGt3AwH6ZGVmAQH2,,,DHWQERITE0uWFxgZGH5CHSSFH1EIIyp=\r\n"
                           "  ,X,555-0999,No Number\r\n"
                           "*\r\n"
                           "030,X,555-0300,After The End\r\n";
const std::vector<std::string> kDeviceNumbers = {"001", "002", "007", "010", "015", "020"};

class SpeedDialRun : public ImportRun {
protected:
    HWND WaitForSpeedDialSelection() { return WaitForProgramDialog(kSpeedDialCaptionStart, kViewDetailsButton, true); }

    HWND WaitForRecordDialog(const std::string& number)
    {
        return WaitForProgramDialog(kRecordCaptionStart + number, kRecordName);
    }

    // Start, speed dial, the file: up to the selection dialog.
    HWND OpenSpeedDialSelection(const std::string& arguments, const std::string& path, bool capControl = false)
    {
        Start(arguments, capControl);
        if (HasFatalFailure())
            return nullptr;
        ChooseDataType(kSpeedDialItem);
        if (HasFatalFailure())
            return nullptr;
        EXPECT_TRUE(ChooseFile(ProgramId(), kSpeedDialChooserTitle, path))
            << "the speed-dial file chooser did not take " << path;
        return WaitForSpeedDialSelection();
    }

    // Selects exactly this item of the number list and presses "To ->",
    // which must not ask anything.
    void AddOnly(HWND selection, int item)
    {
        ListClearSelection(selection, kSourceList);
        ListSelect(selection, kSourceList, item);
        SendClick(selection, kAddButton);
    }
};

// Typed into the edit as keystrokes, so that its length limit applies (a
// text set with WM_SETTEXT ignores the limit).
void TypeChar(HWND dialog, int id, char character)
{
    Send(Control(dialog, id), WM_CHAR, static_cast<WPARAM>(static_cast<unsigned char>(character)), 1);
}

TEST_F(SpeedDialRun, ImportsPickedRecordsInListOrderWithDecodedColumns)
{
    const std::string exportPath = WorkPath("speed-export.dat");
    const std::string csvPath = WriteWorkFile("device.csv", kDevice);
    HWND selection = OpenSpeedDialSelection(exportPath, csvPath);
    ASSERT_TRUE(selection) << "no speed-dial selection dialog";
    EXPECT_EQ(WindowText(selection), kSpeedDialCaptionStart + csvPath);
    EXPECT_FALSE(host_->IsEnabled()) << "the host must be out of use while the import runs";

    EXPECT_EQ(ListItems(selection, kSourceList), kDeviceNumbers);
    EXPECT_EQ(ListSelection(selection, kSourceList), std::vector<int>{0});
    EXPECT_EQ(ControlText(selection, kHeadings), "Speed Dial#\tSelected Recipients");
    EXPECT_EQ(ListCount(selection, kSelectedList), 0);

    // 001, 010 and 020: records 5, 0 and 2, taken in the list's order.
    ListClearSelection(selection, kSourceList);
    for (int item : {0, 3, 5})
        ListSelect(selection, kSourceList, item);
    SendClick(selection, kAddButton);
    const std::vector<std::string> expectedSelected = {"001\tEve (Sales) [555-0500]", "010\tAnn Lee [555-0100]",
                                                       "020\tCy Park [555-0200]"};
    EXPECT_EQ(ListItems(selection, kSelectedList), expectedSelected);
    EXPECT_EQ(ListSelection(selection, kSourceList), (std::vector<int>{0, 3, 5}));
    PostClick(selection, IDOK);

    HWND confirmation = WaitForConfirmation();
    ASSERT_TRUE(confirmation) << "no confirmation dialog";
    EXPECT_EQ(ControlText(confirmation, kHeadline), "3 fax entries will be imported:");
    const std::vector<std::string> expectedLines = {"Eve (Sales)\t555-0500", "Ann Lee\t555-0100", "Cy Park\t555-0200"};
    EXPECT_EQ(ListItems(confirmation, kEntryList), expectedLines);
    EXPECT_EQ(ControlText(confirmation, kSelectedCount), "3");
    EXPECT_EQ(ControlText(confirmation, kRejectedLabel), "Rejected from database:");
    EXPECT_EQ(ControlText(confirmation, kRejectedCount), "2");
    EXPECT_EQ(ControlText(confirmation, kValidCount), "3");
    ConfirmAndExpectHandBack(confirmation, kSpeedDialExportCommand);

    ExpectedRecord eve;
    eve.name = "Eve (Sales)";
    eve.fax = "555-0500";
    eve.commMode = 1;
    eve.featureCode = '4'; // secure fax only
    eve.secureFax1 = "987";
    eve.secureFax2 = "1234";
    eve.fCode1 = "ABCDEFGHIJKLMNOPQRST";

    ExpectedRecord ann;
    ann.name = "Ann Lee";
    ann.fax = "555-0100";
    ann.commMode = 1;
    ann.featureCode = '0'; // relay and secure fax both usable
    ann.secureFax1 = "123";
    ann.secureFax2 = "4567";
    ann.relayNumber = "12";
    ann.relayPFlag = '1';
    ann.relayCodes = {"005", "0#3", "00*"};
    ann.fCode1 = "F1234";
    ann.fCode2 = "pass";

    ExpectedRecord cy;
    cy.name = "Cy Park";
    cy.fax = "555-0200";
    cy.commMode = 2;
    cy.featureCode = '1'; // relay only
    cy.relayNumber = "05";
    cy.relayCodes = {std::string("12\0", 3), "007"}; // 123 keeps two digits; #10 is refused

    const std::string written = ReadExport(exportPath);
    EXPECT_EQ(written.size(), 2u + 3u * kRecordBytes);
    EXPECT_EQ(RecordLayout(written), RecordLayout(ExpectedSpeedDialExport({eve, ann, cy})));
}

TEST_F(SpeedDialRun, TypeAheadAndDetailsThenCancelImportsNothing)
{
    const std::string exportPath = WorkPath("speed-export.dat");
    const std::string csvPath = WriteWorkFile("device.csv", kDevice);
    HWND selection = OpenSpeedDialSelection(exportPath, csvPath);
    ASSERT_TRUE(selection) << "no speed-dial selection dialog";
    ASSERT_EQ(ListItems(selection, kSourceList), kDeviceNumbers);

    // Typed keys: the search starts at the first selected number; a fourth
    // character does not go in.
    const struct {
        char key;
        const char* text;
        int selected;
    } typing[] = {{'0', "0", 0}, {'0', "00", 0}, {'7', "007", 2}, {'5', "007", 2}};
    for (const auto& step : typing) {
        TypeChar(selection, kTypeAheadEdit, step.key);
        EXPECT_EQ(ControlText(selection, kTypeAheadEdit), step.text) << "after typing " << step.key;
        EXPECT_EQ(ListSelection(selection, kSourceList), std::vector<int>{step.selected})
            << "after typing " << step.key;
    }
    // Further on from the selection, wrapping round to the top; a text that
    // no number begins with leaves the selection.
    const struct {
        const char* typed;
        int selected;
    } texts[] = {{"01", 3}, {"02", 5}, {"00", 0}, {"9", 0}};
    for (const auto& step : texts) {
        SetControlText(selection, kTypeAheadEdit, step.typed);
        EXPECT_EQ(ListSelection(selection, kSourceList), std::vector<int>{step.selected}) << "typed " << step.typed;
    }

    // Details need exactly one selected number.
    ListClearSelection(selection, kSourceList);
    PostClick(selection, kViewDetailsButton);
    ExpectMessage(kSpeedDialCaption, kExactlyOneText);
    ASSERT_TRUE(selection = WaitForSpeedDialSelection());
    ListSelect(selection, kSourceList, 1);
    ListSelect(selection, kSourceList, 4);
    PostClick(selection, kViewDetailsButton);
    ExpectMessage(kSpeedDialCaption, kExactlyOneText);
    ASSERT_TRUE(selection = WaitForSpeedDialSelection());

    // 010 is record 0: the columns as the file has them, coded texts coded,
    // the communication mode trimmed.
    ListClearSelection(selection, kSourceList);
    ListSelect(selection, kSourceList, 3);
    PostClick(selection, kViewDetailsButton);
    HWND details = WaitForRecordDialog("010");
    ASSERT_TRUE(details) << "no record dialog for 010";
    EXPECT_EQ(WindowText(details), "Speed Dial #010");
    EXPECT_EQ(ControlText(details, kRecordName), "Ann Lee");
    EXPECT_EQ(ControlText(details, kRecordFax), "555-0100");
    EXPECT_EQ(ControlText(details, kRecordCommMode), "2");
    EXPECT_EQ(ControlText(details, kRecordSecureFax), "ZGVmBwD1Awp=");
    EXPECT_EQ(ControlText(details, kRecordRelayFax), "P12/5/#3/*");
    EXPECT_EQ(ControlText(details, kRecordFCode), "EwRlZmD6pTSmpj==");
    PostClick(details, IDOK);
    ASSERT_TRUE(WaitUntilClosed(details)) << "OK did not close the record dialog";
    ASSERT_TRUE(selection = WaitForSpeedDialSelection());
    EXPECT_EQ(ListSelection(selection, kSourceList), std::vector<int>{3});
    EXPECT_EQ(ListCount(selection, kSelectedList), 0);

    // 007 is record 3, whose line ends after the communication mode.
    ListClearSelection(selection, kSourceList);
    ListSelect(selection, kSourceList, 2);
    PostClick(selection, kViewDetailsButton);
    details = WaitForRecordDialog("007");
    ASSERT_TRUE(details) << "no record dialog for 007";
    EXPECT_EQ(ControlText(details, kRecordName), "Dan Cole");
    EXPECT_EQ(ControlText(details, kRecordFax), "555-0700");
    EXPECT_EQ(ControlText(details, kRecordCommMode), "1");
    EXPECT_EQ(ControlText(details, kRecordSecureFax), "");
    EXPECT_EQ(ControlText(details, kRecordRelayFax), "");
    EXPECT_EQ(ControlText(details, kRecordFCode), "");
    PostClick(details, IDCANCEL); // Esc
    ASSERT_TRUE(WaitUntilClosed(details)) << "Esc did not close the record dialog";
    ASSERT_TRUE(selection = WaitForSpeedDialSelection());

    // Cancel after choosing: nothing is imported.
    SendClick(selection, kAddButton);
    EXPECT_EQ(ListItems(selection, kSelectedList), std::vector<std::string>{"007\tDan Cole [555-0700]"});
    PostClick(selection, IDCANCEL);
    ExpectNoEntryHandBack(exportPath, kSpeedDialExportCommand);
}

// One recipient under two numbers (002 and 001), the same number under
// another name (003), and someone else (004). File order differs from the
// sorted order: the list shows 001 002 003 004 = records 3 1 2 0.
constexpr char kTwoNumbersForOne[] = "*,1,0,0\n"
                                     "004,X,555-0104,Bob Stone\n"
                                     "002,X,555-0101,Ann Lee\n"
                                     "003,P,555-0101,Ann Leigh\n"
                                     "001,X,555-0101,Ann Lee\n";

TEST_F(SpeedDialRun, SameNameAndNumberAsksBeforeReplacingAndDeleteFreesRecords)
{
    const std::string exportPath = WorkPath("speed-export.dat");
    const std::string csvPath = WriteWorkFile("twice.csv", kTwoNumbersForOne);
    HWND selection = OpenSpeedDialSelection(exportPath, csvPath);
    ASSERT_TRUE(selection) << "no speed-dial selection dialog";
    ASSERT_EQ(ListItems(selection, kSourceList), (std::vector<std::string>{"001", "002", "003", "004"}));

    const std::string ann1 = "001\tAnn Lee [555-0101]";
    const std::string ann2 = "002\tAnn Lee [555-0101]";
    const std::string leigh = "003\tAnn Leigh [555-0101]";
    const std::string bob = "004\tBob Stone [555-0104]";
    const std::string question =
        "Name :  Ann Lee\nFax # :  555-0101\n\nThe recipient already exists in the current selection.\n"
        "Do you want to replace it?";

    AddOnly(selection, 0);
    AddOnly(selection, 3);
    EXPECT_EQ(ListItems(selection, kSelectedList), (std::vector<std::string>{ann1, bob}));

    // 002 is Ann Lee again: No keeps 001.
    ListClearSelection(selection, kSourceList);
    ListSelect(selection, kSourceList, 1);
    PostClick(selection, kAddButton);
    MessageBoxInfo asked = WaitForMessage(ProgramId());
    ASSERT_TRUE(asked.window) << "no replace question";
    EXPECT_EQ(asked.caption, kSpeedDialCaption);
    EXPECT_EQ(asked.text, question);
    EXPECT_TRUE(HasButton(asked.window, IDYES));
    EXPECT_TRUE(HasButton(asked.window, IDNO));
    EXPECT_FALSE(HasButton(asked.window, IDOK));
    ASSERT_TRUE(AnswerMessage(asked, IDNO));
    ASSERT_TRUE(selection = WaitForSpeedDialSelection());
    EXPECT_EQ(ListItems(selection, kSelectedList), (std::vector<std::string>{ann1, bob}));

    // The same number under another name is no duplicate.
    AddOnly(selection, 2);
    EXPECT_EQ(ListItems(selection, kSelectedList), (std::vector<std::string>{ann1, bob, leigh}));

    // The Delete key in the right list; Delete with nothing selected does
    // nothing; a deleted record can be added again.
    ListClearSelection(selection, kSelectedList);
    ListSelect(selection, kSelectedList, 1);
    Send(Control(selection, kSelectedList), WM_KEYDOWN, VK_DELETE, 0);
    EXPECT_EQ(ListItems(selection, kSelectedList), (std::vector<std::string>{ann1, leigh}));
    ListClearSelection(selection, kSelectedList);
    SendClick(selection, kDeleteButton);
    EXPECT_EQ(ListItems(selection, kSelectedList), (std::vector<std::string>{ann1, leigh}));
    AddOnly(selection, 3);
    EXPECT_EQ(ListItems(selection, kSelectedList), (std::vector<std::string>{ann1, leigh, bob}));

    // Yes: 002 takes the place of 001, at the end of the list.
    ListClearSelection(selection, kSourceList);
    ListSelect(selection, kSourceList, 1);
    PostClick(selection, kAddButton);
    asked = WaitForMessage(ProgramId());
    ASSERT_TRUE(asked.window) << "no replace question";
    EXPECT_EQ(asked.text, question);
    ASSERT_TRUE(AnswerMessage(asked, IDYES));
    ASSERT_TRUE(selection = WaitForSpeedDialSelection());
    EXPECT_EQ(ListItems(selection, kSelectedList), (std::vector<std::string>{leigh, bob, ann2}));
    // Once chosen, the same record is passed over without a question.
    SendClick(selection, kAddButton);
    EXPECT_EQ(ListItems(selection, kSelectedList), (std::vector<std::string>{leigh, bob, ann2}));

    // The Delete button removes every selected line.
    ListSelect(selection, kSelectedList, 0);
    ListSelect(selection, kSelectedList, 2);
    SendClick(selection, kDeleteButton);
    EXPECT_EQ(ListItems(selection, kSelectedList), std::vector<std::string>{bob});
    AddOnly(selection, 2);
    AddOnly(selection, 1);
    EXPECT_EQ(ListItems(selection, kSelectedList), (std::vector<std::string>{bob, leigh, ann2}));
    PostClick(selection, IDOK);

    HWND confirmation = WaitForConfirmation();
    ASSERT_TRUE(confirmation) << "no confirmation dialog";
    const std::vector<std::string> expectedLines = {"Bob Stone\t555-0104", "Ann Leigh\t555-0101", "Ann Lee\t555-0101"};
    EXPECT_EQ(ListItems(confirmation, kEntryList), expectedLines);
    EXPECT_EQ(ControlText(confirmation, kRejectedCount), "0");
    ConfirmAndExpectHandBack(confirmation, kSpeedDialExportCommand);
    const std::string expected = ExpectedSpeedDialExport(
        {NameAndFax("Bob Stone", "555-0104"), NameAndFax("Ann Leigh", "555-0101"), NameAndFax("Ann Lee", "555-0101")});
    const std::string written = ReadExport(exportPath);
    EXPECT_EQ(written.size(), expected.size());
    EXPECT_EQ(RecordLayout(written), RecordLayout(expected));
}

// Sixty numbers, from 160 down to 101 in the file, so that the list's sorted
// order is the reverse of the record order.
std::string SixtyNumbers()
{
    std::string csv = "*,1,0,1\n";
    char line[64];
    for (int number = 160; number >= 101; --number) {
        std::snprintf(line, sizeof line, "%d,X,555-%d,Person %d\n", number, number, number);
        csv += line;
    }
    return csv;
}

TEST_F(SpeedDialRun, HostWithCapControlLimitsSelectionToFiftyEntries)
{
    const std::string exportPath = WorkPath("speed-export.dat");
    const std::string csvPath = WriteWorkFile("sixty.csv", SixtyNumbers());
    HWND selection = OpenSpeedDialSelection(exportPath, csvPath, true);
    ASSERT_TRUE(selection) << "no speed-dial selection dialog";
    ASSERT_EQ(ListCount(selection, kSourceList), 60);
    EXPECT_EQ(ListItems(selection, kSourceList).front(), "101");

    // The full list refuses also a number it does not hold yet (item 55).
    ASSERT_TRUE(selection =
                    AddPastTheCap(selection, kSpeedDialCaption, [this] { return WaitForSpeedDialSelection(); }));
    const std::vector<std::string> chosen = ListItems(selection, kSelectedList);
    ASSERT_EQ(chosen.size(), 50u);
    EXPECT_EQ(chosen.front(), "101\tPerson 101 [555-101]");
    EXPECT_EQ(chosen.back(), "150\tPerson 150 [555-150]");
    PostClick(selection, IDOK);

    HWND confirmation = WaitForConfirmation();
    ASSERT_TRUE(confirmation) << "no confirmation dialog";
    EXPECT_EQ(ControlText(confirmation, kHeadline), "50 fax entries will be imported:");
    EXPECT_EQ(ControlText(confirmation, kCapLine), "");
    ConfirmAndExpectHandBack(confirmation, kSpeedDialExportCommand);
    std::vector<ExpectedRecord> records;
    for (int number = 101; number <= 150; ++number)
        records.push_back(NameAndFax("Person " + std::to_string(number), "555-" + std::to_string(number)));
    const std::string expected = ExpectedSpeedDialExport(records);
    const std::string written = ReadExport(exportPath);
    EXPECT_EQ(written.size(), 2u + 50u * kRecordBytes);
    EXPECT_EQ(RecordLayout(written), RecordLayout(expected));
}

// A line of a list box: its text and its item data.
struct ListLine {
    std::string text;
    LRESULT data;

    bool operator==(const ListLine& other) const { return text == other.text && data == other.data; }
};

void PrintTo(const ListLine& line, std::ostream* out)
{
    *out << '"' << line.text << "\" (" << line.data << ")";
}

std::vector<ListLine> LinesOf(HWND dialog, int listId)
{
    const std::vector<std::string> texts = ListItems(dialog, listId);
    HWND list = Control(dialog, listId);
    std::vector<ListLine> lines;
    for (std::size_t item = 0; item < texts.size(); ++item)
        lines.push_back({texts[item], Send(list, LB_GETITEMDATA, item, 0)});
    return lines;
}

// A sorted list box of this process after the numbers were added to it one
// by one, each with its index as item data.
std::vector<ListLine> SortedListOf(const std::vector<std::string>& numbers)
{
    HWND list = CreateWindowExA(0, "LISTBOX", "", WS_POPUP | LBS_SORT | LBS_EXTENDEDSEL, 0, 0, 100, 100, nullptr,
                                nullptr, GetModuleHandleA(nullptr), nullptr);
    EXPECT_TRUE(list) << "no list box of our own";
    std::vector<ListLine> lines;
    if (!list)
        return lines;
    for (std::size_t record = 0; record < numbers.size(); ++record) {
        const LRESULT item = SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(numbers[record].c_str()));
        SendMessageA(list, LB_SETITEMDATA, static_cast<WPARAM>(item), static_cast<LPARAM>(record));
    }
    char text[300];
    for (LRESULT item = 0; item < SendMessageA(list, LB_GETCOUNT, 0, 0); ++item) {
        SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(text));
        lines.push_back({text, SendMessageA(list, LB_GETITEMDATA, static_cast<WPARAM>(item), 0)});
    }
    DestroyWindow(list);
    return lines;
}

// Numbers drawn from a few texts, so that many compare equal.
struct NumberMix {
    const char* name;
    std::vector<const char*> texts;
};

void PrintTo(const NumberMix& mix, std::ostream* out)
{
    *out << mix.name;
}

const NumberMix kNumberMixes[] = {
    // Digits only: texts of different lengths that begin one another.
    {"Digits", {"1", "01", "001", "10", "100", "2", "20", "0", "00", "007", "7", "70", "123456789", "12345678"}},
    // The list's own collation: case, hyphen and apostrophe, accents.
    {"Words", {"a1", "A1", "b-2", "b2", "B2", "c'3", "c3", "x", "X", "10", "9", "z9", "\xe9t\xe9", "ete", "Ete", "-"}},
};

class NumberOrderRun : public SpeedDialRun, public ::testing::WithParamInterface<NumberMix> {};

TEST_P(NumberOrderRun, NumberListIsWhatASortedListBoxMakesOfTheRecordsInTurn)
{
    std::mt19937 random(17);
    std::vector<std::string> numbers;
    std::string csv = "*,1,0,2\n";
    for (int record = 0; record < 300; ++record) {
        numbers.push_back(GetParam().texts[random() % GetParam().texts.size()]);
        csv += numbers.back() + ",X,555-" + std::to_string(1000 + record) + ",Person " + std::to_string(record) + "\n";
    }
    const std::string exportPath = WorkPath("speed-export.dat");
    HWND selection = OpenSpeedDialSelection(exportPath, WriteWorkFile("mixed.csv", csv));
    ASSERT_TRUE(selection) << "no speed-dial selection dialog";
    EXPECT_EQ(LinesOf(selection, kSourceList), SortedListOf(numbers));

    PostClick(selection, IDCANCEL);
    ExpectNoEntryHandBack(exportPath, kSpeedDialExportCommand);
}

INSTANTIATE_TEST_SUITE_P(Numbers, NumberOrderRun, ::testing::ValuesIn(kNumberMixes),
                         [](const ::testing::TestParamInfo<NumberMix>& info) { return info.param.name; });

// Files that are no speed-dial export: the reader's message, then the
// "nothing imported" warning, then the speed-dial command.
struct NotSpeedDialCase {
    const char* name;
    const char* content;
};

const NotSpeedDialCase kNotSpeedDial[] = {
    {"VersionAboveTwo", "*,1,0,3\n001,X,555-0101,Ann Lee\n"},
    {"PlainCsv", "Name,Fax\nAnn Lee,555-0101\n"},
    {"NoLineEnd", "*,1,0,2"},
};

void PrintTo(const NotSpeedDialCase& scenario, std::ostream* out)
{
    *out << scenario.name;
}

class NotSpeedDialRun : public SpeedDialRun, public ::testing::WithParamInterface<NotSpeedDialCase> {};

TEST_P(NotSpeedDialRun, ShowsFormatErrorThenNoEntryWarning)
{
    const std::string exportPath = WorkPath("speed-export.dat");
    const std::string csvPath = WriteWorkFile("input.csv", GetParam().content);
    Start(exportPath);
    ASSERT_FALSE(HasFatalFailure());
    ChooseDataType(kSpeedDialItem);
    ASSERT_FALSE(HasFatalFailure());
    ASSERT_TRUE(ChooseFile(ProgramId(), kSpeedDialChooserTitle, csvPath)) << "no speed-dial file chooser";

    ExpectMessage(kCsvErrorCaption,
                  "Invalid Speed Dial EWS CSV data format!\nCannot import data from " + csvPath + ".");
    ExpectNoEntryHandBack(exportPath, kSpeedDialExportCommand);
}

INSTANTIATE_TEST_SUITE_P(Files, NotSpeedDialRun, ::testing::ValuesIn(kNotSpeedDial),
                         [](const ::testing::TestParamInfo<NotSpeedDialCase>& info) { return info.param.name; });

} // namespace
} // namespace e2e
