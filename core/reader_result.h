// What a file-based source's reading ends with, when it ends without
// entries to choose from: a code below zero, each with its own message.
#pragma once

// Reader results shared by every file-based source.
enum ReaderResult : int {
    kReadCannotOpen = -1,
    kReadNoSize = -2,
    kReadNoMemory = -3,
    kReadNothing = -4,
    kReadNoFaxColumn = -5,
    kReadUnclosedQuote = -6,
    kReadNotSpeedDial = -7,
    kReadTooManyEntries = -8, // more entries than the 16-bit export count can hold
};

// Every code is below zero; counts of entries are not.
inline bool IsReaderError(int result)
{
    return result < 0;
}
