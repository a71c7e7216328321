#include "puzzle/MeasureSearch.h"

#include <algorithm>
#include <utility>

#include "puzzle/MoveRule.h"
#include "puzzle/SearchSlice.h"

namespace qv {

namespace {

constexpr StepDirection kDirections[] = {StepDirection::Up, StepDirection::Down,
                                         StepDirection::Left, StepDirection::Right};

// The level after each move its start allows.
std::vector<Level> AfterFirstMoves(const Level& level) {
    std::vector<Level> afters;
    for (int k = 0; k < kShapeCount; ++k) {
        const auto kind = static_cast<ShapeKind>(k);
        const TilePos from = level.ShapePos(kind);
        // Where two shapes share a tile (bad data) the game moves only one of them.
        if (ShapeMovingFrom(level.ShapePositions(), from) != kind) continue;
        for (StepDirection direction : kDirections) {
            Level after = level;
            const TilePos to = StepTarget(from, direction);
            if (after.MoveShape(from, to.x, to.y)) afters.push_back(std::move(after));
        }
    }
    return afters;
}

}  // namespace

MeasureSearch::MeasureSearch(const Level& level, const SolverLimits& limits,
                             const MeasureOptions& options)
    : level_(level), limits_(limits), options_(options) {
    level_.ClearHistories();
    // What a first move costs rests on proofs: a way found after one runs out says nothing.
    limits_.wayStates = 0;
    limits_.waySeconds = 0;
    search_ = std::make_unique<SolveSearch>(level_, limits, options_.strategy);
}

MeasureSearch::~MeasureSearch() = default;

bool MeasureSearch::Advance(double sliceSeconds) {
    SliceBudget budget(sliceSeconds);
    while (search_) {
        double left = 0;
        if (!budget.Next(left)) return false;
        if (!search_->Advance(left)) return false;
        const SolveResult answer = search_->Result();
        search_.reset();
        TakeAnswer(answer);
    }
    return true;
}

void MeasureSearch::TakeAnswer(const SolveResult& answer) {
    if (std::exchange(levelSearch_, false)) {
        measures_.solve = answer;
        if (answer.outcome != SolveOutcome::Solved) return;
        MeasureSolution(level_, measures_);
        if (!options_.firstMoves) return;
        afterFirstMoves_ = AfterFirstMoves(level_);
        measures_.firstMoves = static_cast<int>(afterFirstMoves_.size());
        measures_.complete = true;
        StartFirstMove();
        return;
    }
    const int par = measures_.solve.moveCount;
    if (!costing_) {
        // Whether the rest still fits in par less the move made.
        if (answer.outcome == SolveOutcome::Solved) {
            ++measures_.optimalFirstMoves;
        } else if (answer.outcome == SolveOutcome::Undecided) {
            measures_.complete = false;
        } else {
            StartCosting();
            return;
        }
    } else if (answer.outcome == SolveOutcome::Undecided) {
        measures_.complete = false;
    } else if (answer.outcome == SolveOutcome::Unsolvable && options_.trapCostCap > 0) {
        measures_.trapDepth = std::max(measures_.trapDepth, options_.trapCostCap + 1);
    } else if (answer.outcome == SolveOutcome::Unsolvable) {
        ++measures_.deadStarts;
    } else {
        measures_.trapDepth = std::max(measures_.trapDepth, 1 + answer.moveCount - par);
    }
    costing_ = false;
    ++next_;
    StartFirstMove();
}

void MeasureSearch::StartFirstMove() {
    const int par = measures_.solve.moveCount;
    for (; next_ < afterFirstMoves_.size(); ++next_) {
        if (options_.bestStartsCap > 0 && measures_.optimalFirstMoves > options_.bestStartsCap)
            return;
        const Level& after = afterFirstMoves_[next_];
        if (after.IsSolved()) {
            ++measures_.optimalFirstMoves;
            continue;
        }
        if (par <= 1) {
            // Not solved by its one move: a trap.
            StartCosting();
            return;
        }
        // Asking first for the rest in par - 1 moves keeps the best starts cheap to confirm;
        // only a trap needs the search that says how much it costs.
        SolverLimits rest = limits_;
        rest.maxMoves = par - 1;
        search_ = std::make_unique<SolveSearch>(after, rest, options_.firstMoveStrategy);
        return;
    }
}

void MeasureSearch::StartCosting() {
    ++measures_.traps;
    if (options_.trapCostCap > 0 && measures_.trapDepth > options_.trapCostCap) {
        // A trap beyond the cap is known already: no other can count for more.
        ++next_;
        StartFirstMove();
        return;
    }
    costing_ = true;
    SolverLimits limits = limits_;
    if (options_.trapCostCap > 0) {
        // The move made, par, and the cap beyond it.
        limits.maxMoves = measures_.solve.moveCount - 1 + options_.trapCostCap;
    }
    search_ = std::make_unique<SolveSearch>(afterFirstMoves_[next_], limits,
                                            options_.firstMoveStrategy);
}

LevelMeasures MeasureLevel(const Level& level, const SolverLimits& limits, bool firstMoves,
                           SolveStrategy strategy) {
    // The states and the solution are design measures: taken with the reference search unless
    // asked otherwise, as the levels were designed with it. Par is the same either way.
    MeasureOptions options;
    options.firstMoves = firstMoves;
    options.strategy = strategy;
    MeasureSearch search(level, limits, options);
    search.Advance(0);
    return search.Result();
}

}  // namespace qv
