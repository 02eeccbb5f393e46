#include "app/command_line.h"

#include "core/file_system.h"

namespace {

bool IsBlankOrTab(char c)
{
    return c == ' ' || c == '\t';
}

// The folder part of a path, with its final backslash; empty for a bare name.
std::string FolderOf(const std::string& path)
{
    const std::size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// The text after the program name, without the blanks around it.
std::string Arguments(const std::string& commandLine)
{
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
    std::size_t end = commandLine.size();
    while (end > pos && IsBlankOrTab(commandLine[end - 1]))
        --end;
    return commandLine.substr(pos, end - pos);
}

ExportPathStatus ChoosePath(const std::string& arguments, FileSystem& files, std::string& path)
{
    if (arguments.empty())
        return ExportPathStatus::kNone;
    if (arguments[0] == '"') {
        const std::size_t close = arguments.find('"', 1);
        if (close == std::string::npos || close == 1)
            return ExportPathStatus::kUnclear;
        path = arguments.substr(1, close - 1);
        return ExportPathStatus::kFound;
    }
    std::size_t tokenEnd = 0;
    while (tokenEnd < arguments.size() && !IsBlankOrTab(arguments[tokenEnd]))
        ++tokenEnd;
    path = arguments.substr(0, tokenEnd);
    if (tokenEnd == arguments.size())
        return ExportPathStatus::kFound;
    const std::string wholeFolder = FolderOf(arguments);
    if (wholeFolder != FolderOf(path) && wholeFolder.size() < arguments.size() && files.FolderExists(wholeFolder)) {
        path = arguments;
        return ExportPathStatus::kFound;
    }
    // "extra words" after the path are ignored; words with a backslash
    // may be the rest of a path that does not exist.
    if (arguments.find_first_of("\\/", tokenEnd) != std::string::npos) {
        path.clear();
        return ExportPathStatus::kUnclear;
    }
    return ExportPathStatus::kFound;
}

} // namespace

ExportPathStatus ParseExportPath(const std::string& commandLine, FileSystem& files, std::string& exportPath)
{
    exportPath.clear();
    std::string path;
    const ExportPathStatus status = ChoosePath(Arguments(commandLine), files, path);
    if (status != ExportPathStatus::kFound)
        return status;
    if (path.size() > kMaxExportPathChars)
        return ExportPathStatus::kTooLong;
    exportPath = path;
    return ExportPathStatus::kFound;
}

std::string HelpFilePathFor(const std::string& executablePath, const char* fileName)
{
    const std::size_t slash = executablePath.find_last_of('\\');
    const std::string directory = slash == std::string::npos ? std::string() : executablePath.substr(0, slash + 1);
    std::string path = directory + fileName;
    // A path cut short would name another file: no help file is better.
    if (path.size() > kMaxHelpPathChars)
        path.clear();
    return path;
}
