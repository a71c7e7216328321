#include "generator/LevelSimplifier.h"

#include <utility>

#include "generator/BoardDraft.h"
#include "puzzle/LevelMeasures.h"

namespace qv {

namespace {

std::size_t Index(int x, int y) { return static_cast<std::size_t>(x * kMaxHeight + y); }

}  // namespace

LevelSimplifier::LevelSimplifier(const Level& given, int fewestMoves,
                                 const SolverLimits& searchLimits, Scope wanted)
    : level(given),
      par(fewestMoves),
      walk(OpenBoardWalks(given)),
      limits(searchLimits),
      scope(wanted) {
    level.ClearHistories();
    // At most par moves: fewer, more or none all tell "it matters" from "par as before".
    limits.maxMoves = fewestMoves;
    limits.wayStates = 0;
    AskNext();
}

LevelSimplifier::~LevelSimplifier() = default;

bool LevelSimplifier::Advance(SliceBudget& budget) {
    while (!finished) {
        double seconds = 0;
        if (!budget.Next(seconds) || !search->Advance(seconds)) return false;
        const SolveOutcome outcome = search->Result().outcome;
        if (outcome == SolveOutcome::Undecided) {
            undecided = true;
            Finish();
            break;
        }
        if (outcome == SolveOutcome::Solved && search->Result().moveCount == par) {
            level = changed;
            changedAny = true;
        }
        AskNext();
    }
    return true;
}

void LevelSimplifier::AskNext() {
    for (;;) {
        if (NextColour() || (scope == Scope::ColoursAndTiles && NextTile())) {
            search = std::make_unique<SolveSearch>(changed, limits, SolveStrategy::Reference);
            return;
        }
        if (!std::exchange(changedAny, false)) break;
        askedColour.fill(false);
        askedTile.fill(false);
    }
    Finish();
}

void LevelSimplifier::Finish() {
    finished = true;
    search.reset();
    level = CroppedLevel(level);
}

bool LevelSimplifier::NextColour() {
    for (int y = 0; y < level.Rows(); ++y) {
        for (int x = 0; x < level.Columns(); ++x) {
            const TileColor colour = level.Tile(x, y);
            if (askedColour[Index(x, y)] || colour == TileColor::Black ||
                colour == TileColor::White)
                continue;
            changed = level;
            const TilePos at{static_cast<int16_t>(x), static_cast<int16_t>(y)};
            for (const TilePos tile : SameColourArea(level, at)) {
                askedColour[Index(tile.x, tile.y)] = true;
                changed.Tile(tile.x, tile.y) = TileColor::White;
            }
            return true;
        }
    }
    return false;
}

bool LevelSimplifier::NextTile() {
    for (int y = 0; y < level.Rows(); ++y) {
        for (int x = 0; x < level.Columns(); ++x) {
            const TilePos at{static_cast<int16_t>(x), static_cast<int16_t>(y)};
            if (askedTile[Index(x, y)] || level.Tile(x, y) == TileColor::Black ||
                HoldsPiece(level, at))
                continue;
            askedTile[Index(x, y)] = true;
            changed = level;
            changed.Tile(x, y) = TileColor::Black;
            // A tile some walk home takes would lengthen the walk and so shorten the detour
            // for the same par: that is no simpler puzzle, but another.
            if (TilesConnected(changed) && OpenBoardWalks(changed) == walk) return true;
        }
    }
    return false;
}

}  // namespace qv
