// The longest paths the program takes, in one place: the code that checks a
// path, the message that refuses it and the program's documents give the
// same number. A path over its limit is refused, never cut: a path cut short
// names another file.
#pragma once

#include <cstddef>

// The export path on the command line. No Windows limit gives this number
// (it is more than MAX_PATH's 259 characters): it is the longest path the
// program has always promised its hosts to take, and the README's host
// section and the help's troubleshooting page state it. A longer one is
// refused with a message before any dialog.
constexpr std::size_t kMaxExportPathChars = 272;

// The help file's path: the program's folder, with its final backslash, and
// the help file's name. Over it, Help opens nothing rather than another file.
constexpr std::size_t kMaxHelpPathChars = 279;

// The WAB library path the registry names (the DLLPath key of the WAB),
// also once expanded. A longer value is not used: the default library is
// looked for instead.
constexpr std::size_t kMaxWabLibraryPathChars = 272;

// A WAB file chosen in the file chooser: WABOpen takes its name as an ANSI
// text in a MAX_PATH (260) buffer, the terminator included. A longer path is
// refused with a message rather than handed to the WAB; the help's
// troubleshooting page states the number.
constexpr std::size_t kMaxWabFilePathBytes = 259;
