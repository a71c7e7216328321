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
#include "content/ProgressRecord.h"
#include "content/SetCompletion.h"
#include "content/Settings.h"
#include "puzzle/Level.h"

namespace qv {

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
    // Creation in order: tutorial, "Beta.txt", progress records, then the walk that loads
    // every named set once and ends on set 0, level 0. Reads relative to the working folder.
    // The progress file holds the user settings too: `settings` is what every save writes, and
    // what a first start's defaults go into.
    explicit LevelLibrary(Settings& settings);
    LevelLibrary(const LevelLibrary&) = delete;
    LevelLibrary& operator=(const LevelLibrary&) = delete;

    // The sets: set 0 is the tutorial, the others come from "Beta.txt". SetCount is the number
    // in use (6 when there is no "Beta.txt"); an unnamed set is not in use.
    int32_t SetCount() const { return setCount; }
    const LevelSet& Set(int32_t index) const { return sets[index]; }
    int32_t CurrentSetIndex() const { return currentSetIndex; }
    const LevelSet& CurrentSet() const { return sets[currentSetIndex]; }
    bool CurrentSetIsUsers() const;

    // The working copies of the current set's levels, which the screens play and edit in place.
    int32_t CurrentLevelIndex() const { return currentLevelIndex; }
    Level& CurrentLevel() { return levels[currentLevelIndex]; }
    const Level& CurrentLevel() const { return levels[currentLevelIndex]; }
    const Level& LevelAt(int32_t index) const { return levels[index]; }
    // The current level is the last of the last set in use, or of the set before it: a solve
    // there goes back to the menu instead of on to the next level.
    bool LastLevelOfLastSet() const { return lastLevelOfLastSet; }
    bool LastLevelOfSetBeforeLast() const { return lastLevelOfSetBeforeLast; }

    void SelectSet(int32_t index);
    void NextSet();
    void PreviousSet();
    void SelectLevel(int32_t index);
    void PreviousLevel();
    void NextLevel();
    // Reloads the current set's levels from their files (or the tutorial) and selects level 0.
    void LoadCurrentSet();

    void MarkCurrentSolved();
    // A solve of the current level by play: marks it solved unless it is already, and saves the
    // progress. True when that has finished its set for the first time (counting what another
    // game in the same folder saved meanwhile).
    bool RecordCurrentSolved();
    // Writes the progress file. Another game in the same folder may have saved since this one
    // read it, so each level first takes the status further along of the two (solved over open
    // over locked). False when the file could not be replaced: the old one stays, and the first
    // failure of the run gets an error box (ProgressSaveFailure).
    bool SaveProgress();
    // The reader behind the creation's reading of the progress file: the whole file, settings
    // bytes included, at most kMaxProgressBytes of it.
    void ReadProgressRecords(std::istream& in);
    // Writes the first-start progress file when there is none. A failure gets no box: start-up
    // names it (ProgressSaveFailure) as the reason the game cannot start.
    void CreateDefaultProgress();
    // "Cannot save progress." and why the last progress save failed; empty when none has.
    std::string ProgressSaveFailure() const;
    // The "Beta.txt" reader.
    void ReadSetList(std::istream& in);

    // The key of level `index` of the current set in the records and the par table:
    // "tutorial/N" in the tutorial, else the path its set list gives.
    std::string LevelKey(int32_t index) const;
    // The folders the game saves into: the working folder and that of the player's own set.
    std::vector<std::string> SaveFolders() const;

