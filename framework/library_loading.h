// Loading the libraries the program finds by name at run time (MAPI32.DLL,
// the WAB library) without ever taking one from the current folder, which is
// wherever the host happened to start us.
#pragma once

#include "framework/handles.h"

// Takes the current folder out of the process's library search; called once
// at start. The program's own folder and the system folders stay searched.
void KeepCurrentFolderOutOfLibrarySearch();

// Loads name (a bare file name or a full path) from the program's folder or
// the system folders only; a full path's own folder is searched for the
// library's dependencies. Null when it cannot be loaded.
UniqueModule LoadLibraryOutsideCurrentFolder(const char* name);
