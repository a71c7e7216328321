#include "puzzle/WayShortening.h"

#include <algorithm>
#include <chrono>

namespace qv {

namespace {

// Searches of the rest get this share of the budget each: long enough to prove the last
// stretches, short enough that one hard stretch leaves room for the others.
constexpr std::size_t kStepShare = 32;
constexpr std::size_t kLeastStepStates = 20000;
// The rest from further back is harder still: after this many searches in a row that could
// not decide, the way stays as it is.
constexpr int kUndecidedRuns = 3;

// Makes `move` on `level` by the game's own rule, if the shape it names stands where it starts
// and may go there.
bool Apply(Level& level, const SolverMove& move) {
    const TilePos to = StepTarget(move.from, move.direction);
    return level.ShapePos(move.shape) == move.from && level.MoveShape(move.from, to.x, to.y);
}

}  // namespace

WayShortening::WayShortening(const Level& level, std::vector<SolverMove> way,
                             std::size_t maxStates, double maxSeconds)
    : level_(level), way_(std::move(way)), maxStates_(maxStates), maxSeconds_(maxSeconds) {
    level_.ClearHistories();
    Replay(0);
    finished_ = way_.empty();
}

WayShortening::~WayShortening() = default;

void WayShortening::Replay(std::size_t from) {
    before_.resize(from + 1, level_);
    for (std::size_t i = from; i < way_.size(); ++i) {
        before_.push_back(before_[i]);
        Apply(before_.back(), way_[i]);
        before_.back().ClearHistories();
    }
    before_.resize(way_.size());
}

bool WayShortening::LeaveOut(std::size_t at) {
    Level level = before_[at];
    std::vector<SolverMove> kept(way_.begin(), way_.begin() + static_cast<std::ptrdiff_t>(at));
    for (std::size_t i = at + 1; i < way_.size() && !level.IsSolved(); ++i) {
        if (Apply(level, way_[i])) kept.push_back(way_[i]);
    }
    if (!level.IsSolved()) return false;
    way_.swap(kept);
    Replay(at);
    return true;
}

void WayShortening::StartAt(int from) {
    search_.reset();
    const std::size_t left = maxStates_ > states_ ? maxStates_ - states_ : 0;
    const double secondsLeft = maxSeconds_ - seconds_;
    if (from < 0 || left == 0 || (maxSeconds_ > 0 && secondsLeft <= 0)) {
        finished_ = true;
        return;
    }
    from_ = from;
    SolverLimits limits;
    limits.maxStates = std::min(left, std::max(kLeastStepStates, maxStates_ / kStepShare));
    limits.maxSeconds = maxSeconds_ > 0 ? secondsLeft : 0;
    // Only a rest shorter than the way's own is of use.
    limits.maxMoves = static_cast<int>(way_.size()) - from - 1;
    search_ = std::make_unique<AStarSearch>(before_[static_cast<std::size_t>(from)], limits);
}

void WayShortening::TakeResult() {
    const SolveResult& rest = search_->Result();
    states_ += rest.statesExplored;
    seconds_ += rest.seconds;
    // From the start, either answer makes the way a shortest solution.
    proven_ = from_ == 0 && (rest.outcome == SolveOutcome::Solved ||
                             rest.outcome == SolveOutcome::Unsolvable);
    switch (rest.outcome) {
    case SolveOutcome::Solved:
        way_.resize(static_cast<std::size_t>(from_));
        way_.insert(way_.end(), rest.solution.begin(), rest.solution.end());
        Replay(static_cast<std::size_t>(from_));
        undecidedInARow_ = 0;
        break;
    case SolveOutcome::Unsolvable:  // none shorter: the rest from here is a shortest one
        undecidedInARow_ = 0;
        break;
    case SolveOutcome::Undecided:
    case SolveOutcome::Way:
        if (++undecidedInARow_ >= kUndecidedRuns) {
            search_.reset();
            finished_ = true;
            return;
        }
        break;
    }
    StartAt(from_ - 1);
}

bool WayShortening::Advance(double sliceSeconds) {
    const auto began = std::chrono::steady_clock::now();
    for (bool first = true; !finished_; first = false) {
        double spent = 0;
        if (sliceSeconds > 0) {
            spent = std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();
            if (spent >= sliceSeconds && !first) return false;
        }
        if (leaveOut_ < way_.size()) {
            // Tried again at the same place after a success: what follows has changed.
            if (!LeaveOut(leaveOut_)) ++leaveOut_;
            if (leaveOut_ >= way_.size()) StartAt(static_cast<int>(way_.size()) - 2);
        } else if (search_->Advance(sliceSeconds > 0 ? std::max(sliceSeconds - spent, 1e-9) : 0)) {
            TakeResult();
        }
    }
    return true;
}

}  // namespace qv
