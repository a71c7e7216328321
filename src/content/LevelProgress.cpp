// The progress half of the library: unlocking and the level records of "./progress.save".
#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <utility>
#include <vector>

#include "content/LevelLibrary.h"
#include "content/ProgressRecord.h"
#include "content/Settings.h"
#include "util/ReplaceFile.h"

namespace qv {

namespace {

constexpr int kSettingsBytes = 3;

void OpenLockedLevels(LevelSet& set, int count) {
    for (int i = 0; i < count; ++i) {
        if (set.levelStatus[i] == LevelStatus::Locked) set.levelStatus[i] = LevelStatus::Open;
    }
}

}  // namespace

void LevelLibrary::MarkCurrentSolved() {
    if (currentSet == nullptr) return;
    LevelSet& set = *currentSet;
    CurrentLevel().status = LevelStatus::Solved;
    set.levelStatus[currentLevelIndex] = LevelStatus::Solved;

    const int32_t count = std::min<int32_t>(set.levelCount, kMaxLevelsPerSet);
    for (int32_t i = 0; i < count; ++i) {
        if (levels[i].status == LevelStatus::Locked) {
            levels[i].status = LevelStatus::Open;
            set.levelStatus[i] = LevelStatus::Open;
            return;
        }
    }
    // The whole set is open: the next set's first three levels become playable. Its working
    // copies are not loaded, so only its table changes.
    if (currentSetIndex + 1 < kMaxSets) OpenLockedLevels(sets[currentSetIndex + 1], 3);
}

bool LevelLibrary::SaveProgress() {
    const Settings& settings = TheSettings();
    std::vector<char> bytes;
    bytes.push_back(static_cast<char>(settings.musicVolume & 0xFF));
    bytes.push_back(static_cast<char>(settings.soundVolume & 0xFF));
    bytes.push_back(static_cast<char>(settings.fullscreen ? 1 : 0));

    std::vector<ProgressBytes> records;
    for (int32_t s = 0; s < kMaxSets; ++s) {
        const int32_t count = s < setCount ? sets[s].levelCount : 0;
        for (int32_t l = 0; l < kMaxLevelsPerSet; ++l) {
            if (l < count || recordsOnFile[s][l])
                records.push_back(EncodeProgressRecord(s, l, sets[s].levelStatus[l]));
        }
    }
    // Shuffled with the unseeded C generator, so every run writes the same order.
    for (std::size_t k = 1; k < records.size(); ++k) {
        std::swap(records[k], records[static_cast<std::size_t>(std::rand()) % (k + 1)]);
    }
    for (const ProgressBytes& record : records) {
        bytes.push_back(static_cast<char>(record.a));
        bytes.push_back(static_cast<char>(record.b));
    }

    // No box: progress is saved after every solved level and volume change, and the game
    // goes on without it; the player only loses this save.
    std::string why;
    if (!ReplaceFile(kProgressFilePath, std::string(bytes.begin(), bytes.end()), &why)) {
        std::cerr << "Cannot save progress: " << why << ".\n";
        return false;
    }
    return true;
}

void LevelLibrary::LoadProgress() {
    std::ifstream in(kProgressFilePath, std::ios::binary);
    if (in.is_open()) ReadProgressRecords(in);
}

void LevelLibrary::ReadProgressRecords(std::istream& in) {
    // Raw bytes throughout: a status or index byte may look like whitespace.
    in.ignore(kSettingsBytes);
    char a = 0;
    char b = 0;
    while (in.get(a) && in.get(b)) {
        const ProgressRecord record = DecodeProgressRecord(
            {static_cast<uint8_t>(a), static_cast<uint8_t>(b)});
        if (record.set >= kMaxSets || record.level >= kMaxLevelsPerSet) continue;
        sets[record.set].levelStatus[record.level] = record.status;
        recordsOnFile[record.set][record.level] = true;
    }
}

void LevelLibrary::CreateDefaultProgress() {
    if (std::ifstream(kProgressFilePath, std::ios::binary).is_open()) return;

    Settings& settings = TheSettings();
    settings.musicVolume = 64;
    settings.soundVolume = 128;
    settings.fullscreen = false;

    for (LevelSet& set : sets) set.levelStatus.fill(LevelStatus::Locked);
    sets[0].levelStatus[0] = LevelStatus::Open;
    // Nothing has to be earned in the last set in use: all of it starts open.
    if (setCount >= 1 && setCount <= kMaxSets) {
        sets[setCount - 1].levelStatus.fill(LevelStatus::Open);
    }

    SaveProgress();
    // The working copies must show the new statuses.
    SelectSet(currentSetIndex);
}

}  // namespace qv
