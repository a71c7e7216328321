#pragma once
// The puzzle of the day: everyone gets the same on the same UTC date. The date makes its seed,
// and its grade rises through the week, Monday easy to Sunday expert.
#include <cstdint>
#include <optional>
#include <string>

#include "generator/CalendarDate.h"
#include "generator/Grade.h"
#include "generator/PuzzleSeed.h"

namespace qv {

// "Puzzle of 2026-12-08": the day's level's name.
std::string DailyPuzzleName(const CalendarDate& date);

// The day's grade, seed, and the two together.
Grade DailyGrade(const CalendarDate& date);
uint32_t DailySeed(const CalendarDate& date);
PuzzleSeed DailyPuzzle(const CalendarDate& date);

}  // namespace qv
