#include "screens/GeneratedSets.h"

#include <algorithm>

#include "generator/DailyPuzzle.h"
#include "generator/PuzzleKeys.h"

namespace qv {

namespace {

constexpr int64_t kSecondsADay = 24 * 60 * 60;

Grade GradeOfSet(int set) { return static_cast<Grade>(set - 1); }

}  // namespace

std::string GeneratedPick::RecordKey() const {
    return day ? DailyRecordKey(*day) : EndlessRecordKey(puzzle);
}

std::string GeneratedPick::Name() const {
    return day ? DailyPuzzleName(*day) : EndlessPuzzleName(puzzle);
}

std::string GeneratedPick::RowText() const {
    if (!day) return GradeName(puzzle.grade) + (" " + std::to_string(puzzle.seed));
    // The month and day: two weeks never need the year.
    return DateText(*day).substr(5) + " " + GradeName(puzzle.grade);
}

std::string GeneratedSetName(int set) {
    if (set == kDailySet) return "puzzle of the day";
    return std::string("endless ") + GradeName(GradeOfSet(set));
}

int EndlessSetOf(Grade grade) { return 1 + static_cast<int>(grade); }

GeneratedSets::GeneratedSets(Clock& gameClock, const std::string& endlessPath)
    : clock(gameClock), endless(endlessPath) {}

void GeneratedSets::ChooseSet(std::optional<int> set) {
    if (set && (*set < 0 || *set >= kGeneratedSetCount)) return;
    if (set != chosenSet) linkedSeed.reset();
    chosenSet = set;
    chosenRow = 0;
}

void GeneratedSets::ChooseRow(int row) {
    if (row >= 0 && row < static_cast<int>(Rows().size())) chosenRow = row;
}

std::vector<GeneratedPick> GeneratedSets::Rows() const {
    std::vector<GeneratedPick> rows;
    if (!chosenSet) return rows;
    if (*chosenSet == kDailySet) {
        const int64_t now = clock.UnixSeconds();
        for (int back = 0; back < kShownPuzzles; ++back) {
            const CalendarDate day = DateAt(now - back * kSecondsADay);
            rows.push_back({DailyPuzzle(day), day});
        }
        return rows;
    }
    const Grade grade = GradeOfSet(*chosenSet);
    const uint32_t next = endless.Next(GradeName(grade));
    const uint32_t shown = std::min<uint32_t>(next - kFirstEndlessSeed + 1, kShownPuzzles);
    if (linkedSeed && (*linkedSeed > next || uint64_t{*linkedSeed} + shown <= next))
        rows.push_back({{grade, *linkedSeed}, std::nullopt});
    for (uint32_t i = 0; i < shown; ++i) rows.push_back({{grade, next - i}, std::nullopt});
    return rows;
}

std::optional<GeneratedPick> GeneratedSets::Chosen() const {
    const std::vector<GeneratedPick> rows = Rows();
    if (chosenRow >= static_cast<int>(rows.size())) return std::nullopt;
    return rows[static_cast<std::size_t>(chosenRow)];
}

void GeneratedSets::ChooseLinked(const PuzzleSeed& puzzle) {
    ChooseSet(EndlessSetOf(puzzle.grade));
    linkedSeed = puzzle.seed;
    const std::vector<GeneratedPick> rows = Rows();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].puzzle.seed == puzzle.seed) chosenRow = static_cast<int>(i);
    }
}

void GeneratedSets::Solved(const GeneratedPick& pick) {
    if (pick.day) return;
    endless.Passed(GradeName(pick.puzzle.grade), pick.puzzle.seed);
    // The list now starts one further on: the row goes with the pick that comes next.
    const GeneratedPick next = After(pick);
    const std::vector<GeneratedPick> rows = Rows();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (SamePuzzle(rows[i].puzzle, next.puzzle)) chosenRow = static_cast<int>(i);
    }
}

GeneratedPick GeneratedSets::After(const GeneratedPick& pick) {
    GeneratedPick next = pick;
    if (next.puzzle.seed < UINT32_MAX) ++next.puzzle.seed;
    return next;
}

}  // namespace qv
