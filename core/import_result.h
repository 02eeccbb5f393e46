// What one import run collects: the entry cap and the recipients to export.
// The session owns one and hands it to every step.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/recipient_list.h"

// The source the user chose in the data type dialog. The numbers are the
// dialog's result and its combo box items' data.
enum class DataSourceKind : int {
    kCancelled = 0,
    kMapiAddressBook = 1,
    kWabFile = 2,
    kDefaultWab = 3,
    kCsvManual = 4,
    kCsvAuto = 5,
    kSpeedDial = 6,
    kDirectory = 7,
};

// A number (a dialog's result, an item's data) as the kind it names;
// kCancelled for any other.
inline DataSourceKind ToDataSourceKind(long long number)
{
    return number >= static_cast<int>(DataSourceKind::kMapiAddressBook) &&
                   number <= static_cast<int>(DataSourceKind::kDirectory)
               ? static_cast<DataSourceKind>(number)
               : DataSourceKind::kCancelled;
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
