#include "generator/DailyPuzzle.h"

#include "generator/PuzzleRandom.h"

namespace qv {

namespace {

// Monday first: a week rising from easy to expert, two days of each but the last.
constexpr Grade kWeek[7] = {Grade::Easy, Grade::Easy,  Grade::Medium, Grade::Medium,
                            Grade::Hard, Grade::Hard, Grade::Expert};

// Mixed into the day number so that a day's seed is no seed a player would try first.
constexpr uint64_t kDailySalt = 0x51A7E0F0DA11E5ULL;

}  // namespace

std::string DailyPuzzleName(const CalendarDate& date) { return "Puzzle of " + DateText(date); }

Grade DailyGrade(const CalendarDate& date) {
    // 1970-01-01 was a Thursday.
    const int64_t weekday = ((DayNumber(date) + 3) % 7 + 7) % 7;
    return kWeek[weekday];
}

uint32_t DailySeed(const CalendarDate& date) {
    uint64_t state = static_cast<uint64_t>(DayNumber(date)) ^ kDailySalt;
    return static_cast<uint32_t>(SplitMix64(state) >> 32);
}

PuzzleSeed DailyPuzzle(const CalendarDate& date) { return {DailyGrade(date), DailySeed(date)}; }

}  // namespace qv
