// What the windows of one run share: the host window, the help file that
// every Help button opens and the WAB library the data type dialog found.
// The application object owns one; the platform, the sources and the
// dialogs are handed it.
#pragma once

#include <windows.h>

#include <string>

// Help contexts of the dialogs with a Help button.
constexpr DWORD kHelpDataType = 15510;
constexpr DWORD kHelpCsvSelection = 15511;
constexpr DWORD kHelpSpeedDialSelection = 15514;

// The WAB library loaded when none is registered.
constexpr char kDefaultWabLibrary[] = "WAB32.DLL";

struct SessionContext {
    HWND hostWindow = nullptr; // while the run holds it
    std::string helpFile;      // empty: Help does nothing
    std::string wabLibrary;    // empty: no WAB library loads

    // A window owned by the host enables it again as it closes; the host
    // stays out of use until the hand-back.
    void KeepHostDisabled() const
    {
        if (hostWindow != nullptr)
            EnableWindow(hostWindow, FALSE);
    }
    // Opens the help file at context.
    void ShowHelp(HWND owner, DWORD context) const
    {
        if (!helpFile.empty())
            WinHelpA(owner, helpFile.c_str(), HELP_CONTEXT, context);
    }
};
