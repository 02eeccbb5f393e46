#include <gtest/gtest.h>

#include "app/command_line.h"
#include "fakes.h"

namespace {

FakeFileSystem files;

std::string PathOf(const std::string& commandLine, ExportPathStatus expected = ExportPathStatus::kFound)
{
    std::string path = "stale";
    EXPECT_EQ(ParseExportPath(commandLine, files, path), expected) << commandLine;
    return path;
}

TEST(ExportPath, FirstTokenAfterTheProgramName)
{
    EXPECT_EQ(PathOf("faximport.exe C:\\out\\list.dat"), "C:\\out\\list.dat");
    EXPECT_EQ(PathOf("faximport.exe   C:\\a.dat extra words"), "C:\\a.dat");
    EXPECT_EQ(PathOf("\"C:\\Program Files\\Fax\\faximport.exe\" C:\\a.dat"), "C:\\a.dat");
    EXPECT_EQ(PathOf("\"C:\\Program Files\\faximport.exe\"C:\\a.dat"), "C:\\a.dat");
}

TEST(ExportPath, PathsWithBlanks)
{
    files.folders = {"C:\\keep me\\", "C:\\out\\"};
    // Quoted: blanks allowed inside, words after it ignored.
    EXPECT_EQ(PathOf("f.exe \"C:\\keep me\\export.dat\" more"), "C:\\keep me\\export.dat");
    // Unquoted, the whole text names a file in an existing folder that is
    // not the first token's: never cut down to "C:\keep".
    EXPECT_EQ(PathOf("f.exe C:\\keep me\\export.dat "), "C:\\keep me\\export.dat");
    // Words after a path in the same folder are ignored as before.
    EXPECT_EQ(PathOf("f.exe C:\\out\\export.dat extra words"), "C:\\out\\export.dat");
    // What cannot be told apart is refused: path parts after the token
    // that make no existing folder, an unclosed or empty quote.
    EXPECT_EQ(PathOf("f.exe C:\\gone away\\export.dat", ExportPathStatus::kUnclear), "");
    EXPECT_EQ(PathOf("f.exe \"C:\\My", ExportPathStatus::kUnclear), "");
    EXPECT_EQ(PathOf("f.exe \"\" C:\\a.dat", ExportPathStatus::kUnclear), "");
    files.folders.clear();
}

TEST(ExportPath, NoneGiven)
{
    EXPECT_EQ(PathOf("faximport.exe", ExportPathStatus::kNone), "");
    EXPECT_EQ(PathOf("faximport.exe    ", ExportPathStatus::kNone), "");
    EXPECT_EQ(PathOf("\"C:\\x y\\faximport.exe\"", ExportPathStatus::kNone), "");
}

TEST(ExportPath, OverlongTokenIsRefusedNotCut)
{
    const std::string longest = "C:\\" + std::string(269, 'a');
    EXPECT_EQ(PathOf("f.exe " + longest), longest);
    EXPECT_EQ(PathOf("f.exe " + longest + "b", ExportPathStatus::kTooLong), "");
}

TEST(HelpFilePath, BesideTheExecutable)
{
    EXPECT_EQ(HelpFilePathFor("C:\\Program Files\\Fax\\faximport.exe", kWinHelpFileName),
              "C:\\Program Files\\Fax\\TQ3NWK.HLP");
    EXPECT_EQ(HelpFilePathFor("C:\\" + std::string(270, 'd') + "\\f.exe", kHtmlHelpFileName), "");
}

} // namespace
