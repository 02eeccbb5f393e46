// Whether a dialog shows every text whole at the resolution this process
// runs at: each control's text measured with the control's own font against
// the room the control gives it.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace harness {

// One line per fault found ("control 1001 (Static "Name:"): text needs
// 70 x 16, has 66 x 16"); empty when everything fits. editTabStop is the one
// tab stop, in dialog units, that the dialog gives its edits (0: none).
std::vector<std::string> ClippedTexts(HWND dialog, int editTabStop = 0);

} // namespace harness
