// The MAPI and WAB declarations in the one order the mingw-w64 headers
// accept together: mapix.h declares IAddrBook, wabapi.h then adds only the
// WAB object and WABOpen on top of it. Nothing here is linked: both
// libraries are loaded at run time.
#pragma once

#include <windows.h>

#include <mapitags.h>
#include <mapix.h>
#include <wabapi.h>
