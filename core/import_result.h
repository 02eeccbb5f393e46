// What one import run collects: the entry cap and the recipients to export.
// The session owns one and hands it to every step.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/recipient_list.h"

// The source the user chose in the data type dialog.
enum DataSourceKind : int {
    kKindCancelled = 0,
    kKindMapiAddressBook = 1,
    kKindWabFile = 2,
    kKindDefaultWab = 3,
    kKindCsvManual = 4,
    kKindCsvAuto = 5,
    kKindSpeedDial = 6,
    kKindDirectory = 7,
};

// A number (a dialog's result, an item's data) as the kind it names;
// kKindCancelled for any other.
inline DataSourceKind ToDataSourceKind(long long number)
{
    return number >= kKindMapiAddressBook && number <= kKindDirectory ? static_cast<DataSourceKind>(number)
                                                                      : kKindCancelled;
}

// Entries one import may take when the host asks for a cap (control 1008).
constexpr int kHostEntryCap = 50;
// The export file counts entries in 16 bits.
constexpr int kMaxEntryCount = 65535;
// Names and fax numbers are at most this many bytes, stored in one byte more.
constexpr int kMaxTextBytes = 30;
constexpr int kTextFieldBytes = kMaxTextBytes + 1;

struct ImportResult {
    std::int32_t entryCap = 0; // 0 = no limit
    RecipientList recipients;  // the entries to import, in order

    std::size_t EntryCount() const { return recipients.Count(); }
};
