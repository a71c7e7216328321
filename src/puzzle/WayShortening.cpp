#include "puzzle/WayShortening.h"

#include <algorithm>
#include <chrono>

namespace qv {

namespace {

// Each search gets at most this share of the budget: enough to prove the last part of the way,
// little enough that one hard search leaves room for the others.
constexpr std::size_t kSearchShare = 32;
constexpr std::size_t kLeastSearchStates = 20000;
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
    if (way_.empty()) stage_ = Stage::Done;
}

WayShortening::~WayShortening() = default;

void WayShortening::Replay(std::size_t from) {
    positions_.resize(from + 1, level_);
    for (std::size_t i = from; i < way_.size(); ++i) {
        positions_.push_back(positions_[i]);
        Apply(positions_.back(), way_[i]);
        positions_.back().ClearHistories();
    }
}

void WayShortening::Splice(std::size_t from, std::size_t to, const std::vector<SolverMove>& moves) {
    std::vector<SolverMove> way(way_.begin(), way_.begin() + static_cast<std::ptrdiff_t>(from));
    way.insert(way.end(), moves.begin(), moves.end());
    way.insert(way.end(), way_.begin() + static_cast<std::ptrdiff_t>(to), way_.end());
    way_.swap(way);
    Replay(from);
}

bool WayShortening::LeaveOut(std::size_t at) {
    Level level = positions_[at];
    std::vector<SolverMove> kept;
    for (std::size_t i = at + 1; i < way_.size() && !level.IsSolved(); ++i) {
        if (Apply(level, way_[i])) kept.push_back(way_[i]);
    }
    if (!level.IsSolved()) return false;
    Splice(at, way_.size(), kept);
    return true;
}

void WayShortening::StartRest(int from) {
    search_.reset();
    const std::size_t left = maxStates_ > states_ ? maxStates_ - states_ : 0;
    const double secondsLeft = maxSeconds_ - seconds_;
    if (from < 0 || left == 0 || (maxSeconds_ > 0 && secondsLeft <= 0)) {
        stage_ = Stage::Done;
        return;
    }
    stage_ = Stage::Rest;
    at_ = static_cast<std::size_t>(from);
    SolverLimits limits;
    limits.maxStates = std::min(left, std::max(kLeastSearchStates, maxStates_ / kSearchShare));
    limits.maxSeconds = maxSeconds_ > 0 ? secondsLeft : 0;
    // Only a rest shorter than the way's own is of use.
    limits.maxMoves = static_cast<int>(way_.size() - at_) - 1;
    search_ = std::make_unique<AStarSearch>(positions_[at_], limits);
}

void WayShortening::TakeRest() {
    const SolveResult& rest = search_->Result();
    states_ += rest.statesExplored;
    seconds_ += rest.seconds;
    // From the start, either answer makes the way a shortest solution.
    proven_ = at_ == 0 && (rest.outcome == SolveOutcome::Solved ||
                           rest.outcome == SolveOutcome::Unsolvable);
    switch (rest.outcome) {
    case SolveOutcome::Solved:
        Splice(at_, way_.size(), rest.solution);
        undecidedInARow_ = 0;
        break;
    case SolveOutcome::Unsolvable:  // none shorter: the rest from here is a shortest one
        undecidedInARow_ = 0;
        break;
    case SolveOutcome::Undecided:
    case SolveOutcome::Way:
        if (++undecidedInARow_ >= kUndecidedRuns) {
            stage_ = Stage::Done;
            return;
        }
        break;
    }
    StartRest(static_cast<int>(at_) - 1);
}

bool WayShortening::Advance(double sliceSeconds) {
    const auto began = std::chrono::steady_clock::now();
    for (bool first = true; stage_ != Stage::Done; first = false) {
        double spent = 0;
        if (sliceSeconds > 0) {
            spent = std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();
            if (spent >= sliceSeconds && !first) return false;
        }
        if (stage_ == Stage::LeaveOut) {
            // Tried again at the same place after a success: what follows has changed.
            if (!LeaveOut(at_) && ++at_ >= way_.size()) StartRest(static_cast<int>(way_.size()) - 2);
        } else if (search_->Advance(sliceSeconds > 0 ? std::max(sliceSeconds - spent, 1e-9) : 0)) {
            TakeRest();
        }
    }
    search_.reset();
    return true;
}

}  // namespace qv
