// Gives the host its window back even when the program faults: once the host
// is disabled, an unhandled-exception filter knows which window to enable and
// which command to post before the process ends.
#pragma once

#include <windows.h>

// Installs the filter; call once at start.
void InstallEmergencyHandBack();
// From now on a fault enables host and posts commandId to it.
void ArmEmergencyHandBack(HWND host, int commandId);
// The ordinary hand-back has happened (or is happening): a fault now does nothing.
void DisarmEmergencyHandBack();
