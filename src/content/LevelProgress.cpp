// The progress half of the library: unlocking and the level records of "./progress.save".
#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <iostream>
#include <optional>
#include <sstream>
#include <utility>
#include <vector>

#include "content/LevelLibrary.h"
#include "content/ProgressRecord.h"
#include "util/ErrorReport.h"
#include "util/RegularFile.h"
#include "util/ReplaceFile.h"
#include "util/SaveLock.h"

namespace qv {

namespace {

void OpenLockedLevels(LevelSet& set, int count) {
    for (int i = 0; i < count; ++i) {
        if (set.levelStatus[i] == LevelStatus::Locked) set.levelStatus[i] = LevelStatus::Open;
    }
}

// Hands every record of a progress file that names a real set and level to `apply`.
template <typename Apply>
void ForEachProgressRecord(std::istream& in, Apply apply) {
    // Raw bytes throughout: a status or index byte may look like whitespace. Never more than
    // the game writes, whatever the stream would go on giving.
    in.ignore(kProgressSettingsBytes);
    char a = 0;
    char b = 0;
    for (std::size_t read = kProgressSettingsBytes;
         read + 2 <= kMaxProgressBytes && in.get(a) && in.get(b); read += 2) {
        const ProgressRecord record = DecodeProgressRecord(
            {static_cast<uint8_t>(a), static_cast<uint8_t>(b)});
        if (record.set < kMaxSets && record.level < kMaxLevelsPerSet) apply(record);
    }
}

// The settings bytes a progress file begins with; nothing when it is too short to hold them.
std::optional<SettingsBytes> SettingsBytesOf(const std::string& file) {
    SettingsBytes bytes{};
    if (file.size() < bytes.size()) return std::nullopt;
    for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<uint8_t>(file[i]);
    return bytes;
}

}  // namespace

void LevelLibrary::MarkCurrentSolved() {
    LevelSet& set = sets[currentSetIndex];
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

bool LevelLibrary::RecordCurrentSolved() {
    const bool setWasSolved = CurrentSet().Status() == LevelStatus::Solved;
    if (CurrentLevel().status != LevelStatus::Solved) MarkCurrentSolved();
    SaveProgress();
    return !setWasSolved && CurrentSet().Status() == LevelStatus::Solved;
}

bool LevelLibrary::SaveProgress() {
    if (WriteProgress()) return true;
    // Progress is saved after every solved level and volume change, and the game goes on
    // without it: one box a run says so, later failures only go to standard error.
    if (progressFailureShown) {
        std::cerr << "Cannot save progress: " << progressSaveError << ".\n";
    } else {
        progressFailureShown = true;
        ReportError(ProgressSaveFailure());
    }
    return false;
}

bool LevelLibrary::WriteProgress() {
    // Held from the read to the write, so another game's save can't come in between and be lost.
    const SaveLock lock(kProgressFilePath);
    progressSaveError.clear();
    // A file that is there but can't be read may hold progress: it says so there and stays.
    const std::optional<SettingsBytes> onFile = MergeProgressOnFile();
    if (!progressSaveError.empty()) return false;
    const SettingsBytes ours = UserSettingsBytes(settings);
    std::vector<char> bytes;
    for (std::size_t i = 0; i < ours.size(); ++i) {
        const bool changedHere = !settingsSeen || (*settingsSeen)[i] != ours[i];
        bytes.push_back(static_cast<char>(onFile && !changedHere ? (*onFile)[i] : ours[i]));
    }

    std::vector<ProgressBytes> fileRecords;
    for (int32_t s = 0; s < kMaxSets; ++s) {
        const int32_t count = s < setCount ? sets[s].levelCount : 0;
        for (int32_t l = 0; l < kMaxLevelsPerSet; ++l) {
            if (l < count || recordsOnFile[s][l])
                fileRecords.push_back(EncodeProgressRecord(s, l, sets[s].levelStatus[l]));
        }
    }
    // Shuffled with the unseeded C generator, so every run writes the same order.
    for (std::size_t k = 1; k < fileRecords.size(); ++k) {
        std::swap(fileRecords[k], fileRecords[static_cast<std::size_t>(std::rand()) % (k + 1)]);
    }
    for (const ProgressBytes& record : fileRecords) {
        bytes.push_back(static_cast<char>(record.a));
        bytes.push_back(static_cast<char>(record.b));
    }
    if (!ReplaceFile(kProgressFilePath, std::string(bytes.begin(), bytes.end()),
                     &progressSaveError))
        return false;
    settingsSeen = ours;
    return true;
}

std::string LevelLibrary::ProgressSaveFailure() const {
    if (progressSaveError.empty()) return {};
    std::string why = progressSaveError;
    why[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(why[0])));
    return "Cannot save progress. " + why + ".";
}

std::optional<SettingsBytes> LevelLibrary::MergeProgressOnFile() {
    std::istringstream in;
    if (ReadSavedFile(kProgressFilePath, kMaxProgressBytes, in, &progressSaveError) !=
        FileRead::Read)
        return std::nullopt;
    std::optional<SettingsBytes> settingsOnFile = SettingsBytesOf(in.str());
    ForEachProgressRecord(in, [this](const ProgressRecord& record) {
        LevelStatus& status = sets[record.set].levelStatus[record.level];
        status = FurtherStatus(status, record.status);
        recordsOnFile[record.set][record.level] = true;
        // The working copies of the current set show the same.
        if (record.set == currentSetIndex) levels[record.level].status = status;
    });
    return settingsOnFile;
}

void LevelLibrary::LoadProgress() {
    std::istringstream in;
    if (!ReadRegularFile(kProgressFilePath, kMaxProgressBytes, in)) return;
    // Start-up reads the settings from the same bytes (LoadUserSettings), as they stand here.
    if (const auto onFile = SettingsBytesOf(in.str())) {
        Settings read;
        std::istringstream bytes(std::string(onFile->begin(), onFile->end()));
        ReadUserSettings(bytes, read);
        settingsSeen = UserSettingsBytes(read);
    }
    ReadProgressRecords(in);
}

void LevelLibrary::ReadProgressRecords(std::istream& in) {
    ForEachProgressRecord(in, [this](const ProgressRecord& record) {
        sets[record.set].levelStatus[record.level] = record.status;
        recordsOnFile[record.set][record.level] = true;
    });
}

void LevelLibrary::CreateDefaultProgress() {
    // Anything but a regular file is no progress file. One that can't be read stays as it is;
    // start-up then stops, naming the reason.
    std::istringstream existing;
    progressSaveError.clear();
    if (ReadSavedFile(kProgressFilePath, kMaxProgressBytes, existing, &progressSaveError) !=
        FileRead::Missing)
        return;

    settings.musicVolume = 64;
    settings.soundVolume = 128;
    settings.fullscreen = false;

    for (LevelSet& set : sets) set.levelStatus.fill(LevelStatus::Locked);
    sets[0].levelStatus[0] = LevelStatus::Open;
    // Nothing has to be earned in the last set in use: all of it starts open.
    if (setCount >= 1 && setCount <= kMaxSets) {
        sets[setCount - 1].levelStatus.fill(LevelStatus::Open);
    }

    // No box: without the file the game cannot start, and start-up names this as the reason.
    WriteProgress();
    // The working copies must show the new statuses.
    SelectSet(currentSetIndex);
}

}  // namespace qv
