#include "generator/BoardDraft.h"

#include <algorithm>
#include <array>
#include <vector>

namespace qv {

namespace {

struct DraftSize {
    int leastWidth, mostWidth, leastHeight, mostHeight;
};

// Width and height from least to most, by grade. A harder grade needs a longer detour, not a
// larger board: the expert's are kept small, where a detour of 22 comes from shapes in each
// other's way rather than from long walks, and where the climb's searches are quickest.
constexpr DraftSize kSizes[kGradeCount] = {{4, 6, 3, 4}, {4, 7, 3, 5}, {5, 7, 3, 5}, {4, 6, 4, 5}};

// Colours as a change picks them: white three times as likely as each of the six others, as
// the hand-made levels are mostly white.
constexpr TileColor kPalette[] = {TileColor::Red,    TileColor::Yellow, TileColor::Orange,
                                  TileColor::Blue,   TileColor::Purple, TileColor::Green,
                                  TileColor::White,  TileColor::White,  TileColor::White};

TilePos Pos(int x, int y) { return {static_cast<int16_t>(x), static_cast<int16_t>(y)}; }

bool IsTile(const Level& level, int x, int y) {
    return x >= 0 && y >= 0 && x < level.width && y < level.height &&
           level.Tile(x, y) != TileColor::Black;
}

std::vector<TilePos> Tiles(const Level& level) {
    std::vector<TilePos> tiles;
    for (int y = 0; y < level.height; ++y) {
        for (int x = 0; x < level.width; ++x) {
            if (IsTile(level, x, y)) tiles.push_back(Pos(x, y));
        }
    }
    return tiles;
}

// Every tile reachable from every other, and something in each edge row and column.
bool WellFormed(const Level& level) {
    const std::vector<TilePos> tiles = Tiles(level);
    if (tiles.empty() || !TilesConnected(level)) return false;
    bool top = false, bottom = false, left = false, right = false;
    for (const TilePos tile : tiles) {
        top = top || tile.y == 0;
        bottom = bottom || tile.y == level.height - 1;
        left = left || tile.x == 0;
        right = right || tile.x == level.width - 1;
    }
    return top && bottom && left && right;
}

// A cell of the board's rectangle, tile or not. The two numbers are drawn one after the other:
// as two arguments of one call they would come in an order that differs between compilers
// (GCC draws the row first, the browser's clang the column), and so would the puzzles.
TilePos RandomCell(const Level& level, PuzzleRandom& random) {
    const int x = random.Below(level.width);
    const int y = random.Below(level.height);
    return Pos(x, y);
}

TilePos RandomTile(const Level& level, PuzzleRandom& random) {
    const std::vector<TilePos> tiles = Tiles(level);
    return tiles[static_cast<std::size_t>(random.Below(static_cast<int>(tiles.size())))];
}

// A tile for one of the shapes (or goals, `goals`) that none of the others of its kind holds.
TilePos FreeTile(const Level& level, ShapeKind kind, bool goals, PuzzleRandom& random) {
    std::vector<TilePos> free;
    for (const TilePos tile : Tiles(level)) {
        bool taken = false;
        for (int k = 0; k < kShapeCount; ++k) {
            const auto other = static_cast<ShapeKind>(k);
            if (other == kind) continue;
            taken = taken || (goals ? level.GoalPos(other) : level.ShapePos(other)) == tile;
        }
        if (!taken) free.push_back(tile);
    }
    return free[static_cast<std::size_t>(random.Below(static_cast<int>(free.size())))];
}

// The cell and the images a mirrored pattern of missing cells gives it: none, across the
// middle column, across the middle row, or turned half round.
std::vector<TilePos> Mirrored(const Level& level, TilePos cell, int mirror) {
    std::vector<TilePos> cells{cell};
    const TilePos image = mirror == 1   ? Pos(level.width - 1 - cell.x, cell.y)
                          : mirror == 2 ? Pos(cell.x, level.height - 1 - cell.y)
                                        : Pos(level.width - 1 - cell.x, level.height - 1 - cell.y);
    if (mirror > 0 && image != cell) cells.push_back(image);
    return cells;
}

void PlacePieces(Level& level, PuzzleRandom& random) {
    for (TilePos* pos : {&level.circlePos, &level.starPos, &level.trianglePos, &level.circleGoal,
                         &level.starGoal, &level.triangleGoal}) {
        *pos = NoTile;
    }
    for (int k = 0; k < kShapeCount; ++k) {
        const auto kind = static_cast<ShapeKind>(k);
        level.ShapePos(kind) = FreeTile(level, kind, false, random);
        level.GoalPos(kind) = FreeTile(level, kind, true, random);
    }
}

void Recolour(Level& level, PuzzleRandom& random) {
    const TilePos tile = RandomTile(level, random);
    level.Tile(tile.x, tile.y) = kPalette[random.Below(static_cast<int>(std::size(kPalette)))];
}

// A tile taken out, or a missing cell put back as a white tile; nothing when that would break
// the board (a piece on the tile, tiles cut off, an empty edge).
void ToggleCell(Level& level, PuzzleRandom& random) {
    const TilePos cell = RandomCell(level, random);
    Level changed = level;
    if (changed.Tile(cell.x, cell.y) == TileColor::Black) {
        changed.Tile(cell.x, cell.y) = TileColor::White;
    } else if (!HoldsPiece(level, cell)) {
        changed.Tile(cell.x, cell.y) = TileColor::Black;
    } else {
        return;
    }
    if (WellFormed(changed)) level = changed;
}

}  // namespace

bool TilesConnected(const Level& level) {
    const std::vector<TilePos> tiles = Tiles(level);
    if (tiles.empty()) return false;
    std::array<bool, kCellCount> seen{};
    std::vector<TilePos> stack{tiles[0]};
    seen[tiles[0].x * kMaxHeight + tiles[0].y] = true;
    std::size_t reached = 0;
    while (!stack.empty()) {
        const TilePos at = stack.back();
        stack.pop_back();
        ++reached;
        const TilePos around[] = {Pos(at.x + 1, at.y), Pos(at.x - 1, at.y), Pos(at.x, at.y + 1),
                                  Pos(at.x, at.y - 1)};
        for (const TilePos next : around) {
            if (!IsTile(level, next.x, next.y) || seen[next.x * kMaxHeight + next.y]) continue;
            seen[next.x * kMaxHeight + next.y] = true;
            stack.push_back(next);
        }
    }
    return reached == tiles.size();
}

Level CroppedLevel(const Level& level) {
    int left = level.width, top = level.height, right = -1, bottom = -1;
    for (const TilePos tile : Tiles(level)) {
        left = std::min<int>(left, tile.x);
        right = std::max<int>(right, tile.x);
        top = std::min<int>(top, tile.y);
        bottom = std::max<int>(bottom, tile.y);
    }
    if (right < 0) return level;
    Level cropped = level;
    cropped.width = right - left + 1;
    cropped.height = bottom - top + 1;
    cropped.tiles.fill(TileColor::Black);
    for (int y = 0; y < cropped.height; ++y) {
        for (int x = 0; x < cropped.width; ++x) cropped.Tile(x, y) = level.Tile(x + left, y + top);
    }
    for (int k = 0; k < kShapeCount; ++k) {
        const auto kind = static_cast<ShapeKind>(k);
        cropped.ShapePos(kind) = Pos(level.ShapePos(kind).x - left, level.ShapePos(kind).y - top);
        cropped.GoalPos(kind) = Pos(level.GoalPos(kind).x - left, level.GoalPos(kind).y - top);
    }
    return cropped;
}

bool HoldsPiece(const Level& level, TilePos pos) {
    for (int k = 0; k < kShapeCount; ++k) {
        const auto kind = static_cast<ShapeKind>(k);
        if (level.ShapePos(kind) == pos || level.GoalPos(kind) == pos) return true;
    }
    return false;
}

int ColouredTiles(const Level& level) {
    int count = 0;
    for (const TilePos tile : Tiles(level)) {
        count += level.Tile(tile.x, tile.y) != TileColor::White ? 1 : 0;
    }
    return count;
}

Level DraftLevel(Grade grade, PuzzleRandom& random) {
    const DraftSize& size = kSizes[static_cast<int>(grade)];
    for (;;) {
        Level level;
        level.ClearHistories();
        level.width = size.leastWidth + random.Below(size.mostWidth - size.leastWidth + 1);
        level.height = size.leastHeight + random.Below(size.mostHeight - size.leastHeight + 1);
        level.tiles.fill(TileColor::Black);
        for (int y = 0; y < level.height; ++y) {
            for (int x = 0; x < level.width; ++x) level.Tile(x, y) = TileColor::White;
        }
        // A tenth to a third of the cells missing, half the time in a mirrored pattern.
        const int cells = level.width * level.height;
        const int holes = cells * (10 + random.Below(24)) / 100;
        const int mirror = random.Below(2) == 0 ? 1 + random.Below(3) : 0;
        for (int i = 0; i < holes; ++i) {
            const TilePos cell = RandomCell(level, random);
            for (const TilePos hole : Mirrored(level, cell, mirror))
                level.Tile(hole.x, hole.y) = TileColor::Black;
        }
        if (!WellFormed(level) || static_cast<int>(Tiles(level).size()) < 8) continue;
        for (int i = random.Below(3); i > 0; --i) Recolour(level, random);
        PlacePieces(level, random);
        return level;
    }
}

Level MutatedLevel(const Level& level, PuzzleRandom& random) {
    Level child = level;
    const int changes = random.Below(4) == 0 ? 2 + random.Below(2) : 1;
    for (int i = 0; i < changes; ++i) {
        const int kind = random.Below(10);
        if (kind < 5) {
            Recolour(child, random);
        } else if (kind == 5) {
            ToggleCell(child, random);
        } else {
            const auto shape = static_cast<ShapeKind>(random.Below(kShapeCount));
            const bool goal = kind >= 8;
            (goal ? child.GoalPos(shape) : child.ShapePos(shape)) =
                FreeTile(child, shape, goal, random);
        }
    }
    return child;
}

}  // namespace qv
