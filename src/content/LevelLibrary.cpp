#include "content/LevelLibrary.h"

#include <algorithm>
#include <filesystem>
#include <sstream>

#include "content/Tutorial.h"
#include "puzzle/BoardTag.h"
#include "util/BoundedLine.h"
#include "util/ErrorReport.h"
#include "util/FolderPath.h"
#include "util/RegularFile.h"

namespace qv {

namespace {

bool ValidSetIndex(int32_t index) { return index >= 0 && index < kMaxSets; }

// A working copy slot that holds no level: unnamed, so SelectLevel refuses it, and without a
// path, so the editor can never write a level that came from another set into a file.
void ClearSlot(Level& level) {
    level.name.clear();
    level.filePath.clear();
}

}  // namespace

LevelStatus LevelSet::Status() const {
    const int count = std::min<int>(levelCount, kMaxLevelsPerSet);
    bool anyOpen = false;
    bool anyLocked = false;
    for (int i = 0; i < count; ++i) {
        anyOpen = anyOpen || levelStatus[i] == LevelStatus::Open;
        anyLocked = anyLocked || levelStatus[i] == LevelStatus::Locked;
    }
    if (anyOpen) return LevelStatus::Open;
    return anyLocked ? LevelStatus::Locked : LevelStatus::Solved;
}

LevelLibrary::LevelLibrary(Settings& userSettings) : settings(userSettings) {
    BuildTutorial();
    {
        std::istringstream setList;
        ReadRegularFile("Beta.txt", kMaxTextFileBytes, setList);
        ReadSetList(setList);
    }
    LoadProgress();
    records.Load();
    shippedPar = LoadParTable(kParFilePath);
    LoadEverySet();
}

void LevelLibrary::LoadEverySet() {
    // Going downwards leaves the tutorial current.
    std::vector<LevelRecords::Board> boards;
    for (int32_t j = setCount - 1; j >= 0; --j) {
        if (!ValidSetIndex(j) || sets[j].name.empty()) continue;
        SelectSet(j);
        const std::vector<LevelRecords::Board> ofSet = BoardsOfCurrentSet();
        boards.insert(boards.end(), ofSet.begin(), ofSet.end());
    }
    records.Settle(boards);
}

void LevelLibrary::BuildTutorial() {
    for (int i = 0; i < kTutorialLevelCount; ++i) tutorialLevels[i] = TutorialLevel(i);
    sets[0].name = kTutorialSetName;
    tutorialCount = kTutorialLevelCount;
}

void LevelLibrary::ReadSetList(std::istream& in) {
    // A missing file leaves every slot counted as in use; only named sets can be chosen.
    setCount = kMaxSets;
    bool listEnded = false;
    for (int32_t i = 1; i < kMaxSets; ++i) {
        LevelSet& set = sets[i];
        set.name.clear();
        set.listFile.clear();
        if (listEnded || in.fail()) continue;
        std::string name;
        std::string path;
        const bool complete = ReadBoundedLine(in, name, kMaxSetNameChars) &&
                              ReadBoundedLine(in, path, kMaxPathChars) && !name.empty() &&
                              !path.empty();
        if (complete) {
            set.name = name;
            set.listFile = path;
        } else {
            // The first incomplete entry ends the list. Entries after a gap stay unused: a set
            // beyond setCount would be playable but never saved.
            setCount = i;
            listEnded = true;
        }
    }
}

void LevelLibrary::SelectSet(int32_t index) {
    if (!ValidSetIndex(index) || sets[index].name.empty()) return;
    currentSetIndex = index;
    LoadCurrentSet();
}

void LevelLibrary::NextSet() { SelectSet(currentSetIndex + 1); }

void LevelLibrary::PreviousSet() { SelectSet(currentSetIndex - 1); }

void LevelLibrary::SelectLevel(int32_t index) {
    const int32_t count = CurrentSet().levelCount;
    if (index >= 0 && index < count && index < kMaxLevelsPerSet && !levels[index].name.empty()) {
        currentLevelIndex = index;
    }
    const bool lastOfSet = count == currentLevelIndex + 1;
    lastLevelOfLastSet = lastOfSet && setCount == currentSetIndex + 1;
    lastLevelOfSetBeforeLast = lastOfSet && setCount == currentSetIndex + 2;
}

void LevelLibrary::PreviousLevel() { SelectLevel(currentLevelIndex - 1); }

void LevelLibrary::NextLevel() {
    if (currentLevelIndex < CurrentSet().levelCount - 1) {
        SelectLevel(currentLevelIndex + 1);
    } else {
        SelectSet(currentSetIndex + 1);
    }
}

void LevelLibrary::LoadCurrentSet() {
    LevelSet& set = sets[currentSetIndex];
    levelTags.fill({});
    if (currentSetIndex == 0) {
        for (int32_t i = 0; i < tutorialCount; ++i) {
            levels[i] = tutorialLevels[i];
            levels[i].status = set.levelStatus[i];
            levelTags[i] = BoardTag(levels[i]);
        }
        set.levelCount = tutorialCount;
    } else {
        std::istringstream list;
        ReadRegularFile(set.listFile, kMaxTextFileBytes, list);
        set.levelCount = kMaxLevelsPerSet;
        for (int32_t i = 0; i < kMaxLevelsPerSet; ++i) {
            Level& level = levels[i];
            if (list.fail()) {
                ClearSlot(level);
                continue;
            }
            std::string path;
            // A line too long for a path fails the stream; like an empty line it ends the
            // count, and its cut-off text is no path to load.
            if (ReadBoundedLine(list, path, kMaxPathChars) && !path.empty()) {
                // Start from a new level: a file that fails to load must not show, or let the
                // editor save into its file, whatever level this slot held before.
                level = Level();
                level.filePath = path;
                level.status = set.levelStatus[i];
                if (LeadsOutside(path))
                    RefuseOutsidePath(i, path);
                else
                    level.LoadLevel();
                levelTags[i] = BoardTag(level);
            } else {
                ClearSlot(level);
                set.levelCount = i;
            }
        }
    }
    SelectLevel(0);
}

void LevelLibrary::RefuseOutsidePath(int32_t index, const std::string& path) {
    // A list file may come with a shared level pack: none of its lines may have the game read or
    // write a file elsewhere. The slot keeps a new level under that name, which is never saved.
    Level& level = levels[index];
    level.saveRefusal = "Line " + std::to_string(index + 1) + " of " + CurrentSet().listFile +
                        " leads outside the game folder.";
    ReportError("Cannot load level " + path + ". " + level.saveRefusal);
}

std::string LevelLibrary::LevelKey(int32_t index) const {
    if (index < 0 || index >= kMaxLevelsPerSet) return {};
    if (currentSetIndex == 0) return "tutorial/" + std::to_string(index);
    return levels[index].filePath;
}

bool LevelLibrary::CurrentSetIsUsers() const {
    return CurrentSet().name == kUserSetName;
}

std::vector<std::string> LevelLibrary::SaveFolders() const {
    std::vector<std::string> folders{"."};
    for (int32_t s = 1; s < setCount && s < kMaxSets; ++s) {
        const std::string folder = std::filesystem::path(sets[s].listFile).parent_path().string();
        // Leftovers are removed there: never in a folder beyond the game's.
        if (sets[s].name == kUserSetName && !folder.empty() && !LeadsOutside(folder))
            folders.push_back(folder);
    }
    return folders;
}

}  // namespace qv
