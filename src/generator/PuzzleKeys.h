#pragma once
// What names a generated puzzle outside the generator: the grade and seed that make it, its
// key in records.save ("<moves> <key>" lines), the line a player shares after the puzzle of the
// day, and the fragment of a link that opens it (the share-link scheme of puzzle/LevelLink.h,
// with the seed in place of a board).
#include <cstdint>
#include <optional>
#include <string>

#include "generator/CalendarDate.h"
#include "generator/PuzzleSeed.h"

namespace qv {

// "daily/2026-12-08".
std::string DailyRecordKey(const CalendarDate& date);
// "endless/medium/17".
std::string EndlessRecordKey(const PuzzleSeed& puzzle);
// The level's name: "Medium 17".
std::string EndlessPuzzleName(const PuzzleSeed& puzzle);

// "Quorvellan 2026-12-08: 23 moves, par 21".
std::string DailyShareLine(const CalendarDate& date, int moves, int par);

// "G1.medium.17". The version changes whenever the generator would make other levels of the
// same seeds (its code, the rules it keeps, the reference search), so an old link is refused
// instead of opening another puzzle.
std::string PuzzleLinkFragment(const PuzzleSeed& puzzle);
// The puzzle a fragment names; or nothing, with `why` (when given) saying what is wrong in
// words for the player.
std::optional<PuzzleSeed> ReadPuzzleLink(const std::string& fragment, std::string* why);

}  // namespace qv
