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

    // `par`: the level's fewest moves. Each search is the reference one within `limits`.
    LevelSimplifier(const Level& level, int par, const SolverLimits& limits, Scope scope);
    ~LevelSimplifier();

    // Works while `budget` lasts; true once finished.
    bool Advance(SliceBudget& budget);
    bool Finished() const { return finished_; }
    // Once finished: the simpler level, its empty edge rows and columns cut off.
    const Level& Result() const { return level_; }
    // A search reached the limits (it stopped there): something may be left that the puzzle
    // does not need.
    bool Undecided() const { return undecided_; }

private:
    // Asks about the next change not yet asked about in this round; finishes when a round
    // changed nothing.
    void AskNext();
    // The next colour to whiten, or tile to take away, into changed_; false when none is left.
    bool NextColour();
    bool NextTile();
    // Stops asking, the board cut to its tiles.
    void Finish();

    Level level_;
    Level changed_;  // level_ with the change asked about made
    int par_;
    int walk_;       // the shapes' walks home on the open board, summed
    SolverLimits limits_;
    Scope scope_;
    std::array<bool, kCellCount> askedColour_{};
    std::array<bool, kCellCount> askedTile_{};
    bool changedAny_ = false;  // in this round
    bool finished_ = false;
    bool undecided_ = false;
    std::unique_ptr<SolveSearch> search_;
};

}  // namespace qv
