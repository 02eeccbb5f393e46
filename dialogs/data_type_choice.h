// The choices of the data type dialog: which sources are offered and which
// kind OK turns the selection and the two check boxes into.
#pragma once

#include <vector>

#include "core/import_result.h"

struct DataTypeItem {
    const char* text;
    DataSourceKind kind; // stored as the item's data
};

// The sources that are there to be offered besides the files.
struct AvailableSources {
    bool mapi = false;
    bool wab = false;
    bool directory = false; // a directory is set up, or the computer is in a domain
};

// The combo box items, in order.
std::vector<DataTypeItem> OfferedDataTypes(const AvailableSources& available);

// OK: CSV with auto search becomes kCsvAuto, WAB with the default file
// kDefaultWab.
DataSourceKind ResolveDataType(DataSourceKind selectedKind, bool autoSearchChecked, bool defaultWabChecked);
