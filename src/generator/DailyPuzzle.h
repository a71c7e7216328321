#pragma once
// The puzzle of the day: everyone gets the same on the same UTC date. The date makes its seed,
// and its grade rises through the week, Monday easy to Sunday expert.
#include <cstdint>
#include <optional>
#include <string>

#include "generator/Grade.h"
#include "generator/PuzzleKeys.h"

namespace qv {

struct CalendarDate {
    int year = 1970;
    int month = 1;  // 1 to 12
    int day = 1;    // 1 to the month's last
};

// A date written "YYYY-MM-DD", a real day of the years 1970 to 9999; nothing otherwise.
std::optional<CalendarDate> ParseDate(const std::string& text);
// "2026-12-08".
std::string DateText(const CalendarDate& date);
// The date in UTC at `seconds` since 1970-01-01 00:00 UTC (what time() gives).
CalendarDate DateAt(int64_t seconds);
// Days since 1970-01-01.
int64_t DayNumber(const CalendarDate& date);

// "Puzzle of 2026-12-08": the day's level's name.
std::string DailyPuzzleName(const CalendarDate& date);

// The day's grade, seed, and the two together.
Grade DailyGrade(const CalendarDate& date);
uint32_t DailySeed(const CalendarDate& date);
PuzzleSeed DailyPuzzle(const CalendarDate& date);

}  // namespace qv
