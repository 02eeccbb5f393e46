// The two platform checks that decide which address books the data type
// dialog offers.
#pragma once

// True when the [Mail] section of the user's profile sets MAPIX to exactly 1.
bool IsExtendedMapiEnabled();

// Settles wabDllPath: the registered WAB library path, or "WAB32.DLL" when
// none is registered; emptied when that library cannot be loaded. Returns
// whether it loaded.
bool SettleWabLibraryPath();
