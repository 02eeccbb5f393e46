#include "import_run.h"

#include <windows.h>

#include <cstdio>

#include "testkit/file_bytes.h"

namespace testkit {

void PrintTo(const ReceivedCommand& command, std::ostream* out)
{
    *out << "WM_COMMAND(id " << command.id << ", code " << command.code << ", lParam " << command.lParam << ")";
}

} // namespace testkit

namespace e2e {

using namespace testkit;

namespace {

constexpr std::size_t kFieldBytes = 31;

std::string Field(const std::string& text)
{
    std::string field = text;
    field.resize(kFieldBytes, '\0');
    return field;
}

} // namespace

std::string Hex(const std::string& bytes)
{
    std::string out;
    char digits[4];
    for (unsigned char byte : bytes) {
        std::snprintf(digits, sizeof digits, "%02X ", byte);
        out += digits;
    }
    return out;
}

std::string WorkPath(const std::string& name)
{
    return std::string(kWorkFolder) + "\\" + name;
}

std::string ProgramPath()
{
    return OwnDirectory() + "faximport.exe";
}

std::string ExpectedExport(const std::vector<Entry>& entries)
{
    std::string bytes;
    bytes += static_cast<char>(entries.size() & 0xFF);
    bytes += static_cast<char>((entries.size() >> 8) & 0xFF);
    for (const Entry& entry : entries)
        bytes += Field(entry.first) + Field(entry.second);
    return bytes;
}

std::string HexLayout(const std::string& bytes)
{
    std::string out = "count: " + Hex(bytes.substr(0, 2)) + "\n";
    for (std::size_t at = 2; at < bytes.size(); at += kFieldBytes)
        out += Hex(bytes.substr(at, kFieldBytes)) + "\n";
    return out;
}

void ImportRun::SetUp()
{
    ASSERT_TRUE(EnsureDirectory(kWorkFolder));
    for (const std::string& name : WorkFiles())
        ASSERT_TRUE(RemoveFile(WorkPath(name))) << name;
}

std::string ImportRun::WriteWorkFile(const std::string& name, const std::string& bytes)
{
    const std::string path = WorkPath(name);
    EXPECT_TRUE(WriteFileBytes(path, bytes)) << path;
    return path;
}

std::vector<std::string> ImportRun::WorkFiles() const
{
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(WorkPath("*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            names.push_back(found.cFileName);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return names;
}

void ImportRun::Start(const std::string& arguments, bool capControl)
{
    HostOptions options;
    options.title = capControl ? "Fax Host (with entry cap)" : "Fax Host";
    options.capControl = capControl;
    host_ = std::make_unique<TestHost>(options);
    ASSERT_TRUE(host_->MakeForeground()) << "the host window did not become the foreground window";
    program_.Start(ProgramPath(), arguments);
}

HWND ImportRun::StartWithOtherProgramInFront(ChildProcess& other, const std::string& otherProgram,
                                             const std::string& arguments)
{
    host_ = std::make_unique<TestHost>(HostOptions{});
    EXPECT_TRUE(host_->MakeForeground()) << "the host window did not become the foreground window";
    other.Start(otherProgram, "");
    HWND otherWindow = WaitForTopWindow(other.Id());
    const bool inFront = WaitUntil([&] { return otherWindow && GetForegroundWindow() == otherWindow; });
    EXPECT_TRUE(inFront) << "the other program's window did not come to the front";
    if (!inFront)
        return nullptr;
    program_.Start(ProgramPath(), arguments);
    return otherWindow;
}

HWND ImportRun::WaitForProgramDialog(const std::string& caption, int requiredControl, bool captionIsPrefix)
{
    DialogQuery query;
    query.processId = program_.Id();
    query.caption = caption;
    query.captionIsPrefix = captionIsPrefix;
    query.requiredControl = requiredControl;
    return WaitForDialog(query);
}

HWND ImportRun::WaitForDataTypeDialog()
{
    return WaitForProgramDialog(kDataTypeCaption, kKindCombo);
}

HWND ImportRun::OpenDataType(const std::string& arguments)
{
    Start(arguments);
    return ::testing::Test::HasFatalFailure() ? nullptr : WaitForDataTypeDialog();
}

void ImportRun::ChooseDataType(const char* item, int checkBox, bool checked)
{
    HWND dialog = WaitForDataTypeDialog();
    ASSERT_TRUE(dialog) << "no data type dialog";
    ComboChoose(dialog, kKindCombo, item);
    if (checkBox != 0)
        SetChecked(dialog, checkBox, checked);
    PostClick(dialog, IDOK);
}

bool ImportRun::PickCsvFile(const std::string& path)
{
    return ChooseFile(program_.Id(), kCsvChooserTitle, path);
}

HWND ImportRun::WaitForMappingDialog()
{
    // Only the mapping dialog has the field list.
    return WaitForProgramDialog(kCsvCaptionStart, kFieldList, true);
}

HWND ImportRun::WaitForSelectionDialog()
{
    return WaitForProgramDialog(kCsvCaptionStart, kSourceList, true);
}

HWND ImportRun::WaitForConfirmation()
{
    return WaitForProgramDialog(kConfirmCaption, kEntryList);
}

HWND ImportRun::OpenSelection(const std::string& arguments, const std::string& csvPath, bool capControl)
{
    Start(arguments, capControl);
    if (::testing::Test::HasFatalFailure())
        return nullptr;
    ChooseCsv(true);
    if (::testing::Test::HasFatalFailure())
        return nullptr;
    EXPECT_TRUE(PickCsvFile(csvPath)) << "the CSV file chooser did not take " << csvPath;
    HWND selection = WaitForSelectionDialog();
    // Closing the host-owned file chooser enables the host again; the program
    // must take it out of use once more.
    EXPECT_FALSE(host_->IsEnabled()) << "the host became usable after the file chooser closed";
    return selection;
}

HWND ImportRun::ConfirmationOfItems(HWND selection, int first, int last, int chosen)
{
    ListClearSelection(selection, kSourceList);
    ListSelectRange(selection, kSourceList, first, last);
    SendClick(selection, kAddButton);
    EXPECT_EQ(ListCount(selection, kSelectedList), chosen);
    PostClick(selection, IDOK);
    return WaitForConfirmation();
}

MessageBoxInfo ImportRun::AnswerNextMessage()
{
    MessageBoxInfo box = WaitForMessage(program_.Id());
    if (box.window) {
        EXPECT_TRUE(AnswerMessage(box)) << "the message box did not close: " << box.text;
    }
    return box;
}

void ImportRun::ExpectMessage(const std::string& caption, const std::string& text)
{
    const MessageBoxInfo box = AnswerNextMessage();
    EXPECT_EQ(box.caption, caption);
    EXPECT_EQ(box.text, text);
}

HWND ImportRun::AddPastTheCap(HWND selection, const std::string& caption, const std::function<HWND()>& waitForSelection)
{
    ListSelectRange(selection, kSourceList, 0, 59);
    PostClick(selection, kAddButton);
    ExpectMessage(caption, kLimitText);
    selection = waitForSelection();
    EXPECT_TRUE(selection) << "the selection dialog did not come back after the limit message";
    if (!selection)
        return nullptr;
    EXPECT_EQ(ListCount(selection, kSelectedList), 50);

    ListClearSelection(selection, kSourceList);
    ListSelect(selection, kSourceList, 55);
    PostClick(selection, kAddButton);
    ExpectMessage(caption, kLimitText);
    selection = waitForSelection();
    EXPECT_TRUE(selection) << "the selection dialog did not come back after the second limit message";
    if (selection) {
        EXPECT_EQ(ListCount(selection, kSelectedList), 50);
    }
    return selection;
}

void ImportRun::ExpectNoEntryHandBack(const std::string& exportPath, int command)
{
    ExpectMessage(kImportCaption, kNoEntryText);
    ExpectHandBack(command);
    EXPECT_FALSE(FileExists(exportPath)) << exportPath;
}

void ImportRun::ConfirmAndExpectHandBack(HWND confirmation, int command)
{
    PostClick(confirmation, IDOK);
    ExpectHandBack(command);
}

void ImportRun::ConfirmAndExpectExport(HWND confirmation, const std::string& exportPath,
                                       const std::vector<Entry>& entries)
{
    ConfirmAndExpectHandBack(confirmation);
    EXPECT_EQ(HexLayout(ReadExport(exportPath)), HexLayout(ExpectedExport(entries)));
}

std::string ImportRun::ReadExport(const std::string& path)
{
    std::string bytes;
    EXPECT_TRUE(ReadFileBytes(path, bytes)) << "no export file at " << path;
    return bytes;
}

void ImportRun::ExpectHandBack(int command)
{
    const bool ended = WaitUntil([&] {
        if (FindMessageBox(program_.Id())) {
            const MessageBoxInfo shown = AnswerNextMessage();
            ADD_FAILURE() << "unexpected message box \"" << shown.caption << "\": " << shown.text;
        }
        return !program_.Running();
    });
    EXPECT_TRUE(ended) << "faximport did not end";
    ASSERT_TRUE(program_.WaitForExit()) << "faximport did not end";
    EXPECT_EQ(program_.ExitCode(), 0u);
    EXPECT_TRUE(host_->IsEnabled()) << "the host window was left disabled";
    EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == host_->Window(); }))
        << "the host window is not the foreground window";
    EXPECT_TRUE(host_->WaitForCommand(command)) << "no command " << command << " reached the host";
    const std::vector<ReceivedCommand> expected = {{command, 0, 0}};
    EXPECT_EQ(host_->Commands(), expected);
}

