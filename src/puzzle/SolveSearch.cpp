#include "puzzle/SolveSearch.h"

#include <utility>

#include "puzzle/SearchSlice.h"

namespace qv {

namespace {

// Searches that store more states than this hold megabytes.
constexpr std::size_t kLongSearchStates = std::size_t{1} << 16;

}  // namespace

SolveSearch::SolveSearch(const Level& given, const SolverLimits& searchLimits,
                         SolveStrategy strategy)
    : level(given), limits(searchLimits) {
    level.ClearHistories();
    shortest = std::make_unique<AStarSearch>(level, searchLimits, strategy);
}

SolveSearch::~SolveSearch() = default;

bool SolveSearch::Advance(double sliceSeconds) {
    SliceBudget budget(sliceSeconds);
    if (phaseEnded) {
        phaseEnded = false;
        EndPhase();
    }
    while (phase != Phase::Done) {
        double left = 0;
        if (!budget.Next(left)) return false;
        if (shortening) {
            if (!shortening->Advance(left)) return false;
            EndPhase();
        } else if (way ? way->Advance(left) : shortest->Advance(left)) {
            // Handing a long search's memory back to the system takes a few milliseconds: that
            // waits for the next slice, which then begins with it, so no one slice takes both.
            const SolveResult& found = way ? way->Result() : shortest->Result();
            if (found.statesExplored >= kLongSearchStates && sliceSeconds > 0) {
                phaseEnded = true;
                return false;
            }
            EndPhase();
        } else {
            return false;
        }
    }
    return true;
}

void SolveSearch::EndPhase() {
    SolveResult found;
    if (shortening) {
        found.outcome = shortening->ProvenShortest() ? SolveOutcome::Solved : SolveOutcome::Way;
        found.solution = shortening->Way();
        found.moveCount = static_cast<int>(found.solution.size());
        found.statesExplored = shortening->States();
        found.seconds = shortening->Seconds();
    } else {
        found = way ? way->Result() : shortest->Result();
    }
    // Its memory goes before the next search takes its own.
    shortest.reset();
    way.reset();
    shortening.reset();
    result.statesExplored += found.statesExplored;
    result.seconds += found.seconds;
    if (phase != Phase::Shortest) {
        wayStates += found.statesExplored;
        waySeconds += found.seconds;
    }
    if (phase == Phase::Improve && found.outcome != SolveOutcome::Way) {
        // Nothing shorter than the way in hand: proven so when the search ran dry.
        if (found.outcome == SolveOutcome::Unsolvable) result.outcome = SolveOutcome::Solved;
        phase = Phase::Done;
        return;
    }
    result.outcome = found.outcome;
    result.moveCount = found.moveCount;
    result.solution = std::move(found.solution);
    switch (phase) {
    case Phase::Shortest:
        if (result.outcome == SolveOutcome::Undecided && limits.wayStates > 0) {
            StartWayPhase(Phase::Way);
            return;
        }
        break;
    case Phase::Way:
    case Phase::Improve:
        if (result.outcome == SolveOutcome::Way) {
            StartWayPhase(phase == Phase::Way ? Phase::Shorten : Phase::ShortenAgain);
            return;
        }
        break;
    case Phase::Shorten:
        if (result.outcome == SolveOutcome::Way) {
            StartWayPhase(Phase::Improve);
            return;
        }
        break;
    case Phase::ShortenAgain:
    case Phase::Done:
        break;
    }
    phase = Phase::Done;
}

void SolveSearch::StartWayPhase(Phase next) {
    const std::size_t statesLeft =
        limits.wayStates > wayStates ? limits.wayStates - wayStates : 0;
    const double secondsLeft = limits.waySeconds - waySeconds;
    if (statesLeft == 0 || (limits.waySeconds > 0 && secondsLeft <= 0)) {
        phase = Phase::Done;
        return;
    }
    phase = next;
    SolverLimits phaseLimits;
    phaseLimits.maxStates = statesLeft;
    phaseLimits.maxSeconds = limits.waySeconds > 0 ? secondsLeft : 0;
    phaseLimits.maxMoves = limits.maxMoves;
    switch (next) {
    case Phase::Way:
        way = std::make_unique<WaySearch>(level, phaseLimits);
        break;
    case Phase::Improve:
        if (result.moveCount <= 1) {
            phase = Phase::Done;
            return;
        }
        // Half of what is left, for a way shorter than the one in hand, looked for shallowest
        // first: slower to find one at all, but what it finds wanders less.
        phaseLimits.maxStates = statesLeft / 2;
        phaseLimits.maxMoves = result.moveCount - 1;
        way = std::make_unique<WaySearch>(level, phaseLimits, WaySearch::Order::ShallowestFirst);
        break;
    case Phase::Shorten:
    case Phase::ShortenAgain:
        shortening = std::make_unique<WayShortening>(level, result.solution, phaseLimits.maxStates,
                                                     phaseLimits.maxSeconds);
        break;
    case Phase::Shortest:
    case Phase::Done:
        break;
    }
}

SolveResult SolveLevel(const Level& level, const SolverLimits& limits, SolveStrategy strategy) {
    SolveSearch search(level, limits, strategy);
    search.Advance(0);
    return search.Result();
}

}  // namespace qv
