// The texts the confirmation dialog shows.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "core/import_result.h"

// "%d fax entries will be imported:"
std::string ConfirmHeadline(int entryCount);
// The note below the statistics: that the cap (the host's, or the 16-bit
// count of the export) cut the list, that the reading was stopped early or
// the source sent only part of its entries, one of those and the cap, or an
// empty text.
std::string ConfirmCapLine(int entryCap, int validFaxCount, bool walkStopped, bool sourceIncomplete);
// Label of the rejected count: address books reject from the selection.
const char* RejectedLabel(DataSourceKind kind);
// The "name<TAB>fax" lines of the entries to import, one at a time for long
// lists: their number, and line `index` written over `line` (which keeps its
// room from one line to the next).
std::size_t ConfirmLineCount(const ImportResult& result);
void ConfirmLine(const ImportResult& result, std::size_t index, std::string& line);
