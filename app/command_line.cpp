#include "app/command_line.h"

namespace {
bool IsBlankOrTab(char c) { return c == ' ' || c == '\t'; }
} // namespace

ExportPathStatus ParseExportPath(const std::string& commandLine, std::string& exportPath)
{
    exportPath.clear();
    std::size_t pos = 0;
    if (!commandLine.empty() && commandLine[0] == '"') {
        const std::size_t close = commandLine.find('"', 1);
        pos = close == std::string::npos ? commandLine.size() : close + 1;
    } else {
        while (pos < commandLine.size() && !IsBlankOrTab(commandLine[pos]))
            ++pos;
    }
    while (pos < commandLine.size() && IsBlankOrTab(commandLine[pos]))
        ++pos;
    const std::size_t end = commandLine.find(' ', pos);
    const std::string token = commandLine.substr(pos, end == std::string::npos ? std::string::npos : end - pos);
    if (token.empty())
        return ExportPathStatus::kNone;
    if (token.size() > kMaxExportPathChars)
        return ExportPathStatus::kTooLong;
    exportPath = token;
    return ExportPathStatus::kFound;
}

std::string HelpFilePathFor(const std::string& executablePath)
{
    const std::size_t slash = executablePath.find_last_of('\\');
    const std::string directory = slash == std::string::npos ? std::string() : executablePath.substr(0, slash + 1);
    std::string path = directory + "TQ3NWK.HLP";
    // A path cut short would name another file: no help file is better.
    if (path.size() > kMaxHelpPathChars)
        path.clear();
    return path;
}
