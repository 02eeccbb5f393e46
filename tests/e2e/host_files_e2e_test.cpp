// Files around a run: a source file that another program holds open for
// writing, and the temporary files that interrupted writes left behind.
#include "import_run.h"

#include <windows.h>

#include "testkit/file_bytes.h"

namespace e2e {
namespace {

using namespace testkit;

using HostFilesRun = ImportRun;

TEST_F(HostFilesRun, SourceFileOpenForWritingElsewhereIsRead)
{
    const std::string csvPath = WriteWorkFile("open.csv", "Name,Fax\nAnn Lee,555-0101\n");
    // As a spreadsheet program keeps a file it shows.
    HANDLE held = CreateFileA(csvPath.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    HWND selection = OpenSelection(WorkPath("export.dat"), csvPath);
    EXPECT_TRUE(selection) << "the file was not read";
    if (selection) {
        EXPECT_EQ(ListItems(selection, kSourceList), std::vector<std::string>{"Ann Lee [555-0101]"});
        PostClick(selection, IDCANCEL);
        AnswerNextMessage();
    }
    ExpectHandBack(kPlainExportCommand);
    CloseHandle(held);
}

// Gives a work file a last write time this many minutes ago.
void AgeFile(const std::string& path, int minutes)
{
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    ULARGE_INTEGER time;
    time.LowPart = now.dwLowDateTime;
    time.HighPart = now.dwHighDateTime;
    time.QuadPart -= static_cast<ULONGLONG>(minutes) * 60 * 10000000;
    FILETIME then = {time.LowPart, time.HighPart};
    HANDLE file = CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE) << path;
    EXPECT_TRUE(SetFileTime(file, nullptr, nullptr, &then));
    CloseHandle(file);
}

TEST_F(HostFilesRun, OnlyOwnTemporaryFilesOlderThanAnHourAreRemoved)
{
    const struct {
        const char* name;
        int minutes;
        bool removed;
    } files[] = {{"fxi1A2B.tmp", 120, true},   {"FXI7.TMP", 61, true},       {"fxi3C4D.tmp", 30, false},
                 {"fxinotes.tmp", 120, false}, {"fxi12345.tmp", 120, false}, {"other.tmp", 120, false}};
    for (const auto& file : files) {
        WriteWorkFile(file.name, "left behind");
        AgeFile(WorkPath(file.name), file.minutes);
    }
    HWND dialog = OpenDataType(WorkPath("export.dat"));
    ASSERT_TRUE(dialog) << "no data type dialog";
    for (const auto& file : files)
        EXPECT_EQ(FileExists(WorkPath(file.name)), !file.removed) << file.name;
    PostClick(dialog, IDCANCEL);
    ExpectHandBack(kPlainExportCommand);
}

} // namespace
} // namespace e2e
