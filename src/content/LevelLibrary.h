#pragma once
// Every level the player can choose: the built-in tutorial (set 0) and up to five sets named
// in "Beta.txt", the current set and level, unlocking, and the progress file.
#include <array>
#include <bitset>
#include <cstddef>
#include <cstdint>
#include <istream>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "content/LevelRecords.h"
#include "content/MoveTable.h"
#include "puzzle/Level.h"

namespace qv {

constexpr int kMaxSets = 6;
constexpr int kMaxLevelsPerSet = 20;

// Where the settings bytes and level statuses are kept.
constexpr const char kProgressFilePath[] = "./progress.save";
// The three settings bytes and one two-byte record per level: the largest file SaveProgress
// writes, and all that is ever read of one.
constexpr std::size_t kProgressSettingsBytes = 3;
constexpr std::size_t kMaxProgressBytes = kProgressSettingsBytes + 2 * kMaxSets * kMaxLevelsPerSet;
// Line limits of "Beta.txt" and the set list files.
constexpr std::size_t kMaxSetNameChars = 49;
constexpr std::size_t kMaxPathChars = 254;
// The fewest moves of every shipped level, made by the level tools with the solver.
constexpr const char kParFilePath[] = "./levels/par.txt";
// The player's own set: its levels can be edited, so no table can know their fewest moves.
constexpr const char kUserSetName[] = "be creative";

struct LevelSet {
    std::array<LevelStatus, kMaxLevelsPerSet> levelStatus{};  // all Open at creation
    std::string listFile;  // path of the set's list file; empty for the tutorial
    std::string name;      // empty: the set is not in use
    int32_t levelCount = 0;

    // Solved when no level is Open or Locked, else Locked when none is Open, else Open.
    LevelStatus Status() const;
};

class LevelLibrary {
public:
    std::array<Level, kMaxLevelsPerSet> tutorialLevels;
    int32_t tutorialCount = 0;
    std::array<LevelSet, kMaxSets> sets;
    LevelSet* currentSet = nullptr;
    int32_t setCount = 0;
    int32_t currentLevelIndex = 0;
    int32_t currentSetIndex = 0;
    bool lastLevelOfLastSet = false;
    bool lastLevelOfSetBeforeLast = false;
    std::array<Level, kMaxLevelsPerSet> levels;
    // The records "./progress.save" held when it was read. They are written back even for a
    // set or level that a damaged "Beta.txt" or list file hides in this run, so the player's
    // progress there survives until the file is mended.
    std::array<std::bitset<kMaxLevelsPerSet>, kMaxSets> recordsOnFile{};
    // "./records.save", and "./levels/par.txt" as shipped.
    LevelRecords moveRecords;
    MoveTable shippedPar;
    // Fewest moves the solver worked out this run for levels of the player's own set, by key;
    // an empty entry means it could not decide within its bound. Dropped when a level is saved.
    std::map<std::string, std::optional<int>> workedOutPar;

    // Creation in order: tutorial, "Beta.txt", progress records, then the walk that loads
    // every named set once and ends on set 0, level 0. Reads relative to the working folder.
    LevelLibrary();
    LevelLibrary(const LevelLibrary&) = delete;
    LevelLibrary& operator=(const LevelLibrary&) = delete;

    Level& CurrentLevel() { return levels[currentLevelIndex]; }
    const Level& CurrentLevel() const { return levels[currentLevelIndex]; }

    void SelectSet(int32_t index);
    void NextSet();
    void PreviousSet();
    void SelectLevel(int32_t index);
    void PreviousLevel();
    void NextLevel();
    void LoadCurrentSet();

    void MarkCurrentSolved();
    // Writes the progress file. Another game in the same folder may have saved since this one
    // read it, so each level first takes the status further along of the two (solved over open
    // over locked). False when the file could not be replaced: the old one stays, and the first
    // failure of the run gets an error box (ProgressSaveFailure).
    bool SaveProgress();
    void LoadProgress();
    // The reader behind LoadProgress: the whole file, settings bytes included, at most
    // kMaxProgressBytes of it.
    void ReadProgressRecords(std::istream& in);
    // Writes the first-start progress file when there is none. A failure gets no box: start-up
    // names it (ProgressSaveFailure) as the reason the game cannot start.
    void CreateDefaultProgress();
    // "Cannot save progress." and why the last progress save failed; empty when none has.
    std::string ProgressSaveFailure() const;
    void ReadSetList(std::istream& in);          // the "Beta.txt" reader

    void BuildTutorial();

    // The key of level `index` of the current set in the records and the par table:
    // "tutorial/N" in the tutorial, else the path its set list gives.
    std::string LevelKey(int32_t index) const;
    bool CurrentSetIsUsers() const;
    // The folders the game saves into: the working folder and that of the player's own set.
    std::vector<std::string> SaveFolders() const;

private:
    std::string progressSaveError;  // the reason ReplaceFile gave; empty when the save worked
    bool progressFailureShown = false;

    bool WriteProgress();
    // Raises every status to the one "./progress.save" now holds where that is further along.
    void MergeProgressOnFile();
};

// The process-wide library, created from the working folder's files on the first call.
LevelLibrary& Library();
// Throws the library away and creates it again from the files now in the working folder.
void ResetLibrary();

}  // namespace qv
