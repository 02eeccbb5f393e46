// The figures the confirmation shows, as a source's reading leaves them.
#pragma once

#include <cstdint>

struct SessionCounters {
    std::int32_t selectedEntryCount = 0;
    std::int32_t validFaxCount = 0;
    std::int32_t rejectedEntryCount = 0;
    bool walkStopped = false;      // the user stopped the reading early
    bool sourceIncomplete = false; // the source sent only part of its entries (a directory's size limit)
};
