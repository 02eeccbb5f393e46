// Which window is the host: the program is started by the host, whose window
// is normally in the foreground, but another program's window may come to the
// front before this program looks (a notification, a click elsewhere).
#pragma once

#include <windows.h>

// The foreground window when it belongs to the process that started this
// program; else that process's visible, unowned top-level window that is
// highest in the z-order (the one last active); else, when that process has
// no such window (it started the program through another one), the
// foreground window. Null when there is none at all.
HWND FindHostWindow();
