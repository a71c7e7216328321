#pragma once
// The one loop of every search that runs a slice at a time: states are expanded in small
// batches between looks at the clock, so a slice ends close to its time while the clock costs
// next to nothing.
#include <chrono>

namespace qv {

enum class SliceEnd { Finished, OutOfTime, SliceOver };

// Calls `expand` (one state a call; false once the search has ended) for about `sliceSeconds`
// (zero: until it ends), adding the time spent to `seconds`, the search's own total, which may
// not pass `maxSeconds` (zero: no limit).
template <typename Expand>
SliceEnd RunSlice(double sliceSeconds, double maxSeconds, double& seconds, Expand expand) {
    constexpr int kExpansionsPerClockCheck = 64;
    const auto began = std::chrono::steady_clock::now();
    const double spentBefore = seconds;
    for (;;) {
        bool going = true;
        for (int i = 0; i < kExpansionsPerClockCheck && going; ++i) going = expand();
        const double slice =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();
        seconds = spentBefore + slice;
        if (!going) return SliceEnd::Finished;
        if (maxSeconds > 0 && seconds > maxSeconds) return SliceEnd::OutOfTime;
        if (sliceSeconds > 0 && slice >= sliceSeconds) return SliceEnd::SliceOver;
    }
}

}  // namespace qv
