#include <gtest/gtest.h>

#include "app/command_line.h"

namespace {

std::string PathOf(const std::string& commandLine, ExportPathStatus expected = ExportPathStatus::kFound)
{
    std::string path = "stale";
    EXPECT_EQ(ParseExportPath(commandLine, path), expected) << commandLine;
    return path;
}

TEST(ExportPath, FirstTokenAfterTheProgramName)
{
    EXPECT_EQ(PathOf("faximport.exe C:\\out\\list.dat"), "C:\\out\\list.dat");
    EXPECT_EQ(PathOf("faximport.exe   C:\\a.dat extra words"), "C:\\a.dat");
    EXPECT_EQ(PathOf("\"C:\\Program Files\\Fax\\faximport.exe\" C:\\a.dat"), "C:\\a.dat");
    EXPECT_EQ(PathOf("\"C:\\Program Files\\faximport.exe\"C:\\a.dat"), "C:\\a.dat");
    // Quotes have no meaning in the token.
    EXPECT_EQ(PathOf("faximport.exe \"C:\\My"), "\"C:\\My");
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
    EXPECT_EQ(HelpFilePathFor("C:\\Program Files\\Fax\\faximport.exe"), "C:\\Program Files\\Fax\\TQ3NWK.HLP");
    EXPECT_EQ(HelpFilePathFor("C:\\" + std::string(270, 'd') + "\\f.exe"), "");
}

} // namespace
