// The notice a source shows while it reads entries one by one (an address-book
// walk, a directory search); gone when destroyed. Its Cancel button (and Esc)
// asks the reading to stop.
#pragma once

class ProgressNotice {
public:
    virtual ~ProgressNotice() = default;
    // Lets the notice take its input; true once the user asked to stop.
    virtual bool StopRequested() = 0;
};
