#include "generator/LevelSimplifier.h"

#include <utility>

#include "generator/BoardDraft.h"
#include "puzzle/LevelMeasures.h"

namespace qv {

namespace {

std::size_t Index(int x, int y) { return static_cast<std::size_t>(x * kMaxHeight + y); }

}  // namespace

LevelSimplifier::LevelSimplifier(const Level& level, int par, const SolverLimits& limits,
                                 Scope scope)
    : level_(level), par_(par), walk_(OpenBoardWalks(level)), limits_(limits), scope_(scope) {
    level_.ClearHistories();
    // At most par moves: fewer, more or none all tell "it matters" from "par as before".
    limits_.maxMoves = par;
    limits_.wayStates = 0;
    AskNext();
}

LevelSimplifier::~LevelSimplifier() = default;

bool LevelSimplifier::Advance(SliceBudget& budget) {
    while (!finished_) {
        double seconds = 0;
        if (!budget.Next(seconds) || !search_->Advance(seconds)) return false;
        const SolveOutcome outcome = search_->Result().outcome;
        if (outcome == SolveOutcome::Undecided) {
            undecided_ = true;
            Finish();
            break;
        }
        if (outcome == SolveOutcome::Solved && search_->Result().moveCount == par_) {
            level_ = changed_;
            changedAny_ = true;
        }
        AskNext();
    }
    return true;
}

void LevelSimplifier::AskNext() {
    for (;;) {
        if (NextColour() || (scope_ == Scope::ColoursAndTiles && NextTile())) {
            search_ = std::make_unique<SolveSearch>(changed_, limits_, SolveStrategy::Reference);
            return;
        }
        if (!std::exchange(changedAny_, false)) break;
        askedColour_.fill(false);
        askedTile_.fill(false);
    }
    Finish();
}

void LevelSimplifier::Finish() {
    finished_ = true;
    search_.reset();
    level_ = CroppedLevel(level_);
}

bool LevelSimplifier::NextColour() {
    for (int y = 0; y < level_.Rows(); ++y) {
        for (int x = 0; x < level_.Columns(); ++x) {
            const TileColor colour = level_.Tile(x, y);
            if (askedColour_[Index(x, y)] || colour == TileColor::Black ||
                colour == TileColor::White)
                continue;
            changed_ = level_;
            const TilePos at{static_cast<int16_t>(x), static_cast<int16_t>(y)};
            for (const TilePos tile : SameColourArea(level_, at)) {
                askedColour_[Index(tile.x, tile.y)] = true;
                changed_.Tile(tile.x, tile.y) = TileColor::White;
            }
            return true;
        }
    }
    return false;
}

bool LevelSimplifier::NextTile() {
    for (int y = 0; y < level_.Rows(); ++y) {
        for (int x = 0; x < level_.Columns(); ++x) {
            const TilePos at{static_cast<int16_t>(x), static_cast<int16_t>(y)};
            if (askedTile_[Index(x, y)] || level_.Tile(x, y) == TileColor::Black ||
                HoldsPiece(level_, at))
                continue;
            askedTile_[Index(x, y)] = true;
            changed_ = level_;
            changed_.Tile(x, y) = TileColor::Black;
            // A tile some walk home takes would lengthen the walk and so shorten the detour
            // for the same par: that is no simpler puzzle, but another.
            if (TilesConnected(changed_) && OpenBoardWalks(changed_) == walk_) return true;
        }
    }
    return false;
}

}  // namespace qv
