#pragma once
// The small value types every part of the game shares: colours, shapes, positions, statuses.
#include <cstdint>

namespace qv {

// A tile's colour. The primaries are bits (red 1, yellow 2, blue 4) and a mixture is their
// union, except White (7), which counts as holding no colour when a shape enters it.
// Black is no tile at all. Values outside 0..7 can only come from bad data.
enum class TileColor : int32_t {
    Black = 0, Red = 1, Yellow = 2, Orange = 3, Blue = 4, Purple = 5, Green = 6, White = 7
};

// Shape numbers as every interface uses them (palette, keyboard, history records).
enum class ShapeKind : int32_t { Circle = 0, Star = 1, Triangle = 2 };
constexpr int kShapeCount = 3;

// Progress of a level. A progress file may also hold 3, which is treated like Solved.
enum class LevelStatus : int32_t { Open = 0, Locked = 1, Solved = 2 };

// A board position: column x, row y.
struct TilePos {
    int16_t x = 0;
    int16_t y = 0;
    bool operator==(const TilePos& other) const { return x == other.x && y == other.y; }
    bool operator!=(const TilePos& other) const { return !(*this == other); }
};

// The position that stands for "no tile".
constexpr TilePos NoTile{255, 255};

// The fixed board limits.
constexpr int kMaxWidth = 9;
constexpr int kMaxHeight = 7;
constexpr int kCellCount = kMaxWidth * kMaxHeight;

// Inside the fixed 9 by 7 array, whatever size a level uses of it.
inline bool InBoardArray(int x, int y) { return x >= 0 && x < kMaxWidth && y >= 0 && y < kMaxHeight; }

inline bool IsValidColor(int32_t value) { return value >= 0 && value <= 7; }
inline bool IsValidShape(int32_t value) { return value >= 0 && value < kShapeCount; }

}  // namespace qv
