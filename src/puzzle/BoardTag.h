#pragma once
// A short name for a level's board: its size, tiles, shapes and goals, not its name or texts.
// What is kept beside a level (a record, a position to continue) carries the tag of the board
// it was made on, so that it is dropped once the level at that path changes.
#include <string>

#include "puzzle/Level.h"

namespace qv {

// Eight lowercase hex digits of a hash of the board as it stands: pass the level's starting
// layout, not one part-way through play. The same on every machine and in the browser.
std::string BoardTag(const Level& level);

}  // namespace qv
