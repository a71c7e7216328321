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

WayShortening::WayShortening(const Level& start, std::vector<SolverMove> wayHome,
                             std::size_t stateBudget, double secondsBudget)
    : level(start), way(std::move(wayHome)), maxStates(stateBudget), maxSeconds(secondsBudget) {
    level.ClearHistories();
    Replay(0);
    if (way.empty()) stage = Stage::Done;
}

WayShortening::~WayShortening() = default;

void WayShortening::Replay(std::size_t from) {
    positions.resize(from + 1, level);
    for (std::size_t i = from; i < way.size(); ++i) {
        positions.push_back(positions[i]);
        Apply(positions.back(), way[i]);
        positions.back().ClearHistories();
    }
}

void WayShortening::Splice(std::size_t from, std::size_t to, const std::vector<SolverMove>& moves) {
    std::vector<SolverMove> spliced(way.begin(), way.begin() + static_cast<std::ptrdiff_t>(from));
    spliced.insert(spliced.end(), moves.begin(), moves.end());
    spliced.insert(spliced.end(), way.begin() + static_cast<std::ptrdiff_t>(to), way.end());
    way.swap(spliced);
    Replay(from);
}

bool WayShortening::LeaveOut(std::size_t index) {
    Level replayed = positions[index];
    std::vector<SolverMove> kept;
    for (std::size_t i = index + 1; i < way.size() && !replayed.IsSolved(); ++i) {
        if (Apply(replayed, way[i])) kept.push_back(way[i]);
    }
    if (!replayed.IsSolved()) return false;
    Splice(index, way.size(), kept);
    return true;
}

void WayShortening::StartRest(int from) {
    search.reset();
    const std::size_t left = maxStates > states ? maxStates - states : 0;
    const double secondsLeft = maxSeconds - seconds;
    if (from < 0 || left == 0 || (maxSeconds > 0 && secondsLeft <= 0)) {
        stage = Stage::Done;
        return;
    }
    stage = Stage::Rest;
    at = static_cast<std::size_t>(from);
    SolverLimits limits;
    limits.maxStates = std::min(left, std::max(kLeastSearchStates, maxStates / kSearchShare));
    limits.maxSeconds = maxSeconds > 0 ? secondsLeft : 0;
    // Only a rest shorter than the way's own is of use.
    limits.maxMoves = static_cast<int>(way.size() - at) - 1;
    search = std::make_unique<AStarSearch>(positions[at], limits);
}

void WayShortening::TakeRest() {
    const SolveResult& rest = search->Result();
    states += rest.statesExplored;
    seconds += rest.seconds;
    // From the start, either answer makes the way a shortest solution.
    proven = at == 0 && (rest.outcome == SolveOutcome::Solved ||
                         rest.outcome == SolveOutcome::Unsolvable);
    switch (rest.outcome) {
    case SolveOutcome::Solved:
        Splice(at, way.size(), rest.solution);
        undecidedInARow = 0;
        break;
    case SolveOutcome::Unsolvable:  // none shorter: the rest from here is a shortest one
        undecidedInARow = 0;
        break;
    case SolveOutcome::Undecided:
    case SolveOutcome::Way:
        if (++undecidedInARow >= kUndecidedRuns) {
            stage = Stage::Done;
            return;
        }
        break;
    }
    StartRest(static_cast<int>(at) - 1);
}

bool WayShortening::Advance(double sliceSeconds) {
    const auto began = std::chrono::steady_clock::now();
    for (bool first = true; stage != Stage::Done; first = false) {
        double spent = 0;
        if (sliceSeconds > 0) {
            spent = std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();
            if (spent >= sliceSeconds && !first) return false;
        }
        if (stage == Stage::LeaveOut) {
            // Tried again at the same place after a success: what follows has changed.
            if (!LeaveOut(at) && ++at >= way.size()) StartRest(static_cast<int>(way.size()) - 2);
        } else if (search->Advance(sliceSeconds > 0 ? std::max(sliceSeconds - spent, 1e-9) : 0)) {
            TakeRest();
        }
    }
    search.reset();
    return true;
}

}  // namespace qv
