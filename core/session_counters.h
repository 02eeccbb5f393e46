// The figures the confirmation shows, as a source's reading leaves them.
#pragma once

#include <cstdint>

struct SessionCounters {
    std::int32_t selectedEntryCount = 0;
    std::int32_t validFaxCount = 0;
    std::int32_t rejectedEntryCount = 0;
    bool walkStopped = false; // the user stopped the address-book walk early
};
