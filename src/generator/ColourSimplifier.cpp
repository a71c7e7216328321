#include "generator/ColourSimplifier.h"

#include <utility>
#include <vector>

#include "puzzle/LevelMeasures.h"

namespace qv {

ColourSimplifier::ColourSimplifier(const Level& level, int par, const SolverLimits& limits)
    : level_(level), par_(par), limits_(limits) {
    level_.ClearHistories();
    // At most par moves: fewer, more or none all tell "it matters" from "par as before".
    limits_.maxMoves = par;
    limits_.wayStates = 0;
    AskNext();
}

ColourSimplifier::~ColourSimplifier() = default;

bool ColourSimplifier::Advance(SliceBudget& budget) {
    while (!finished_) {
        double seconds = 0;
        if (!budget.Next(seconds) || !search_->Advance(seconds)) return false;
        const SolveResult& answer = search_->Result();
        if (answer.outcome == SolveOutcome::Undecided) {
            undecided_ = true;
            finished_ = true;
        } else {
            if (answer.outcome == SolveOutcome::Solved && answer.moveCount == par_) {
                level_ = white_;
                whitened_ = true;
            }
            AskNext();
        }
        if (finished_) search_.reset();
    }
    return true;
}

void ColourSimplifier::AskNext() {
    for (;;) {
        for (int y = 0; y < level_.Rows(); ++y) {
            for (int x = 0; x < level_.Columns(); ++x) {
                const TileColor colour = level_.Tile(x, y);
                if (asked_[static_cast<std::size_t>(x * kMaxHeight + y)] ||
                    colour == TileColor::Black || colour == TileColor::White)
                    continue;
                white_ = level_;
                const TilePos at{static_cast<int16_t>(x), static_cast<int16_t>(y)};
                for (const TilePos tile : SameColourArea(level_, at)) {
                    asked_[static_cast<std::size_t>(tile.x * kMaxHeight + tile.y)] = true;
                    white_.Tile(tile.x, tile.y) = TileColor::White;
                }
                search_ = std::make_unique<SolveSearch>(white_, limits_, SolveStrategy::Reference);
                return;
            }
        }
        if (!std::exchange(whitened_, false)) break;
        asked_.fill(false);
    }
    finished_ = true;
}

}  // namespace qv
