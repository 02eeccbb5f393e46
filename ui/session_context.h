// What the windows of one run share: the host window and the help that
// every Help button and F1 open. The application object owns one; the
// platform, the sources and the dialogs are handed it.
#pragma once

#include <windows.h>

#include "framework/help_viewer.h"
#include "help/help_ids.h"

// The help pages of the dialogs, as the help file maps them.
constexpr DWORD kHelpDataType = IDH_DATA_TYPE;
constexpr DWORD kHelpCsvSelection = IDH_CSV_SELECTION;
constexpr DWORD kHelpFieldMapping = IDH_FIELD_MAPPING;
constexpr DWORD kHelpConfirmation = IDH_CONFIRMATION;
constexpr DWORD kHelpSpeedDialSelection = IDH_SPEED_DIAL_SELECTION;
constexpr DWORD kHelpSpeedDialRecord = IDH_SPEED_DIAL_RECORD;
constexpr DWORD kHelpAddressBooks = IDH_ADDRESS_BOOKS;
constexpr DWORD kHelpCompanyDirectory = IDH_COMPANY_DIRECTORY;

struct SessionContext {
    HWND hostWindow = nullptr; // while the run holds it
    HelpViewer help;

    // A window owned by the host enables it again as it closes; the host
    // stays out of use until the hand-back.
    void KeepHostDisabled() const
    {
        if (hostWindow != nullptr)
            EnableWindow(hostWindow, FALSE);
    }
};
