#pragma once
// The measures of LevelMeasures.h taken a slice at a time, so that the game can measure a level
// while a screen goes on drawing (the puzzle generator ranks its candidates by them): the
// level's own search first, then a search or two for each first move. MeasureLevel runs one to
// the end in a single call.
#include <cstddef>
#include <memory>
#include <vector>

#include "puzzle/Level.h"
#include "puzzle/LevelMeasures.h"
#include "puzzle/SolveSearch.h"
#include "puzzle/Solver.h"

namespace qv {

// What to measure, and with which searches.
struct MeasureOptions {
    bool firstMoves = true;
    // The level's own search, and each first move's: the fast one there unless a caller needs
    // answers that never change as the fast search improves.
    SolveStrategy strategy = SolveStrategy::Reference;
    SolveStrategy firstMoveStrategy = SolveStrategy::Fast;
    // Zero: what each trap costs is searched in full. Otherwise only up to this many moves: a
    // trap that costs more, or leaves no solution at all, counts as costing one more (it is
    // then no dead start), which spares the searches that would prove the rest.
    int trapCostCap = 0;
    // Zero: every first move is sorted. Otherwise the search stops once more than this many
    // keep par, the moves left unsorted, since a caller that asks knows enough then.
    int bestStartsCap = 0;
};

class MeasureSearch {
public:
    // As MeasureLevel with the same arguments.
    MeasureSearch(const Level& given, const SolverLimits& searchLimits,
                  const MeasureOptions& measureOptions);
    ~MeasureSearch();

    // Searches for at most about `sliceSeconds` (zero: to the end); true once finished.
    bool Advance(double sliceSeconds);
    bool Finished() const { return search == nullptr; }
    // Complete once Finished().
    const LevelMeasures& Result() const { return measures; }

private:
    // Takes the finished search's answer and starts the next search, if any.
    void TakeAnswer(const SolveResult& answer);
    // The next first move's search, or none when all are sorted.
    void StartFirstMove();
    // The search for what the trap after first move `next` costs.
    void StartCosting();

    Level level;
    SolverLimits limits;
    MeasureOptions options;
    bool levelSearch = true;             // the level's own search runs, before any first move's
    std::vector<Level> afterFirstMoves;  // the level after each move the start allows
    std::size_t next = 0;                // the first move searched now
    bool costing = false;                // its trap's cost is searched, not whether it keeps par
    std::unique_ptr<SolveSearch> search;
    LevelMeasures measures;
};

// Every search, the level's and one per first move, gets `limits`. Without `firstMoves` only
// the level's own search runs and the first-move counts stay 0 (walk, detour and runs are still
// measured).
// The level's own search is the reference one unless `strategy` says otherwise; only it may go
// on to a way when its proof runs out (limits.wayStates), never a first move's.
LevelMeasures MeasureLevel(const Level& level, const SolverLimits& limits, bool firstMoves = true,
                           SolveStrategy strategy = SolveStrategy::Reference);

}  // namespace qv
