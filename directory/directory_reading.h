// Reads the company directory into the entries its selection dialog offers:
// settings, connection, sign-in, then a paged search under the progress
// notice. Each entry gives one offered entry per fax number, named by its
// first non-blank name attribute (else its given name and surname).
#pragma once

#include <string>

#include "core/offered_entry.h"
#include "directory/directory_service.h"

class AnsiCodePage;

struct DirectoryReading {
    std::string server;        // as messages and the dialog's caption name it
    OfferedEntryTable entries; // sorted by name; at most kMaxEntryCount
    int entriesRead = 0;       // entries the directory sent
    int entriesWithoutFax = 0; // of those, the ones with no usable fax number
    int numbersLeftOut = 0;    // usable numbers past kMaxEntryCount
    bool stopped = false;      // the user stopped the search
    bool incomplete = false;   // the server stopped at its size limit
};

// False when there is nothing to offer: message then says why, naming the
// server and the directory's own error text, or is empty when the user
// cancelled the sign-in or stopped the search before a fax number came.
bool ReadDirectory(DirectoryService& service, const AnsiCodePage& codePage, DirectoryReading& reading,
                   std::string& message);
