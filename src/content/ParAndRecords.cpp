// The records-and-par half of the library: how the player's solves compare with each level's
// fewest moves, and what finishing a set tells.
#include <algorithm>

#include "content/LevelLibrary.h"
#include "puzzle/BoardTag.h"

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
        // A par found for another board (the level's file was changed) promises nothing.
        const auto found = shippedPar.find(key);
        if (found == shippedPar.end()) return std::nullopt;
        const MoveEntry& par = found->second;
        if (!par.tag.empty() && par.tag != levelTags[static_cast<std::size_t>(index)])
            return std::nullopt;
        return par.moves;
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
    // Now an old record of the level can be judged by it.
    std::vector<LevelRecords::Board> boards = BoardsOfCurrentSet();
    const auto other = [&key](const LevelRecords::Board& board) { return board.key != key; };
    boards.erase(std::remove_if(boards.begin(), boards.end(), other), boards.end());
    if (!boards.empty()) records.Settle(boards);
}

std::vector<LevelRecords::Board> LevelLibrary::BoardsOfCurrentSet() const {
    std::vector<LevelRecords::Board> boards;
    const int32_t count = std::min<int32_t>(CurrentSet().levelCount, kMaxLevelsPerSet);
    for (int32_t i = 0; i < count; ++i) {
        // A stand-in for a level that could not be read is not the board its records were made on.
        if (currentSetIndex == 0 || levels[i].boardFromFile)
            boards.push_back({LevelKey(i), levelTags[i], Par(i)});
    }
    return boards;
}

std::optional<int> LevelLibrary::Record(int32_t index) const {
    const std::string key = KeyOf(*this, index);
    if (key.empty()) return std::nullopt;
    return records.Best(key, levelTags[static_cast<std::size_t>(index)]);
}

bool LevelLibrary::OfferRecord(int moves) {
    return records.Offer(LevelKey(currentLevelIndex),
                         levelTags[static_cast<std::size_t>(currentLevelIndex)], moves);
}

std::optional<int> LevelLibrary::RecordOf(const std::string& key, const std::string& tag) const {
    return tag.empty() ? records.Kept(key) : records.Best(key, tag);
}

bool LevelLibrary::OfferRecordOf(const std::string& key, const std::string& tag, int moves) {
    return records.Offer(key, tag, moves);
}

int32_t LevelLibrary::NextLevelAwaitingPar() const {
    const int32_t count = std::min<int32_t>(CurrentSet().levelCount, kMaxLevelsPerSet);
    for (int32_t i = 0; i < count; ++i) {
        if (ParUnknown(i) && Record(i)) return i;
    }
    return -1;
}

bool LevelLibrary::SolvedInPar(int32_t index) const {
    // A locked level is not to be played yet: it shows the lock, not a finish.
    const auto best = Record(index);
    if (!best || CurrentSet().levelStatus[static_cast<std::size_t>(index)] == LevelStatus::Locked)
        return false;
    const auto par = Par(index);
    return par && *best <= *par;
}

void LevelLibrary::ForgetLevel(const std::string& key) {
    records.Forget(key);
    workedOutPar.erase(key);
    const int32_t count = std::min<int32_t>(CurrentSet().levelCount, kMaxLevelsPerSet);
    for (int32_t i = 0; i < count; ++i) {
        if (LevelKey(i) == key) levelTags[static_cast<std::size_t>(i)] = BoardTag(levels[i]);
    }
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
        const auto best = Record(i);
        if (!best) continue;  // solved before records were kept, or on another board
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
