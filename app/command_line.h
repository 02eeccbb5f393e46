// Takes the export path from the program's command line.
#pragma once

#include <string>

#include "core/path_limits.h"

class FileSystem;

enum class ExportPathStatus { kNone, kFound, kTooLong, kUnclear };

// The export path after the program name (which may be quoted): the text in
// double quotes when it starts with one; else the first blank-delimited
// token, the rest being ignored, unless the whole text names a file in an
// existing folder other than the token's: then a host passed a path with
// blanks unquoted, and the whole text is the path. When the words after the
// token look like path parts but do not make one (kUnclear), or the path is
// longer than kMaxExportPathChars, there is no path: writing to a cut-down
// path would replace another file.
ExportPathStatus ParseExportPath(const std::string& commandLine, FileSystem& files, std::string& exportPath);

// The help beside the program: the HTML Help file it ships, and the WinHelp
// file a host may put there instead.
constexpr char kHtmlHelpFileName[] = "faximport.chm";
constexpr char kWinHelpFileName[] = "TQ3NWK.HLP";

// The executable's directory (with its final backslash) and fileName; empty
// when that path would be longer than kMaxHelpPathChars.
std::string HelpFilePathFor(const std::string& executablePath, const char* fileName);
