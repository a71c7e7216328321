#include "generator/MeasureBatch.h"

#include <utility>

namespace qv {

void MeasureBatch::Start(std::vector<Level> levels, const SolverLimits& limits, bool firstMoves,
                         int trapCostCap, int bestStartsCap) {
    search_.reset();
    levels_ = std::move(levels);
    results_.clear();
    limits_ = limits;
    options_.firstMoves = firstMoves;
    options_.strategy = SolveStrategy::Reference;
    options_.firstMoveStrategy = SolveStrategy::Reference;
    options_.trapCostCap = trapCostCap;
    options_.bestStartsCap = bestStartsCap;
}

bool MeasureBatch::Advance(SliceBudget& budget) {
    while (results_.size() < levels_.size()) {
        double seconds = 0;
        if (!budget.Next(seconds)) return false;
        if (!search_) {
            search_ = std::make_unique<MeasureSearch>(levels_[results_.size()], limits_, options_);
        }
        if (!search_->Advance(seconds)) return false;
        results_.push_back(search_->Result());
        search_.reset();
    }
    return true;
}

}  // namespace qv
