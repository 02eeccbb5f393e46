// Takes the export path from the program's command line.
#pragma once

#include <string>

// Longest export path the command line may carry.
constexpr std::size_t kMaxExportPathChars = 272;
constexpr std::size_t kMaxHelpPathChars = 279;

enum class ExportPathStatus { kNone, kFound, kTooLong };

// The first blank-delimited token after the program name (which may be quoted).
// Quotes have no meaning in the token, so a path with a blank cannot be passed.
ExportPathStatus ParseExportPath(const std::string& commandLine, std::string& exportPath);

// The executable's directory (with its final backslash) and the help file
// name; empty when that path would be too long.
std::string HelpFilePathFor(const std::string& executablePath);
