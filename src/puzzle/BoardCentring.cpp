#include "puzzle/BoardCentring.h"

#include "puzzle/Level.h"

namespace qv {

UsedTileBounds FindUsedTiles(const Level& level) {
    UsedTileBounds bounds;
    for (int x = 0; x < kMaxWidth; ++x) {
        for (int y = 0; y < kMaxHeight; ++y) {
            if (level.Tile(x, y) == TileColor::Black) continue;
            if (x < bounds.minCol) bounds.minCol = x;
            if (x > bounds.maxCol) bounds.maxCol = x;
            if (y < bounds.minRow) bounds.minRow = y;
            if (y > bounds.maxRow) bounds.maxRow = y;
        }
    }
    return bounds;
}

int CentringShift(int minCell, int maxCell, int cells, int tileSize) {
    return ((minCell - maxCell + cells) * tileSize) / 2 - tileSize * minCell;
}

BoardOffset CentredBoardOffset(const Level& level) {
    constexpr int kTile = 60;
    const UsedTileBounds used = FindUsedTiles(level);
    return {CentringShift(used.minCol, used.maxCol, kMaxWidth, kTile) - kTile / 2,
            CentringShift(used.minRow, used.maxRow, kMaxHeight, kTile) - kTile / 2};
}

}  // namespace qv
