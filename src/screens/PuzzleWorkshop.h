#pragma once
// Generated puzzles for the screens: made from their seeds one at a time, a slice per pass of
// the main loop (so the screen goes on drawing), and kept for the run once made, the last few
// of them, so that going back and forth in the menu makes nothing twice.
#include <deque>
#include <memory>
#include <optional>

#include "generator/PuzzleGenerator.h"
#include "generator/PuzzleSeed.h"
#include "puzzle/Level.h"

namespace qv {

struct MadePuzzle {
    PuzzleSeed puzzle;
    Level level;  // named "Medium 17"
    int par = 0;  // proven by the generator
};

bool SamePuzzle(const PuzzleSeed& a, const PuzzleSeed& b);

class PuzzleWorkshop {
public:
    // Made puzzles kept: a day's, the one in play and the next, and a few the menu showed.
    static constexpr std::size_t kKept = 8;
    // Working time per pass, as for the solver's slices (SlicedSolve).
    static constexpr double kSliceSeconds = 0.010;

    // The puzzle once made; null before, and for a seed the generator gave up on.
    const MadePuzzle* Find(const PuzzleSeed& puzzle) const;
    // The generator gave up on this seed: it makes no puzzle.
    bool Failed(const PuzzleSeed& puzzle) const;
    // Starts making `puzzle` unless it is made or being made; other work is dropped.
    void Want(const PuzzleSeed& puzzle);
    bool Working() const { return generator != nullptr; }
    // Works for a slice; true when that finished a puzzle (or gave up on one).
    bool Step(double seconds = kSliceSeconds);

private:
    std::deque<MadePuzzle> made;
    std::optional<PuzzleSeed> failed;
    PuzzleSeed wanted;
    std::unique_ptr<PuzzleGenerator> generator;  // making `wanted`
};

}  // namespace qv
