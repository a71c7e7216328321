#include "screens/PuzzleWorkshop.h"

namespace qv {

bool SamePuzzle(const PuzzleSeed& a, const PuzzleSeed& b) {
    return a.grade == b.grade && a.seed == b.seed;
}

const MadePuzzle* PuzzleWorkshop::Find(const PuzzleSeed& puzzle) const {
    for (const MadePuzzle& one : made) {
        if (SamePuzzle(one.puzzle, puzzle)) return &one;
    }
    return nullptr;
}

bool PuzzleWorkshop::Failed(const PuzzleSeed& puzzle) const {
    return failed && SamePuzzle(*failed, puzzle);
}

void PuzzleWorkshop::Want(const PuzzleSeed& puzzle) {
    if (Find(puzzle) || Failed(puzzle) || (generator && SamePuzzle(wanted, puzzle))) return;
    wanted = puzzle;
    generator = std::make_unique<PuzzleGenerator>(puzzle.grade, puzzle.seed);
}

bool PuzzleWorkshop::Step(double seconds) {
    if (!generator || !generator->Advance(seconds)) return false;
    const GeneratedPuzzle& result = generator->Result();
    if (result.found) {
        made.push_back({wanted, result.level, result.measures.solve.moveCount});
        if (made.size() > kKept) made.pop_front();
    } else {
        failed = wanted;
    }
    generator.reset();
    return true;
}

}  // namespace qv
