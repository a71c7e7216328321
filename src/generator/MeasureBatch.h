#pragma once
// Levels measured one after another, a slice at a time: a round of the generator's candidates,
// or the one level it asks about next.
#include <cstddef>
#include <memory>
#include <vector>

#include "puzzle/Level.h"
#include "puzzle/LevelMeasures.h"
#include "puzzle/MeasureSearch.h"
#include "puzzle/SearchSlice.h"
#include "puzzle/Solver.h"

namespace qv {

class MeasureBatch {
public:
    // Drops whatever was being measured. Every search is the reference one, first moves
    // included: its answers, states and solutions stay as they are while the game's own search
    // improves, so a seed keeps its puzzle from one version of the game to the next.
    // `trapCostCap` and `bestStartsCap` as in MeasureOptions.
    void Start(std::vector<Level> toMeasure, const SolverLimits& searchLimits, bool firstMoves,
               int trapCostCap = 0, int bestStartsCap = 0);
    // Measures while `budget` lasts; true once every level is measured.
    bool Advance(SliceBudget& budget);

    const std::vector<Level>& Levels() const { return levels; }
    bool FirstMoves() const { return options.firstMoves; }
    // One for each level, complete once Advance returned true.
    const std::vector<LevelMeasures>& Results() const { return results; }

private:
    std::vector<Level> levels;
    std::vector<LevelMeasures> results;
    SolverLimits limits;
    MeasureOptions options;
    std::unique_ptr<MeasureSearch> search;  // measures levels[results.size()]
};

}  // namespace qv
