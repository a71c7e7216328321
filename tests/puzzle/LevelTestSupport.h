#pragma once
// Small builders shared by the puzzle tests.
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "puzzle/Level.h"
#include "puzzle/Solver.h"

using namespace qv;

// The 6 by 3 "Mixing Colors" board: circle (0,2), star (0,1), triangle (0,0), goals in column 5.
inline const char kMixingBoard[] = "6 3 7 2 1 3 7 7 7 1 4 5 7 7 7 4 2 6 7 7 0 2 0 1 0 0 5 2 5 1 5 0";

inline Level BoardFrom(const std::string& numbers) {
    return ParseLevelString(numbers, "Test", "", "", "");
}

// 9 by 7: the circle and the star shut in swapped on a two-tile strip (no way home), while the
// triangle (0,2) has 45 white tiles to wander over, far too many positions to search through
// within the game's limits.
inline std::string SealedSwapBoard() {
    std::string numbers = "9 7 7 7 0 0 0 0 0 0 0";
    for (int i = 0; i < 9; ++i) numbers += " 0";
    for (int i = 0; i < 45; ++i) numbers += " 7";
    return numbers + " 0 0 1 0 0 2 1 0 0 0 8 6";
}

// Level 158 of the solver survey (bench/random_levels.txt), 9 by 6: its shortest solution of 36
// moves takes millions of states to prove, but a way home is found within a few hundred
// thousand.
inline const char kFarShortestBoard[] =
    "9 6 7 6 7 6 7 7 2 6 1 7 7 7 2 7 6 7 2 7 7 0 7 7 5 0 6 4 4 7 7 6 7 7 7 7 1 7 0 5 5 4 7 "
    "3 3 3 6 4 1 0 5 1 6 7 7 7 0 0 4 2 7 1 0 3 7 5 8 1";

inline TilePos At(int x, int y) { return {static_cast<int16_t>(x), static_cast<int16_t>(y)}; }

// Replays a solver's answer with the game's own move rule, each move by the shape it names, and
// says whether it ends solved.
inline bool ReplaySolves(Level level, const std::vector<SolverMove>& moves) {
    for (const SolverMove& move : moves) {
        const TilePos to = StepTarget(move.from, move.direction);
        if (level.ShapePos(move.shape) != move.from || !level.MoveShape(move.from, to.x, to.y))
            return false;
    }
    return level.IsSolved();
}

// A line of bench/random_levels.txt: a survey level with the answer a search of up to
// 40,000,000 states gave it (the file's head tells which).
struct StoredAnswer {
    std::string index;
    std::string outcome;  // "solved", "unsolvable" or "undecided"
    int moves = 0;
    std::size_t states = 0;
    std::string numbers;
};

inline std::vector<StoredAnswer> StoredAnswers() {
    std::vector<StoredAnswer> answers;
    std::ifstream in(std::string(QV_SOURCE_DIR) + "/bench/random_levels.txt");
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream fields(line);
        StoredAnswer answer;
        std::string sizeClass, bar;
        fields >> answer.index >> sizeClass >> answer.outcome >> answer.moves >> answer.states >> bar;
        std::getline(fields >> std::ws, answer.numbers);
        answers.push_back(answer);
    }
    return answers;
}
