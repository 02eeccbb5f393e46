// Reads vCard files (2.1, 3.0 and 4.0) as the contact programs export them:
// one entry per fax telephone, in file order, for the CSV selection dialog.
#pragma once

#include <cstddef>

#include "csv/csv_reader.h"
#include "csv/text_decoding.h"

class AnsiCodePage;

// Whether the first non-blank line of text is BEGIN:VCARD (any case).
bool IsVCardText(const char* text, std::size_t size);

// Reads every card of text (size bytes, without a byte-order mark; UTF-8 when
// encoding says so, else in the code page) into entries in the code page.
// The outcome counts the entries read and, as rejected, the cards without a
// fax number; its status is kOk, or kTooManyEntries past kMaxEntryCount
// entries. Throws std::bad_alloc.
ReadOutcome ReadVCardEntries(const char* text, std::size_t size, TextEncoding encoding, const AnsiCodePage& codePage,
                             OfferedEntryTable& entries);
