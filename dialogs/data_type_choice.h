// The choices of the data type dialog: which sources are offered and which
// kind OK turns the selection and the two check boxes into.
#pragma once

#include <vector>

#include "core/import_result.h"

struct DataTypeItem {
    const char* text;
    DataSourceKind kind; // stored as the item's data
};

// The combo box items, in order, given which address books are available.
std::vector<DataTypeItem> OfferedDataTypes(bool mapiAvailable, bool wabAvailable);

// OK: CSV with auto search becomes kCsvAuto, WAB with the default file
// kDefaultWab.
DataSourceKind ResolveDataType(DataSourceKind selectedKind, bool autoSearchChecked, bool defaultWabChecked);
