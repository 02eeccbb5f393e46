// The choices of the data type dialog: which sources are offered and which
// kind OK turns the selection and the two check boxes into.
#pragma once

#include <vector>

struct DataTypeItem {
    const char* text;
    int kind; // DataSourceKind stored as the item's data
};

// The combo box items, in order, given which address books are available.
std::vector<DataTypeItem> OfferedDataTypes(bool mapiAvailable, bool wabAvailable);

// OK: CSV with auto search becomes kind 5, WAB with the default file kind 3.
int ResolveDataType(int selectedKind, bool autoSearchChecked, bool defaultWabChecked);
