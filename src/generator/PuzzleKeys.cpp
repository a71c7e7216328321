#include "generator/PuzzleKeys.h"

#include "generator/CalendarDate.h"

namespace qv {

namespace {

constexpr char kLinkPrefix[] = "G1.";
constexpr std::size_t kLinkPrefixChars = sizeof(kLinkPrefix) - 1;
// "4294967295", the largest seed.
constexpr std::size_t kMostSeedDigits = 10;

std::optional<PuzzleSeed> Refuse(std::string* why, const char* reason) {
    if (why) *why = reason;
    return std::nullopt;
}

}  // namespace

std::string DailyRecordKey(const CalendarDate& date) { return "daily/" + DateText(date); }

std::string EndlessRecordKey(const PuzzleSeed& puzzle) {
    return std::string("endless/") + GradeName(puzzle.grade) + "/" + std::to_string(puzzle.seed);
}

std::string EndlessPuzzleName(const PuzzleSeed& puzzle) {
    return GradeTitle(puzzle.grade) + " " + std::to_string(puzzle.seed);
}

std::string DailyShareLine(const CalendarDate& date, int moves, int par) {
    return "Quorvellan " + DateText(date) + ": " + std::to_string(moves) +
           (moves == 1 ? " move" : " moves") + ", par " + std::to_string(par);
}

std::string PuzzleLinkFragment(const PuzzleSeed& puzzle) {
    return kLinkPrefix + std::string(GradeName(puzzle.grade)) + "." + std::to_string(puzzle.seed);
}

std::optional<PuzzleSeed> ReadPuzzleLink(const std::string& fragment, std::string* why) {
    if (fragment.compare(0, kLinkPrefixChars, kLinkPrefix) != 0)
        return Refuse(why, "The link holds no puzzle this game can make.");
    const std::size_t dot = fragment.find('.', kLinkPrefixChars);
    if (dot == std::string::npos) return Refuse(why, "The link is cut short or damaged.");
    const std::optional<Grade> grade =
        GradeNamed(fragment.substr(kLinkPrefixChars, dot - kLinkPrefixChars));
    if (!grade) return Refuse(why, "The link names no grade of puzzle this game knows.");
    const std::string digits = fragment.substr(dot + 1);
    if (digits.empty() || digits.size() > kMostSeedDigits ||
        digits.find_first_not_of("0123456789") != std::string::npos)
        return Refuse(why, "The link is cut short or damaged.");
    const unsigned long long seed = std::stoull(digits);
    if (seed > UINT32_MAX) return Refuse(why, "The link is cut short or damaged.");
    return PuzzleSeed{*grade, static_cast<uint32_t>(seed)};
}

}  // namespace qv
