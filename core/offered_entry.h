// A name and a fax number as a file or directory source offers them in its
// selection dialog, each already cut to its export field.
#pragma once

#include <vector>

#include "core/import_result.h"

struct OfferedEntry {
    char name[kTextFieldBytes];
    char faxNumber[kTextFieldBytes];
};
using OfferedEntryTable = std::vector<OfferedEntry>;
