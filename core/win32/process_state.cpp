// Storage of the process-wide texts and the Help button action.
#include "core/win32/process_state.h"

char helpFilePath[kHelpFilePathBytes] = "";
char wabDllPath[kWabDllPathBytes] = "";

void ShowHelpContext(HWND owner, DWORD context)
{
    if (helpFilePath[0] != '\0')
        WinHelpA(owner, helpFilePath, HELP_CONTEXT, context);
}
