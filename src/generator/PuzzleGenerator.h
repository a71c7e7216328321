#pragma once
// Makes a puzzle from a seed and a grade: drafts a board, climbs towards a good puzzle of that
// grade a change at a time, takes out the colours and tiles it does not need, and keeps it only
// when it passes the filter (PuzzleFilter.h) with a proven par; otherwise it drafts again. Runs
// a slice at a time like SolveSearch, so a screen goes on drawing while the next puzzle is made.
//
// The same seed and grade make the same level on every machine and in the browser, in one go or
// in slices of any length: the random numbers are its own (PuzzleRandom), in whole numbers, and
// every search is limited in states alone.
#include <cstdint>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "generator/Grade.h"
#include "generator/LevelSimplifier.h"
#include "generator/MeasureBatch.h"
#include "generator/PuzzleRandom.h"
#include "generator/PuzzleRules.h"
#include "puzzle/Level.h"
#include "puzzle/LevelMeasures.h"

namespace qv {

struct GeneratedPuzzle {
    bool found = false;     // false only when the generator gave up on the seed (see kMostDrafts)
    Level level;            // named "<Grade> <seed>", e.g. "Medium 17"
    Grade grade = Grade::Easy;
    uint32_t seed = 0;
    // The reference search's: measures.solve.moveCount is par, proven, and
    // measures.solve.solution one shortest solution. The first moves are searched as far as
    // the filter asks (MeasureOptions' caps): past 2 best starts the count stops at 3, and a
    // trap that costs more than 6 moves, or leaves no solution, counts as costing 7.
    LevelMeasures measures;
    int drafts = 0;   // boards drafted
    // Candidates: simplified levels measured with their first moves, all the filter asks
    // about; the last was kept.
    int candidates = 0;
};

class PuzzleGenerator {
public:
    // Drafts given up after without a puzzle. Far beyond what any seed has needed.
    static constexpr int kMostDrafts = 2000;

    PuzzleGenerator(Grade wanted, uint32_t seed, const PuzzleRules& puzzleRules = kPuzzleRules);

    // Works for at most about `sliceSeconds` (zero: to the end); true once finished.
    bool Advance(double sliceSeconds);
    bool Finished() const { return stage == Stage::Done; }
    // Complete once Finished().
    const GeneratedPuzzle& Result() const { return result; }

private:
    // Shape: climbing on the level's own search (moves, detour, runs). Simplify: whitening the
    // colours that levels keeping that shape do not need, as par stays. Starts: climbing with
    // the first moves measured too, on simplified levels only, so that no trap rests on a
    // colour that goes; StartsShape measures a round's changes without, to pick those worth
    // simplifying. Trim: the level found, with the tiles it does not need taken away too, and
    // TrimStarts its first moves measured again: kept when it is still a puzzle.
    enum class Stage { Shape, StartsShape, Simplify, Starts, Trim, TrimStarts, Done };

    // Takes the finished batch's measures and starts the next batch, or finishes.
    void TakeBatch();
    void NewDraft();
    // Measures a change of the level in hand, without its first moves.
    void TryChange();
    // Takes a change's measures while shaping: a step up ends the round at once, and so does
    // the last change of a round; false then, true while the round goes on.
    bool TakeShapeStep();
    // Measures kBatch changes of the level in hand, without their first moves.
    void StartRound();
    // The next round of climbing with the first moves, or a new draft when the rounds are over.
    void NextStartsRound();
    // Simplifies the finished batch's levels that keep the shape of a puzzle of the grade, and
    // then measures their first moves.
    void SimplifyShapeKept();
    // Simplifies the next level waiting, or measures the first moves of those simplified.
    void SimplifyNext();
    void TakeSimplified();
    // Trims the level in hand, found to be a puzzle of the grade.
    void Trim();
    void TakeTrimmed();
    // Keeps the best of a round's changes when it scores at least as well as the level in hand.
    void KeepBest();
    // Holds `level` to the filter, and keeps it or drafts again.
    void Keep(const Level& level, const LevelMeasures& measures);

    Grade grade;
    PuzzleRules rules;
    PuzzleRandom random;
    Stage stage = Stage::Shape;
    MeasureBatch batch;
    Level current;
    LevelMeasures currentMeasures;
    int currentScore;
    int round = 0;       // rounds of changes in this stage
    int flatRounds = 0;  // rounds in a row without a better score
    int tried = 0;       // changes tried in this round of shaping
    // The first change of the round that scored as well as the level in hand.
    std::optional<std::pair<Level, LevelMeasures>> tie;
    // Levels waiting to be simplified, with their par, and those simplified.
    std::vector<std::pair<Level, int>> toSimplify;
    std::vector<Level> simplified;
    std::unique_ptr<LevelSimplifier> simplifier;
    GeneratedPuzzle result;
};

}  // namespace qv
