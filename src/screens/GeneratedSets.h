#pragma once
// The sets of generated puzzles the menu lists below the library's: the puzzle of the day (the
// last days, newest first) and an endless set for each grade (from the seed to play next, down).
// Which of them is chosen, the puzzle in play, and the workshop that makes them outlive the
// screens, as the library's own selection does.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "content/EndlessProgress.h"
#include "generator/CalendarDate.h"
#include "generator/Grade.h"
#include "generator/PuzzleSeed.h"
#include "platform/Clock.h"
#include "screens/PuzzleWorkshop.h"

namespace qv {

// Set 0 is the puzzle of the day, set 1 + grade the grade's endless set.
constexpr int kDailySet = 0;
constexpr int kGeneratedSetCount = 1 + kGradeCount;
// Rows of a generated set: two weeks of days, or as many seeds.
constexpr int kShownPuzzles = 14;

struct GeneratedPick {
    PuzzleSeed puzzle;
    std::optional<CalendarDate> day;  // the puzzle of this day

    // "daily/2026-12-08" or "endless/medium/17".
    std::string RecordKey() const;
    // "Puzzle of 2026-12-08" or "Medium 17".
    std::string Name() const;
    // The menu's row: "12-08 easy" or "medium 17".
    std::string RowText() const;
};

// "puzzle of the day", "endless easy" and so on.
std::string GeneratedSetName(int set);
// The endless set of a grade.
int EndlessSetOf(Grade grade);

class GeneratedSets {
public:
    // The next seeds are read from `endlessPath`.
    GeneratedSets(Clock& clock, const std::string& endlessPath = kEndlessFilePath);

    // Nothing while one of the library's sets is chosen.
    std::optional<int> ChosenSet() const { return chosenSet; }
    // Chooses a set at its first row; nothing goes back to the library's sets.
    void ChooseSet(std::optional<int> set);
    int ChosenRow() const { return chosenRow; }
    // Refused beyond the chosen set's rows.
    void ChooseRow(int row);
    // The chosen set's rows, newest first, on the day the clock says it is (UTC).
    std::vector<GeneratedPick> Rows() const;
    std::optional<GeneratedPick> Chosen() const;
    // A linked puzzle: its grade's set, with the puzzle as its first row when it lies beyond
    // the others.
    void ChooseLinked(const PuzzleSeed& puzzle);

    // The chosen pick was solved: an endless set goes on after it, the row follows.
    void Solved(const GeneratedPick& pick);
    // The pick the endless set goes on with after `pick`.
    static GeneratedPick After(const GeneratedPick& pick);

    PuzzleWorkshop workshop;
    // The generated puzzle on the play screen; nothing while it plays one of the library's.
    std::optional<GeneratedPick> playing;
    // The menu starts the chosen puzzle as soon as it is made (a link asked for it).
    bool playWhenMade = false;

private:
    Clock& clock;
    EndlessProgress endless;
    std::optional<int> chosenSet;
    int chosenRow = 0;
    std::optional<uint32_t> linkedSeed;  // listed first in its grade's set
};

}  // namespace qv
