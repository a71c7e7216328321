#pragma once
// The one loop of every search that runs a slice at a time: states are expanded in small
// batches between looks at the clock, so a slice ends close to its time while the clock costs
// next to nothing.
#include <algorithm>
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

// The time left of a slice that runs several searches one after another (the phases of a solve,
// the searches of a level's measures).
class SliceBudget {
public:
    // Zero: no limit, every search runs to its end.
    explicit SliceBudget(double sliceSeconds)
        : slice(sliceSeconds), began(std::chrono::steady_clock::now()) {}

    // The seconds the next search may take (zero: no limit); false once the slice is over. The
    // first search of a slice always gets its turn, and however little is left makes some
    // headway, so a chain of searches never stalls.
    bool Next(double& seconds) {
        seconds = 0;
        if (slice <= 0) return true;
        const auto now = std::chrono::steady_clock::now();
        const double left = slice - std::chrono::duration<double>(now - began).count();
        if (left <= 0 && !first) return false;
        first = false;
        seconds = std::max(left, 1e-9);
        return true;
    }

    bool Unlimited() const { return slice <= 0; }

private:
    double slice;
    std::chrono::steady_clock::time_point began;
    bool first = true;
};

}  // namespace qv
