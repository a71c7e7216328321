#include "puzzle/SolveSearch.h"

#include <algorithm>
#include <chrono>

namespace qv {

namespace {

// Searches that store more states than this hold megabytes.
constexpr std::size_t kLongSearchStates = std::size_t{1} << 16;

}  // namespace

SolveSearch::SolveSearch(const Level& level, const SolverLimits& limits, SolveStrategy strategy)
    : level_(level), limits_(limits) {
    level_.ClearHistories();
    SolverLimits shortest = limits;
    shortest.wayStates = 0;
    shortest_ = std::make_unique<AStarSearch>(level_, shortest, strategy);
}

SolveSearch::~SolveSearch() = default;

bool SolveSearch::Advance(double sliceSeconds) {
    const auto began = std::chrono::steady_clock::now();
    if (phaseEnded_) {
        phaseEnded_ = false;
        NextPhase();
    }
    for (bool first = true; !finished_; first = false) {
        double left = 0;
        if (sliceSeconds > 0) {
            left = sliceSeconds -
                   std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();
            if (left <= 0 && !first) return false;
            // However little is left, the phase makes some headway.
            left = std::max(left, 1e-9);
        }
        if (shortening_) {
            if (!shortening_->Advance(left)) return false;
            TakeShortWay();
        } else if (way_ ? way_->Advance(left) : shortest_->Advance(left)) {
            // Handing a long search's memory back to the system takes a few milliseconds: that
            // waits for the next slice, which then begins with it, so no one slice takes both.
            const SolveResult& found = way_ ? way_->Result() : shortest_->Result();
            if (found.statesExplored >= kLongSearchStates && sliceSeconds > 0) {
                phaseEnded_ = true;
                return false;
            }
            NextPhase();
        } else {
            return false;
        }
    }
    return true;
}

void SolveSearch::TakeShortWay() {
    result_.solution = shortening_->Way();
    result_.moveCount = static_cast<int>(result_.solution.size());
    if (shortening_->ProvenShortest()) result_.outcome = SolveOutcome::Solved;
    result_.statesExplored += shortening_->States();
    result_.seconds += shortening_->Seconds();
    shortening_.reset();
    finished_ = true;
}

void SolveSearch::NextPhase() {
    const SolveResult found = way_ ? way_->Result() : shortest_->Result();
    result_.outcome = found.outcome;
    result_.moveCount = found.moveCount;
    result_.solution = found.solution;
    result_.statesExplored += found.statesExplored;
    result_.seconds += found.seconds;
    // Its memory goes before the next search takes its own.
    shortest_.reset();
    const bool afterProof = !way_;
    way_.reset();
    if (afterProof && found.outcome == SolveOutcome::Undecided && limits_.wayStates > 0) {
        SolverLimits way;
        way.maxStates = limits_.wayStates;
        way.maxSeconds = limits_.waySeconds;
        way.maxMoves = limits_.maxMoves;
        way_ = std::make_unique<WaySearch>(level_, way);
        return;
    }
    const std::size_t statesLeft = limits_.wayStates > found.statesExplored
                                       ? limits_.wayStates - found.statesExplored
                                       : 0;
    const double secondsLeft = limits_.waySeconds - found.seconds;
    if (found.outcome == SolveOutcome::Way && statesLeft > 0 &&
        (limits_.waySeconds <= 0 || secondsLeft > 0)) {
        shortening_ = std::make_unique<WayShortening>(
            level_, found.solution, statesLeft, limits_.waySeconds > 0 ? secondsLeft : 0);
        return;
    }
    finished_ = true;
}

}  // namespace qv
