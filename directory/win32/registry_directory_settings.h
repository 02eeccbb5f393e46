// The directory settings as the registry holds them: a value under
// HKLM\Software\Policies\faximport\Directory (set by policy) wins over the
// same value under HKCU\Software\faximport\Directory.
#pragma once

#include <string>

#include "directory/directory_settings.h"

class RegistryDirectorySettings : public DirectorySettingsStore {
public:
    bool Read(const char* name, std::string& value) const override;
};

// Whether either key exists, so that a directory counts as set up.
bool IsDirectoryConfigured();
// The DNS domain the computer belongs to; empty when it is in none. Asks the
// computer only, never the network.
std::string ComputerDnsDomain();