    // The player's best moves on level `index` of the current set as it stands ("./records.save").
    std::optional<int> Record(int32_t index) const;
    // A solve of the current level in `moves`: its record when it beats the one held. True when
    // the record improved.
    bool OfferRecord(int moves);
    // The same for a level of no set (a generated puzzle), by its key and its board's tag; an
    // empty tag asks for the record whichever board it was made on (to list it unmade).
    std::optional<int> RecordOf(const std::string& key, const std::string& tag) const;
    bool OfferRecordOf(const std::string& key, const std::string& tag, int moves);
    // Par of level `index` of the current set, as far as it is known. Shipped sets and the
    // tutorial take it from the shipped table. The player's own set can be edited, so there the
    // solver works it out, once a run per level (RememberPar): nothing is known before then, nor
    // when it couldn't decide.
    std::optional<int> Par(int32_t index) const;
    // Level `index` of the current set is one of the player's own whose par is yet to be
    // worked out this run.
    bool ParUnknown(int32_t index) const;
    // What the solver found for the level with this key; nothing when it could not decide.
    void RememberPar(const std::string& key, std::optional<int> par);
    // The first level of the current set that the player has a record for but whose par is yet
    // to be worked out (what the menu's marks and a finished set's count wait for), or -1.
    int32_t NextLevelAwaitingPar() const;
    // The player's record for level `index` is its par, and the level can be played.
    bool SolvedInPar(int32_t index) const;
    // The level with this key has been saved with another puzzle: its record and par are stale,
    // and its working copy's board is the file's now.
    void ForgetLevel(const std::string& key);

    // Whether solving the current level now finishes its set for the first time. A level tried
    // from the editor or opened from a link stands in for the set's level and finishes nothing.
    bool SolveFinishesSet() const;
    // The current set as finished: `currentPar` is the current level's par as the play screen
    // knows it (a table proven wrong by the player's solve promises nothing).
    SetCompletion FinishedSet(std::optional<int> currentPar) const;

private:
    Settings& settings;
    std::array<Level, kMaxLevelsPerSet> tutorialLevels;
    int32_t tutorialCount = 0;
    std::array<LevelSet, kMaxSets> sets;
    int32_t setCount = 0;
    int32_t currentLevelIndex = 0;
    int32_t currentSetIndex = 0;
    bool lastLevelOfLastSet = false;
    bool lastLevelOfSetBeforeLast = false;
    std::array<Level, kMaxLevelsPerSet> levels;
    // The tag of each working copy's board as it was loaded or saved (not as played or edited
    // since): what its record and par belong to.
    std::array<std::string, kMaxLevelsPerSet> levelTags;
    // The records "./progress.save" held when it was read. They are written back even for a
    // set or level that a damaged "Beta.txt" or list file hides in this run, so the player's
    // progress there survives until the file is mended.
    std::array<std::bitset<kMaxLevelsPerSet>, kMaxSets> recordsOnFile{};
    LevelRecords records;
    // "./levels/par.txt" as shipped.
    MoveTable shippedPar;
    // Fewest moves the solver worked out this run for levels of the player's own set, by key;
    // an empty entry means it could not decide within its bound. Dropped when a level is saved.
    std::map<std::string, std::optional<int>> workedOutPar;
    std::string progressSaveError;  // the reason ReplaceFile gave; empty when the save worked
    bool progressFailureShown = false;
    // The settings bytes as this game's settings stood when it last read or wrote the progress
    // file; nothing when there was no file. A setting still the same has not been changed here
    // since, so a save keeps the file's byte for it: another game's F11 or volume change is
    // not undone by this one's solve.
    std::optional<SettingsBytes> settingsSeen;

    void BuildTutorial();
    // Loads the named sets once each (which fixes their level counts, needed by the progress
    // file), ending on set 0, and ties old records to the boards they were loaded with.
    void LoadEverySet();
    // The levels of the current set whose boards are known (built in, or read whole from their
    // files), with their par as far as it is known.
    std::vector<LevelRecords::Board> BoardsOfCurrentSet() const;
    // Names a list file's line that leads outside the game folder, and keeps slot `index`
    // from reading or writing it.
    void RefuseOutsidePath(int32_t index, const std::string& path);
    void LoadProgress();
    bool WriteProgress();
    // Raises every status to the one "./progress.save" now holds where that is further along;
    // returns the file's settings bytes, if it has them.
    std::optional<SettingsBytes> MergeProgressOnFile();
};

}  // namespace qv
