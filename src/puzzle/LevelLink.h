#pragma once
// A level as the fragment of a link ("#L1.<tiles><places>.<name>"), so that a level made in
// the editor can be passed on as an address. Version 1 holds the full 9 by 7 board the editor
// edits: the 63 tile colours row by row, then column and row of the circle, star, triangle and
// their goals, all as digits, then the name with its blanks as '_'.
#include <cstddef>
#include <optional>
#include <string>

#include "puzzle/Level.h"

namespace qv {

// Far longer than any level the editor can make; a longer fragment is refused unread.
constexpr std::size_t kMaxLevelLinkChars = 160;
constexpr std::size_t kMaxLinkedNameChars = 60;

std::string LevelLinkFragment(const Level& level);

// The level a fragment holds, 9 by 7, with no file, status or texts; or nothing, with `why`
// (when given) saying what is wrong in words for the player. Only playable layouts pass: every
// shape and goal on a tile, no two shapes and no two goals on one tile.
std::optional<Level> ReadLevelLink(const std::string& fragment, std::string* why);

}  // namespace qv
