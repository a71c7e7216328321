#pragma once
// The whole answer to "can this be solved, and how", run a slice at a time so a screen keeps
// drawing and taking input while it thinks: first the search for a proven shortest solution;
// if that runs into its limits, a search for any way home (WaySearch), which is then made
// shorter where it can be (WayShortening) and searched for again shorter while the limits
// last. SolveLevel runs one to the end in a single call.
#include <memory>

#include "puzzle/AStarSearch.h"
#include "puzzle/Level.h"
#include "puzzle/Solver.h"
#include "puzzle/WaySearch.h"
#include "puzzle/WayShortening.h"

namespace qv {

class SolveSearch {
public:
    // Copies what it needs from `given`: the level may change or go away afterwards.
    SolveSearch(const Level& given, const SolverLimits& searchLimits,
                SolveStrategy strategy = SolveStrategy::Fast);
    ~SolveSearch();

    // Searches for at most about `sliceSeconds` (zero: to the end); true once finished. The
    // limits' seconds count only the time spent in here, not the time between slices.
    bool Advance(double sliceSeconds);
    bool Finished() const { return phase == Phase::Done; }
    // Complete once Finished().
    const SolveResult& Result() const { return result; }

private:
    // The proof; then, within the way's limits, a way, made shorter, a second way search for a
    // shorter one, and that made shorter too.
    enum class Phase { Shortest, Way, Shorten, Improve, ShortenAgain, Done };

    // Takes over the finished phase's answer and starts the next phase, if any.
    void EndPhase();
    // Starts `next` within what is left of the way's limits, if anything is.
    void StartWayPhase(Phase next);

    Level level;
    SolverLimits limits;
    Phase phase = Phase::Shortest;
    // One search at a time: the proof, a way search, or the shortening.
    std::unique_ptr<AStarSearch> shortest;
    std::unique_ptr<WaySearch> way;
    std::unique_ptr<WayShortening> shortening;
    std::size_t wayStates = 0;  // what the way's phases took so far
    double waySeconds = 0;
    bool phaseEnded = false;  // a phase has finished, and the next is still to be started
    SolveResult result;
};

// Runs a search to its end in one call.
SolveResult SolveLevel(const Level& level, const SolverLimits& limits = {},
                       SolveStrategy strategy = SolveStrategy::Fast);

}  // namespace qv
