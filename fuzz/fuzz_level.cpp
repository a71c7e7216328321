// Level files: the reader, then the rules, undo, the solver and the editor's writer on
// whatever the reader made of the input.
#include <sstream>

#include "FuzzSupport.h"
#include "puzzle/Level.h"
#include "puzzle/SolveSearch.h"

using namespace qv;

namespace {

// Enough for small boards to be solved or refuted, small enough to keep each input quick.
constexpr std::size_t kSolverStates = 3000;

constexpr int kSteps[4][2] = {{0, -1}, {0, 1}, {-1, 0}, {1, 0}};

// Tries every direction for every shape, twice over, keeping the board sound after each try.
void TryEveryMove(Level& level) {
    for (int pass = 0; pass < 2; ++pass) {
        for (ShapeKind kind : {ShapeKind::Circle, ShapeKind::Star, ShapeKind::Triangle}) {
            for (const auto& step : kSteps) {
                const TilePos from = level.ShapePos(kind);
                level.MoveShape(from, static_cast<int16_t>(from.x + step[0]),
                                static_cast<int16_t>(from.y + step[1]));
                RequireSoundLevel(level);
            }
        }
    }
}

bool ShapesShareATile(const Level& level) {
    return level.circlePos == level.starPos || level.circlePos == level.trianglePos ||
           level.starPos == level.trianglePos;
}

// A solution the solver returns, shortest or a way found after the proof ran out, must be
// playable by the rules and end solved. Levels with two
// shapes on one tile are left out: the solver may name the lower of the two, which MoveShape
// never moves (a known fault, tests/puzzle/FuzzRegressionTest.cpp), and the replay then fails.
void CheckSolution(const Level& level, const SolveResult& result) {
    const bool found = result.outcome == SolveOutcome::Solved || result.outcome == SolveOutcome::Way;
    if (!found || ShapesShareATile(level)) return;
    Require(static_cast<int>(result.solution.size()) == result.moveCount,
            "the move count matches the solution");
    Level replay = level;
    for (const SolverMove& move : result.solution) {
        Require(replay.ShapePos(move.shape) == move.from, "a solution move starts at its shape");
        const TilePos to = StepTarget(move.from, move.direction);
        Require(replay.MoveShape(move.from, to.x, to.y), "every solution move is allowed");
    }
    Require(replay.IsSolved(), "a solution ends with every shape home");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FreshErrors();
    std::istringstream in(AsText(data, size));
    Level level;
    level.filePath = "fuzz.level";
    level.ReadLevel(in);
    RequireSoundLevel(level);

    CheckSolution(level, SolveLevel(level, {kSolverStates, 0}));
    // Too few states for the proof: the way search and its shortening take over.
    CheckSolution(level, SolveLevel(level, {kSolverStates / 100, 0, 0, kSolverStates, 0}));

    const Level loaded = level;
    TryEveryMove(level);
    level.UndoAllMoves();
    Require(level.playHistory.empty(), "undoing every move empties the history");
    Require(level.SameContent(loaded), "undoing every move restores the loaded level");

    // What the editor writes must load back as the same level.
    std::ostringstream out;
    level.WriteLevel(out);
    std::istringstream back(out.str());
    Level reread;
    reread.filePath = "fuzz.level";
    reread.ReadLevel(back);
    RequireSoundLevel(reread);
    Require(reread.width == level.width && reread.height == level.height,
            "a saved level keeps its size");
    Require(reread.SameContent(level), "a saved level loads back unchanged");
    Require(reread.introText == level.introText && reread.solvedText == level.solvedText,
            "a saved level keeps its texts");
    return 0;
}
