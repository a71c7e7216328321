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

MeasureSearch::MeasureSearch(const Level& given, const SolverLimits& searchLimits,
                             const MeasureOptions& measureOptions)
    : level(given), limits(searchLimits), options(measureOptions) {
    level.ClearHistories();
    // What a first move costs rests on proofs: a way found after one runs out says nothing.
    limits.wayStates = 0;
    limits.waySeconds = 0;
    search = std::make_unique<SolveSearch>(level, searchLimits, options.strategy);
}

MeasureSearch::~MeasureSearch() = default;

bool MeasureSearch::Advance(double sliceSeconds) {
    SliceBudget budget(sliceSeconds);
    while (search) {
        double left = 0;
        if (!budget.Next(left)) return false;
        if (!search->Advance(left)) return false;
        const SolveResult answer = search->Result();
        search.reset();
        TakeAnswer(answer);
    }
    return true;
}

void MeasureSearch::TakeAnswer(const SolveResult& answer) {
    if (std::exchange(levelSearch, false)) {
        measures.solve = answer;
        if (answer.outcome != SolveOutcome::Solved) return;
        MeasureSolution(level, measures);
        if (!options.firstMoves) return;
        afterFirstMoves = AfterFirstMoves(level);
        measures.firstMoves = static_cast<int>(afterFirstMoves.size());
        measures.complete = true;
        StartFirstMove();
        return;
    }
    const int par = measures.solve.moveCount;
    if (!costing) {
        // Whether the rest still fits in par less the move made.
        if (answer.outcome == SolveOutcome::Solved) {
            ++measures.optimalFirstMoves;
        } else if (answer.outcome == SolveOutcome::Undecided) {
            measures.complete = false;
        } else {
            StartCosting();
            return;
        }
    } else if (answer.outcome == SolveOutcome::Undecided) {
        measures.complete = false;
    } else if (answer.outcome == SolveOutcome::Unsolvable && options.trapCostCap > 0) {
        measures.trapDepth = std::max(measures.trapDepth, options.trapCostCap + 1);
    } else if (answer.outcome == SolveOutcome::Unsolvable) {
        ++measures.deadStarts;
    } else {
        measures.trapDepth = std::max(measures.trapDepth, 1 + answer.moveCount - par);
    }
    costing = false;
    ++next;
    StartFirstMove();
}

void MeasureSearch::StartFirstMove() {
    const int par = measures.solve.moveCount;
    for (; next < afterFirstMoves.size(); ++next) {
        if (options.bestStartsCap > 0 && measures.optimalFirstMoves > options.bestStartsCap)
            return;
        const Level& after = afterFirstMoves[next];
        if (after.IsSolved()) {
            ++measures.optimalFirstMoves;
            continue;
        }
        if (par <= 1) {
            // Not solved by its one move: a trap.
            StartCosting();
            return;
        }
        // Asking first for the rest in par - 1 moves keeps the best starts cheap to confirm;
        // only a trap needs the search that says how much it costs.
        SolverLimits rest = limits;
        rest.maxMoves = par - 1;
        search = std::make_unique<SolveSearch>(after, rest, options.firstMoveStrategy);
        return;
    }
}

void MeasureSearch::StartCosting() {
    ++measures.traps;
    if (options.trapCostCap > 0 && measures.trapDepth > options.trapCostCap) {
        // A trap beyond the cap is known already: no other can count for more.
        ++next;
        StartFirstMove();
        return;
    }
    costing = true;
    SolverLimits costLimits = limits;
    if (options.trapCostCap > 0) {
        // The move made, par, and the cap beyond it.
        costLimits.maxMoves = measures.solve.moveCount - 1 + options.trapCostCap;
    }
    search = std::make_unique<SolveSearch>(afterFirstMoves[next], costLimits,
                                           options.firstMoveStrategy);
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
