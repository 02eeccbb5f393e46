// Whether this program can use Outlook's MAPI at all: a process loads only
// libraries of its own bitness, so a 32-bit faximport cannot use a 64-bit
// Outlook's address book, nor a 64-bit faximport a 32-bit Outlook's. Outlook
// records its bitness per Office version in the registry.
#pragma once

#include <string>
#include <vector>

enum class Bitness { kUnknown, kBits32, kBits64 };

// This build's own.
constexpr Bitness kProgramBitness = sizeof(void*) == 8 ? Bitness::kBits64 : Bitness::kBits32;

// Outlook's registry value "Bitness": "x86" or "x64", in any case; anything
// else is Unknown.
Bitness ParseBitness(const std::string& value);

// One Office version's record: the name of its version key ("16.0") and its
// Outlook's Bitness value.
struct OutlookBitnessRecord {
    std::string version;
    std::string value;
};

// The bitness of the Outlook in use when several Office versions left a
// record: the highest version's, compared number by number (16.0 above 9.0),
// since an older version's record may outlive its removal. Records whose key
// name is no version or whose value is no bitness are passed over; of equal
// versions the first record counts. Unknown when none is left.
Bitness DecidingBitness(const std::vector<OutlookBitnessRecord>& records);

// Why a program of this bitness cannot use that Outlook's address book, and
// which release package to take instead; empty when nothing stands in the
// way (Outlook's bitness unknown or the program's own).
std::string BitnessMismatchText(Bitness outlook, Bitness program);
