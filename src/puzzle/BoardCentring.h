#pragma once
// Where a board is drawn so that its coloured tiles sit in the middle of the space it gets.
// The play screen's board and the menu's small preview use the same rule at different scales,
// and tools that need screen positions of tiles use it too.
#include "puzzle/Types.h"

namespace qv {

class Level;

// The smallest and largest column and row holding a non-Black tile, over the whole 9 by 7
// array whatever the level's size; (9, -1, 7, -1) when there is none.
struct UsedTileBounds {
    int minCol = kMaxWidth;
    int maxCol = -1;
    int minRow = kMaxHeight;
    int maxRow = -1;
};

UsedTileBounds FindUsedTiles(const Level& level);

// The shift along one axis that centres cells minCell..maxCell of a `cells`-long grid of
// `tileSize`-pixel tiles: ((minCell - maxCell + cells) * tileSize) / 2 - tileSize * minCell,
// the division truncating toward zero. A full row and a row with no used cell (min = cells,
// max = -1) both give half a tile (rounded down), so an empty board lands where a full one does.
int CentringShift(int minCell, int maxCell, int cells, int tileSize);

// The shift of the play screen's grid of 60-pixel tiles inside its 9 by 7 board area that
// centres the coloured tiles: (0, 0) for a full board and for one without coloured tiles.
struct BoardOffset {
    int x = 0;
    int y = 0;
};

BoardOffset CentredBoardOffset(const Level& level);

}  // namespace qv
