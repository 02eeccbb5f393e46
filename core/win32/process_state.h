// The process-wide texts shared between the session and the dialogs: the
// help file that every Help button opens, and the WAB library the data type
// dialog found loadable.
#pragma once

#include <windows.h>

// Executable directory plus the help file name; empty when there is none.
constexpr int kHelpFilePathBytes = 280;
extern char helpFilePath[kHelpFilePathBytes];

// Filled by the data type dialog's WAB probe; empty when the library did not load.
constexpr int kWabDllPathBytes = 273;
extern char wabDllPath[kWabDllPathBytes];

// Help contexts of the dialogs with a Help button.
constexpr DWORD kHelpDataType = 15510;
constexpr DWORD kHelpCsvSelection = 15511;
constexpr DWORD kHelpSpeedDialSelection = 15514;

// Opens helpFilePath at context; does nothing while the path is empty.
void ShowHelpContext(HWND owner, DWORD context);
