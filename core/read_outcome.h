// What a file-based source's reading ends with: one status, each failure with
// its own message, and the entries it gives. Counts are never negative.
#pragma once

enum class ReadStatus {
    kOk,
    kCannotOpen,
    kNoSize,
    kNoMemory, // out of memory, or a size past what the library can hold
    kNothing,  // an empty file
    kNoFaxColumn,
    kUnclosedQuote,
    kNotSpeedDial,
    kTooManyEntries, // more entries than the 16-bit export count can hold
};

struct ReadOutcome {
    ReadStatus status = ReadStatus::kOk;
    int count = 0;    // with kOk: the entries chosen (0 on Cancel), or read where the reader says so
    int rejected = 0; // rows, lines or cards read that gave no entry

    bool Ok() const { return status == ReadStatus::kOk; }
};
