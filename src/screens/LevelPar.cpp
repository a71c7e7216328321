#include "screens/LevelPar.h"

#include <string>

#include "content/LevelLibrary.h"

namespace qv {

void StartParSearch(SlicedSolve& search, const Level& level) {
    Level start = level;
    start.UndoAllMoves();
    // Par must be proven: a way that may not be the shortest is no par, so none is looked for.
    SolverLimits limits = kHintLimits;
    limits.wayStates = 0;
    search.Start(start, limits);
}

std::optional<int> ParFound(const SolveResult& result) {
    if (result.outcome != SolveOutcome::Solved) return std::nullopt;
    return result.moveCount;
}

namespace {

// The key level `index` of the current set is known by; empty when there is no such level.
std::string KeyOf(int32_t index) {
    if (index < 0 || index >= kMaxLevelsPerSet) return {};
    return Library().LevelKey(index);
}

}  // namespace

std::optional<int> CurrentSetPar(int32_t index) {
    const LevelLibrary& library = Library();
    const std::string key = KeyOf(index);
    if (key.empty()) return std::nullopt;
    const MoveTable& table = library.shippedPar;
    if (!library.CurrentSetIsUsers()) {
        const auto found = table.find(key);
        return found == table.end() ? std::nullopt : std::optional<int>(found->second);
    }
    const auto known = library.workedOutPar.find(key);
    return known == library.workedOutPar.end() ? std::nullopt : known->second;
}

bool SetParUnknown(int32_t index) {
    const LevelLibrary& library = Library();
    const std::string key = KeyOf(index);
    return !key.empty() && library.CurrentSetIsUsers() && !library.workedOutPar.count(key);
}

}  // namespace qv
