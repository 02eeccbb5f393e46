// The median wall time of several runs of a piece of work, for the native
// benchmarks.
#pragma once

#include <algorithm>
#include <chrono>
#include <vector>

// prepare() runs before each timed run, outside the clock.
template <typename Prepare, typename Work>
double MedianSeconds(int runs, Prepare prepare, Work work)
{
    std::vector<double> seconds;
    for (int i = 0; i < runs; ++i) {
        prepare();
        const auto start = std::chrono::steady_clock::now();
        work();
        seconds.push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(seconds.begin(), seconds.end());
    return seconds[seconds.size() / 2];
}

template <typename Work>
double MedianSeconds(int runs, Work work)
{
    return MedianSeconds(
        runs, [] {}, work);
}
