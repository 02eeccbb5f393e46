// What the Wine benchmarks share: a stopwatch, waiting for the program being
// timed, and the failures that end a run.
#pragma once

#include <windows.h>

#include <cstdio>
#include <functional>
#include <string>

#include "testkit/window_messages.h"
#include "testkit/window_search.h"

// Long enough for the slowest step of a slow build; a step that takes longer
// is reported as failed rather than waited for.
constexpr DWORD kStepTimeoutMs = 10 * 60 * 1000;

class Stopwatch {
public:
    Stopwatch()
    {
        QueryPerformanceFrequency(&frequency_);
        Restart();
    }
    void Restart() { QueryPerformanceCounter(&start_); }
    double Seconds() const
    {
        LARGE_INTEGER now;
        QueryPerformanceCounter(&now);
        return static_cast<double>(now.QuadPart - start_.QuadPart) / static_cast<double>(frequency_.QuadPart);
    }

private:
    LARGE_INTEGER frequency_;
    LARGE_INTEGER start_;
};

inline std::string Format(const char* format, int value)
{
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

// Polls often (a step may take only a few milliseconds) until condition
// holds, but not so often that the search for windows, which goes through
// the wineserver, slows down the program being timed: every poll adds at most
// kPollMs to a figure.
constexpr DWORD kPollMs = 5;

inline void WaitFor(const std::function<bool()>& condition, const std::string& what)
{
    const DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start >= kStepTimeoutMs)
            throw testkit::DriveError("timed out waiting for " + what);
        Sleep(kPollMs);
    }
}

inline void Expect(bool condition, const std::string& what)
{
    if (!condition)
        throw testkit::DriveError(what);
}
