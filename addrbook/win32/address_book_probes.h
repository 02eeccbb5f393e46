// The two platform checks that decide which address books the data type
// dialog offers.
#pragma once

#include <string>

// True when the [Mail] section of the user's profile sets MAPIX to exactly 1.
bool IsExtendedMapiEnabled();

// The registered WAB library path, or kDefaultWabLibrary when none is registered;
// empty when that library cannot be loaded.
std::string LoadableWabLibrary();

// The WAB library loaded when none is registered.
constexpr char kDefaultWabLibrary[] = "WAB32.DLL";
