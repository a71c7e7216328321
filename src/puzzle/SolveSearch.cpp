#include "puzzle/SolveSearch.h"

#include <utility>

#include "puzzle/SearchSlice.h"

namespace qv {

namespace {

// Searches that store more states than this hold megabytes.
constexpr std::size_t kLongSearchStates = std::size_t{1} << 16;

}  // namespace

SolveSearch::SolveSearch(const Level& level, const SolverLimits& limits, SolveStrategy strategy)
    : level_(level), limits_(limits) {
    level_.ClearHistories();
    shortest_ = std::make_unique<AStarSearch>(level_, limits, strategy);
}

SolveSearch::~SolveSearch() = default;

bool SolveSearch::Advance(double sliceSeconds) {
    SliceBudget budget(sliceSeconds);
    if (phaseEnded_) {
        phaseEnded_ = false;
        EndPhase();
    }
    while (phase_ != Phase::Done) {
        double left = 0;
        if (!budget.Next(left)) return false;
        if (shortening_) {
            if (!shortening_->Advance(left)) return false;
            EndPhase();
        } else if (way_ ? way_->Advance(left) : shortest_->Advance(left)) {
            // Handing a long search's memory back to the system takes a few milliseconds: that
            // waits for the next slice, which then begins with it, so no one slice takes both.
            const SolveResult& found = way_ ? way_->Result() : shortest_->Result();
            if (found.statesExplored >= kLongSearchStates && sliceSeconds > 0) {
                phaseEnded_ = true;
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
    if (shortening_) {
        found.outcome = shortening_->ProvenShortest() ? SolveOutcome::Solved : SolveOutcome::Way;
        found.solution = shortening_->Way();
        found.moveCount = static_cast<int>(found.solution.size());
        found.statesExplored = shortening_->States();
        found.seconds = shortening_->Seconds();
    } else {
        found = way_ ? way_->Result() : shortest_->Result();
    }
    // Its memory goes before the next search takes its own.
    shortest_.reset();
    way_.reset();
    shortening_.reset();
    result_.statesExplored += found.statesExplored;
    result_.seconds += found.seconds;
    if (phase_ != Phase::Shortest) {
        wayStates_ += found.statesExplored;
        waySeconds_ += found.seconds;
    }
    if (phase_ == Phase::Improve && found.outcome != SolveOutcome::Way) {
        // Nothing shorter than the way in hand: proven so when the search ran dry.
        if (found.outcome == SolveOutcome::Unsolvable) result_.outcome = SolveOutcome::Solved;
        phase_ = Phase::Done;
        return;
    }
    result_.outcome = found.outcome;
    result_.moveCount = found.moveCount;
    result_.solution = std::move(found.solution);
    switch (phase_) {
    case Phase::Shortest:
        if (result_.outcome == SolveOutcome::Undecided && limits_.wayStates > 0) {
            StartWayPhase(Phase::Way);
            return;
        }
        break;
    case Phase::Way:
    case Phase::Improve:
        if (result_.outcome == SolveOutcome::Way) {
            StartWayPhase(phase_ == Phase::Way ? Phase::Shorten : Phase::ShortenAgain);
            return;
        }
        break;
    case Phase::Shorten:
        if (result_.outcome == SolveOutcome::Way) {
            StartWayPhase(Phase::Improve);
            return;
        }
        break;
    case Phase::ShortenAgain:
    case Phase::Done:
        break;
    }
    phase_ = Phase::Done;
}

void SolveSearch::StartWayPhase(Phase phase) {
    const std::size_t statesLeft =
        limits_.wayStates > wayStates_ ? limits_.wayStates - wayStates_ : 0;
    const double secondsLeft = limits_.waySeconds - waySeconds_;
    if (statesLeft == 0 || (limits_.waySeconds > 0 && secondsLeft <= 0)) {
        phase_ = Phase::Done;
        return;
    }
    phase_ = phase;
    SolverLimits limits;
    limits.maxStates = statesLeft;
    limits.maxSeconds = limits_.waySeconds > 0 ? secondsLeft : 0;
    limits.maxMoves = limits_.maxMoves;
    switch (phase) {
    case Phase::Way:
        way_ = std::make_unique<WaySearch>(level_, limits);
        break;
    case Phase::Improve:
        if (result_.moveCount <= 1) {
            phase_ = Phase::Done;
            return;
        }
        // Half of what is left, for a way shorter than the one in hand, looked for shallowest
        // first: slower to find one at all, but what it finds wanders less.
        limits.maxStates = statesLeft / 2;
        limits.maxMoves = result_.moveCount - 1;
        way_ = std::make_unique<WaySearch>(level_, limits, WaySearch::Order::ShallowestFirst);
        break;
    case Phase::Shorten:
    case Phase::ShortenAgain:
        shortening_ = std::make_unique<WayShortening>(level_, result_.solution, limits.maxStates,
                                                      limits.maxSeconds);
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
