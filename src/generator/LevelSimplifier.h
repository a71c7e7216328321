#pragma once
// Takes out of a level what its puzzle does not need, one change at a time, as long as its fewest
// moves stay: coloured areas (tiles of one colour that touch) made white, and, when asked, tiles
// taken away where the shapes' walks home stay as long; then again, as one change can leave
// another with nothing to do. What is left is what the puzzle rests on. A slice at a time.
#include <array>
#include <memory>

#include "puzzle/Level.h"
#include "puzzle/SearchSlice.h"
#include "puzzle/SolveSearch.h"
#include "puzzle/Solver.h"

namespace qv {

class LevelSimplifier {
public:
    // Colours only: the rule every level keeps (no colour that changes nothing). With the
    // tiles too: a board no larger than its puzzle.
    enum class Scope { Colours, ColoursAndTiles };

    // `fewestMoves`: the level's par. Each search is the reference one within `searchLimits`.
    LevelSimplifier(const Level& given, int fewestMoves, const SolverLimits& searchLimits,
                    Scope wanted);
    ~LevelSimplifier();

    // Works while `budget` lasts; true once finished.
    bool Advance(SliceBudget& budget);
    bool Finished() const { return finished; }
    // Once finished: the simpler level, its empty edge rows and columns cut off.
    const Level& Result() const { return level; }
    // A search reached the limits (it stopped there): something may be left that the puzzle
    // does not need.
    bool Undecided() const { return undecided; }

private:
    // Asks about the next change not yet asked about in this round; finishes when a round
    // changed nothing.
    void AskNext();
    // The next colour to whiten, or tile to take away, into `changed`; false when none is left.
    bool NextColour();
    bool NextTile();
    // Stops asking, the board cut to its tiles.
    void Finish();

    Level level;
    Level changed;  // `level` with the change asked about made
    int par;
    int walk;       // the shapes' walks home on the open board, summed
    SolverLimits limits;
    Scope scope;
    std::array<bool, kCellCount> askedColour{};
    std::array<bool, kCellCount> askedTile{};
    bool changedAny = false;  // in this round
    bool finished = false;
    bool undecided = false;
    std::unique_ptr<SolveSearch> search;
};

}  // namespace qv
