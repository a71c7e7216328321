#include "screens/LevelPar.h"

#include "content/LevelLibrary.h"
#include "screens/PlayHint.h"

namespace qv {

std::optional<int> WorkOutPar(const Level& level) {
    Level start = level;
    start.UndoAllMoves();
    const SolveResult result = SolveLevel(start, kHintLimits);
    if (result.outcome != SolveOutcome::Solved) return std::nullopt;
    return result.moveCount;
}

std::optional<int> CurrentSetPar(int32_t index) {
    LevelLibrary& library = Library();
    if (index < 0 || index >= kMaxLevelsPerSet) return std::nullopt;
    const std::string key = library.LevelKey(index);
    if (key.empty()) return std::nullopt;
    if (!library.CurrentSetIsUsers()) {
        const auto found = library.shippedPar.find(key);
        if (found == library.shippedPar.end()) return std::nullopt;
        return found->second;
    }
    const auto known = library.workedOutPar.find(key);
    if (known != library.workedOutPar.end()) return known->second;
    const std::optional<int> par = WorkOutPar(library.levels[index]);
    library.workedOutPar[key] = par;
    return par;
}

}  // namespace qv
