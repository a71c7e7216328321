// The records-and-par half of the library: how the player's solves compare with each level's
// fewest moves, and what finishing a set tells.
#include <algorithm>

#include "content/LevelLibrary.h"

namespace qv {

namespace {

// The key level `index` of the current set is known by; empty when there is no such level.
std::string KeyOf(const LevelLibrary& library, int32_t index) {
    if (index < 0 || index >= kMaxLevelsPerSet) return {};
    return library.LevelKey(index);
}

}  // namespace

std::optional<int> LevelLibrary::Par(int32_t index) const {
    const std::string key = KeyOf(*this, index);
    if (key.empty()) return std::nullopt;
    if (!CurrentSetIsUsers()) {
        const auto found = shippedPar.find(key);
        return found == shippedPar.end() ? std::nullopt : std::optional<int>(found->second);
    }
    const auto known = workedOutPar.find(key);
    return known == workedOutPar.end() ? std::nullopt : known->second;
}

bool LevelLibrary::ParUnknown(int32_t index) const {
    const std::string key = KeyOf(*this, index);
    return !key.empty() && CurrentSetIsUsers() && !workedOutPar.count(key);
}

void LevelLibrary::RememberPar(const std::string& key, std::optional<int> par) {
    workedOutPar[key] = par;
}

int32_t LevelLibrary::NextLevelAwaitingPar() const {
    const int32_t count = std::min<int32_t>(CurrentSet().levelCount, kMaxLevelsPerSet);
    for (int32_t i = 0; i < count; ++i) {
        if (ParUnknown(i) && records.Best(LevelKey(i))) return i;
    }
    return -1;
}

bool LevelLibrary::SolvedInPar(int32_t index) const {
    const auto best = records.Best(LevelKey(index));
    if (!best) return false;
    const auto par = Par(index);
    return par && *best <= *par;
}

void LevelLibrary::ForgetLevel(const std::string& key) {
    records.Forget(key);
    workedOutPar.erase(key);
}

bool LevelLibrary::SolveFinishesSet() const {
    const Level& level = CurrentLevel();
    if (level.fromLink || level.fromEditor) return false;
    LevelSet after = CurrentSet();
    after.levelStatus[static_cast<std::size_t>(currentLevelIndex)] = LevelStatus::Solved;
    return CurrentSet().Status() != LevelStatus::Solved && after.Status() == LevelStatus::Solved;
}

SetCompletion LevelLibrary::FinishedSet(std::optional<int> currentPar) const {
    const LevelSet& set = CurrentSet();
    SetCompletion done;
    done.setName = set.name;
    done.levelCount = std::min<int>(set.levelCount, kMaxLevelsPerSet);
    for (int i = 0; i < done.levelCount; ++i) {
        const auto best = records.Best(LevelKey(i));
        if (!best) continue;  // solved before records were kept
        const auto fewest = i == currentLevelIndex ? currentPar : Par(i);
        if (fewest && *best <= *fewest) ++done.inPar;
    }
    const int next = currentSetIndex + 1;
    if (next >= setCount || next >= kMaxSets || sets[next].name.empty()) return done;
    done.nextSetName = sets[next].name;
    done.after = done.nextSetName == kUserSetName ? AfterSet::OwnLevels : AfterSet::NextSet;
    return done;
}

}  // namespace qv
