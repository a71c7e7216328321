#pragma once
// The one line format of "./records.save" and of the shipped "./levels/par.txt": a number of
// moves, a space, the level's key, a space and the tag of the board the number belongs to
// (BoardTag), a line feed. A level's key is its file path as its set list names it
// ("levels/first/01.txt"), or "tutorial/N" for built-in level N. Lines written before tags were
// kept have none: "23 levels/first/01.txt".
#include <cstddef>
#include <istream>
#include <map>
#include <string>

#include "util/RegularFile.h"

namespace qv {

// A number of moves and the board it was made on (a record) or found for (par).
struct MoveEntry {
    int moves = 0;
    std::string tag;  // eight lowercase hex digits; empty in a line without one

    bool operator==(const MoveEntry& other) const {
        return moves == other.moves && tag == other.tag;
    }
};

using MoveTable = std::map<std::string, MoveEntry>;

// Longer lines are damage: no key can be longer than a set list's path.
constexpr std::size_t kMaxMoveLineChars = 300;
// All that is read of a table file: thousands of records, far more than there are levels.
constexpr std::size_t kMaxMoveTableBytes = 1024 * 1024;
// More moves than any level could sensibly take; a bigger number is damage, not a record.
constexpr int kMaxTableMoves = 999999;

// A key the format can hold: not empty, no leading blank, no line end, short enough for a
// whole line with its number and tag.
bool IsTableKey(const std::string& key);
// What a tag looks like: eight lowercase hex digits.
bool IsBoardTag(const std::string& tag);

// Reads every well-formed line and skips the rest (no number, anything but one space after
// it, no key, a number above kMaxTableMoves, a line too long). The last word of a line is its
// tag when it looks like one; else the line has none and all after the number is its key. When
// a key comes twice the smaller number counts: for records that is the better one.
MoveTable ReadMoveTable(std::istream& in);
// The same from a file, at most kMaxMoveTableBytes of it; a missing file is an empty table.
// A line the limit cuts off is left out: its key would be part of another.
MoveTable LoadMoveTable(const std::string& path);
// LoadMoveTable for the file the game writes back: also says whether the file is there but
// can't be read (the table is then empty), with `why` naming it and the reason.
FileRead LoadSavedMoveTable(const std::string& path, MoveTable& table, std::string* why);
// The shipped par table: LoadMoveTable without entries of 0 moves. No shipped level starts
// solved, so a 0 is damage, and the level has no par rather than a promise of 0 moves.
MoveTable LoadParTable(const std::string& path);
// The text ReadMoveTable reads back: one line per key, in key order, the tag last when there
// is one.
std::string WriteMoveTable(const MoveTable& table);

}  // namespace qv
