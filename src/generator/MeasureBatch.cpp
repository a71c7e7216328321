#include "generator/MeasureBatch.h"

#include <utility>

namespace qv {

void MeasureBatch::Start(std::vector<Level> toMeasure, const SolverLimits& searchLimits,
                         bool firstMoves, int trapCostCap, int bestStartsCap) {
    search.reset();
    levels = std::move(toMeasure);
    results.clear();
    limits = searchLimits;
    options.firstMoves = firstMoves;
    options.strategy = SolveStrategy::Reference;
    options.firstMoveStrategy = SolveStrategy::Reference;
    options.trapCostCap = trapCostCap;
    options.bestStartsCap = bestStartsCap;
}

bool MeasureBatch::Advance(SliceBudget& budget) {
    while (results.size() < levels.size()) {
        double seconds = 0;
        if (!budget.Next(seconds)) return false;
        if (!search) {
            search = std::make_unique<MeasureSearch>(levels[results.size()], limits, options);
        }
        if (!search->Advance(seconds)) return false;
        results.push_back(search->Result());
        search.reset();
    }
    return true;
}

}  // namespace qv
