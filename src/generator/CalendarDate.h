#pragma once
// A day of the civil calendar in UTC, in whole numbers only, so that every machine and the
// browser count the same days.
#include <cstdint>
#include <optional>
#include <string>

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

}  // namespace qv
