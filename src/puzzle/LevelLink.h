#pragma once
// A level as the fragment of a link ("#L1.<tiles><places>.<name>"), so that a level made in
// the editor can be passed on as an address. Version 1 holds the full 9 by 7 board the editor
// edits: the 63 tile colours row by row, then column and row of the circle, star, triangle and
// their goals, all as digits, then the name: letters, digits, '-', '.' and '~' as they are,
// blanks as '_', every other byte as '%' and two hex digits (so '_' is "%5F"). Links from
// before the escapes held letters, digits and '_' only, and read the same.
#include <cstddef>
#include <optional>
#include <string>

#include "puzzle/Level.h"

namespace qv {

// Every name a level file can hold fits, each byte escaped; a longer fragment is refused unread.
constexpr std::size_t kMaxLinkedNameChars = kMaxLevelLineChars;
constexpr std::size_t kMaxLevelLinkChars = 3 + kCellCount + 12 + 1 + 3 * kMaxLinkedNameChars;

std::string LevelLinkFragment(const Level& level);

// The level a fragment holds, 9 by 7, with no file, status or texts; or nothing, with `why`
// (when given) saying what is wrong in words for the player. Only playable layouts pass: every
// shape and goal on a tile, no two shapes and no two goals on one tile. The name is read as a
// browser hands it over, percent-encoded: bytes it left as they are count as themselves. A line
// feed or a zero byte is refused: no name holds one.
std::optional<Level> ReadLevelLink(const std::string& fragment, std::string* why);

// The same fragment as a level code the player copies and pastes by hand: '#' and the fragment.
std::string LevelCode(const Level& level);
// The level of a code as the player pasted it: the fragment with or without its '#', or the
// whole link; blanks and line ends around it (a mail program's) are left out. As
// ReadLevelLink otherwise.
std::optional<Level> ReadLevelCode(const std::string& code, std::string* why);

}  // namespace qv