// The progress notice of the process, found without messages to the
// program: its thread is busy while the notice stands.
HWND FindProgressNotice(DWORD processId)
{
    return FindDialogWhere(processId, [](HWND dialog) {
        wchar_t text[64] = {};
        GetWindowTextW(GetDlgItem(dialog, kStaticTextId), text, 64);
        return lstrcmpW(text, kProgressText) == 0;
    });
}

void PrintTo(const Statistics& figures, std::ostream* out)
{
    *out << "selected " << figures.selected << ", rejected " << figures.rejected << ", valid " << figures.valid
         << ", label \"" << figures.rejectedLabel << "\", cap line \"" << figures.capLine << "\"";
}

Statistics ReadStatistics(HWND confirmation)
{
    return {ControlText(confirmation, kSelectedCount), ControlText(confirmation, kRejectedCount),
            ControlText(confirmation, kValidCount), ControlText(confirmation, kRejectedLabel),
            ControlText(confirmation, kCapLine)};
}

// Confirmation lines: name, tab, fax number.
std::vector<std::string> ConfirmLines(const std::vector<Entry>& entries)
{
    std::vector<std::string> lines;
    for (const Entry& entry : entries)
        lines.push_back(entry.first + "\t" + entry.second);
    return lines;
}

} // namespace e2e
