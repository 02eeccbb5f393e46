// The texts the confirmation dialog shows.
#pragma once

#include <cstddef>
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
// The same one at a time, for long lists: their number, and line `index`
// written over `line` (which keeps its room from one line to the next).
std::size_t ConfirmLineCount(const ImportResult& result);
void ConfirmLine(const ImportResult& result, std::size_t index, std::string& line);
