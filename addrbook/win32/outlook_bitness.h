// Outlook's bitness as the registry records it, and the refusal of a MAPI
// start that cannot work because it differs from this program's.
#pragma once

#include <windows.h>

#include "addrbook/mapi_bitness.h"

// From the Bitness values of every Office version's Outlook key, both where
// installed Office keeps them and where Click-to-Run does, read from the
// 64-bit registry view (where a 64-bit Office writes them, whatever the
// bitness of the reader). Unknown when no version records one.
Bitness InstalledOutlookBitness();

// When Outlook's bitness is not this program's, says so in an error message
// box owned by owner, with this caption, and returns true; otherwise shows
// nothing and returns false.
bool ReportOutlookBitnessMismatch(HWND owner, const char* caption);
