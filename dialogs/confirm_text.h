// The texts the confirmation dialog shows.
#pragma once

#include <string>
#include <vector>

#include "app/import_result.h"

// "%d fax entries will be imported:"
std::string ConfirmHeadline(int entryCount);
// The note that the cap cut the list, or an empty text.
std::string ConfirmCapLine(int entryCap, int validFaxCount);
// Label of the rejected count: address books reject from the selection.
const char* RejectedLabel(int kind);
// One "name<TAB>fax" line per entry to import.
std::vector<std::string> ConfirmLines(const ImportResult& result);
