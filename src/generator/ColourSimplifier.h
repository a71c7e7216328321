#pragma once
// Whitens the coloured areas a level does not need, one area at a time (tiles of one colour that
// touch), as long as its fewest moves stay; then again, as whitening one area can leave another
// with nothing to do. The colours left are the ones the puzzle rests on. A slice at a time.
#include <array>
#include <memory>

#include "puzzle/Level.h"
#include "puzzle/SearchSlice.h"
#include "puzzle/SolveSearch.h"
#include "puzzle/Solver.h"

namespace qv {

class ColourSimplifier {
public:
    // `par`: the level's fewest moves. Each search is the reference one within `limits`.
    ColourSimplifier(const Level& level, int par, const SolverLimits& limits);
    ~ColourSimplifier();

    // Works while `budget` lasts; true once finished.
    bool Advance(SliceBudget& budget);
    bool Finished() const { return finished_; }
    // Once finished: the level with every colour it did not need made white.
    const Level& Result() const { return level_; }
    // A search reached the limits (it stopped there): a colour may be left that changes nothing.
    bool Undecided() const { return undecided_; }

private:
    // Asks about the next coloured area not yet asked about in this round; finishes when a
    // round whitened nothing.
    void AskNext();

    Level level_;
    Level white_;          // level_ with the area asked about whitened
    int par_;
    SolverLimits limits_;
    std::array<bool, kCellCount> asked_{};
    bool whitened_ = false;  // in this round
    bool finished_ = false;
    bool undecided_ = false;
    std::unique_ptr<SolveSearch> search_;
};

}  // namespace qv
