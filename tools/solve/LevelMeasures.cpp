#include "solve/LevelMeasures.h"

#include <algorithm>
#include <cstddef>

#include "puzzle/MoveRule.h"
#include "puzzle/SolveSearch.h"

namespace qv {

namespace {

constexpr StepDirection kDirections[] = {StepDirection::Up, StepDirection::Down,
                                         StepDirection::Left, StepDirection::Right};

void MeasureRuns(LevelMeasures& measures) {
    const std::vector<SolverMove>& moves = measures.solve.solution;
    int run = 0;
    for (std::size_t i = 0; i < moves.size(); ++i) {
        if (i > 0 && moves[i].shape == moves[i - 1].shape) {
            ++run;
        } else {
            if (i > 0) ++measures.switches;
            run = 1;
        }
        measures.longestRun = std::max(measures.longestRun, run);
    }
}

}  // namespace

LevelMeasures MeasureLevel(const Level& level, const SolverLimits& limits, bool firstMoves) {
    LevelMeasures measures;
    // The states and the solution are design measures: taken with the reference search,
    // which stays as the levels were designed with it. Par is the same either way.
    measures.solve = SolveLevel(level, limits, SolveStrategy::Reference);
    if (measures.solve.outcome != SolveOutcome::Solved) return measures;
    MeasureRuns(measures);
    if (!firstMoves) return measures;

    const int par = measures.solve.moveCount;
    // A first move keeps par when what is left takes par - 1 moves; the search after it need
    // not look further, which keeps the traps that lead nowhere cheap to find.
    SolverLimits rest = limits;
    rest.maxMoves = par - 1;
    measures.complete = true;
    for (int k = 0; k < kShapeCount; ++k) {
        const auto kind = static_cast<ShapeKind>(k);
        const TilePos from = level.ShapePos(kind);
        // Where two shapes share a tile (bad data) the game moves only one of them.
        if (ShapeMovingFrom(level.ShapePositions(), from) != kind) continue;
        for (StepDirection direction : kDirections) {
            Level after = level;
            const TilePos to = StepTarget(from, direction);
            if (!after.MoveShape(from, to.x, to.y)) continue;
            ++measures.firstMoves;
            bool keepsPar = after.IsSolved();
            if (!keepsPar && rest.maxMoves > 0) {
                const SolveOutcome outcome = SolveLevel(after, rest).outcome;
                if (outcome == SolveOutcome::Undecided) measures.complete = false;
                keepsPar = outcome == SolveOutcome::Solved;
            }
            ++(keepsPar ? measures.optimalFirstMoves : measures.traps);
        }
    }
    return measures;
}

}  // namespace qv
