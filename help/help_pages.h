// The page each help context opens, the same pages the help project's
// [ALIAS] section maps the context numbers to (a unit test holds the two
// together). The program opens the page by its name: the help compiler the
// project builds with, chmcmd 3.2.2, stores [ALIAS] targets as paths of the
// build folder, where HH_HELP_CONTEXT would look for them in vain.
#pragma once

#include "help/help_ids.h"

struct HelpPage {
    unsigned long context;
    const char* page;
};

constexpr HelpPage kHelpPages[] = {
    {IDH_DATA_TYPE, "choose_source.htm"},         {IDH_CSV_SELECTION, "selection.htm"},
    {IDH_FIELD_MAPPING, "field_mapping.htm"},     {IDH_CONFIRMATION, "confirmation.htm"},
    {IDH_SPEED_DIAL_SELECTION, "speed_dial.htm"}, {IDH_SPEED_DIAL_RECORD, "speed_dial_record.htm"},
    {IDH_ADDRESS_BOOKS, "address_books.htm"},     {IDH_COMPANY_DIRECTORY, "company_directory.htm"},
};

// The page of context, or null when it has none.
inline const char* HelpPageFor(unsigned long context)
{
    for (const HelpPage& page : kHelpPages) {
        if (page.context == context)
            return page.page;
    }
    return nullptr;
}
