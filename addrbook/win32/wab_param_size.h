// The size WABOpen is told for its WAB_PARAM: the four fields up to the
// property sheet GUID of later WAB versions, as this build lays them out
// (16 bytes in a 32-bit program, 28 in a 64-bit one, where the window handle
// and the file name pointer are 8 bytes and aligned to 8). Every WAB library
// accepts that size.
#pragma once

#include <cstddef>

#include "addrbook/win32/mapi_headers.h"

constexpr ULONG kFourFieldWabParamSize = offsetof(WAB_PARAM, guidPSExt);
