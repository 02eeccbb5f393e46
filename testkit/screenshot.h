// Screenshots of a window for the demo: the window's screen area copied into
// a 24-bit bitmap file.
#pragma once

#include <windows.h>

#include <string>

namespace testkit {

// Copies what the screen shows in window's rectangle to a .bmp file.
// Returns false when the window or the file cannot be used.
bool SaveWindowBitmap(HWND window, const std::string& path);

} // namespace testkit
