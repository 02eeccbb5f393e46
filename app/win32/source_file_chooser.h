// The open-file dialog that asks for the source file of a file-based kind.
#pragma once

#include <windows.h>

#include <string>

#include "core/import_result.h"

// Shows the chooser for kind (2: WAB file; 4, 5: CSV; 6: speed-dial CSV),
// owned by owner. Returns true with the full path, false on Cancel or for a
// kind without a file.
bool ChooseSourceFile(HWND owner, DataSourceKind kind, std::string& path);
