// Reads vCard files (2.1, 3.0 and 4.0) as the contact programs export them:
// one entry per fax telephone, in file order, for the CSV selection dialog.
#pragma once

#include "csv/csv_reader.h"

class AnsiCodePage;

// Whether the first non-blank line of text is BEGIN:VCARD (any case).
bool IsVCardText(const char* text);

// Reads every card of text (zero-terminated, already in the code page, with
// no byte-order mark) into entries. A card without a fax number counts in
// rejectedCards. Returns 0, or kReadTooManyEntries past kMaxEntryCount
// entries. Throws std::bad_alloc.
int ReadVCardEntries(const char* text, const AnsiCodePage& codePage, CsvEntryTable& entries, int& rejectedCards);
