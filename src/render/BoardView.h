#pragma once
// The base of the two screens that show a board (play screen and editor): the board surface
// with the level's tiles, the name label, the shared sprite slots, and the mapping of the
// pointer onto tiles and their four sections. It shows the level it is handed, in place. The
// board's geometry below is in the game's logical units; its surface is made at the display's
// scale.
#include <SDL.h>

#include <array>
#include <cstdint>

#include "puzzle/Level.h"
#include "puzzle/Types.h"
#include "render/DisplayScale.h"
#include "render/GameState.h"
#include "render/MediaStore.h"
#include "render/SpriteList.h"
#include "render/Surface.h"

namespace qv {

constexpr int kTileSize = 60;
constexpr int kBoardX = 210;  // board area origin on the display
constexpr int kBoardY = 60;
constexpr int kBoardPixelWidth = kMaxWidth * kTileSize;
constexpr int kBoardPixelHeight = kMaxHeight * kTileSize;
constexpr int kNameStripX = 368;
constexpr int kNameStripWidth = 223;
constexpr int kNameLabelY = 548;
// The strip's room for the name, 4 pixels clear of its frame on either side, and the sizes a
// name is shown at: below 10 points letters blur, so a longer name loses letters instead.
constexpr int kNameTextWidth = kNameStripWidth - 8;
constexpr int kNamePoints = 14;
constexpr int kNameSmallestPoints = 10;

// The sprite slots the board view fills, in drawing order; each board screen's own slots follow
// from kBoardViewSlots on. Goals come after the shapes, so a goal's badge in its tile's corner
// shows over a shape standing there, even over the wide ring of a selected one.
enum BoardViewSlot : int {
    kBackgroundSlot,
    kNameLabelSlot,
    kBoardSlot,
    kCircleSlot,
    kStarSlot,
    kTriangleSlot,
    kCircleGoalSlot,
    kStarGoalSlot,
    kTriangleGoalSlot,
    kBoardViewSlots
};

// The four triangles a tile's diagonals cut it into; each names the direction a click there
// moves a shape.
enum class TileSection { Up, Down, Left, Right };

// A screen position in the board's 16-bit arithmetic.
struct ScreenPos {
    int16_t x = 0;
    int16_t y = 0;
};

// Where a name label of this width starts: centred in the name strip, the halving truncating
// towards zero, so a label wider than the strip starts left of it.
int NameLabelX(int labelWidth);

// The sprite slots of a shape and of its goal.
int ShapeSlot(ShapeKind kind);
int GoalSlot(ShapeKind kind);

class BoardView : public GameState {
public:
    SpriteList sprites;  // what the screen shows

    // Shows `level`, which must outlive the view (or be replaced by ShowLevel), with `pictures`
    // made at `scale`; both must outlive the view.
    BoardView(const PictureTable& pictures, const DisplayScale& scale, Level& level);
    ~BoardView() override;
    BoardView(const BoardView&) = delete;
    BoardView& operator=(const BoardView&) = delete;

protected:
    const PictureTable& pictures;
    const DisplayScale& scale;
    SurfacePtr nameLabel;     // null when the level has no name or it couldn't be rendered
    SurfacePtr boardSurface;  // 540 by 420 logical, pixel value 0 transparent
    int16_t offsetX = 0;      // tile grid offset inside the board area
    int16_t offsetY = 0;
    // A name too long for the strip keeps its end rather than its start (while it is typed).
    bool nameShowsEnd = false;
    int32_t pointerX = 0;     // last pointer position the derived screen stored
    int32_t pointerY = 0;

    // Background, board, shape and goal pictures into their slots (not the name label's).
    void AttachBoardPictures();
    // Clears the board surface, draws every tile and places the shape and goal sprites.
    void RenderBoard();
    // Brings the board surface in line with the level: draws the tiles whose picture changed
    // since they were drawn (all of them after the grid moved) and clears the cells that lost
    // their tile, and tells the sprite list which parts of the board changed.
    void DrawTiles();
    void PlaceShapeSprites();
    void PlaceGoalSprites();
    // The level's name into nameLabel and slot 1, centred in the name strip.
    void RenderNameLabel();
    // After the scale changed: the slots show the shared pictures' successors, and the board
    // surface and the name label are made anew at the new size.
    void RescaleBoard(const PictureMoves& moves);

    // The tile under the system pointer, or NoTile left of or above the grid. Columns and rows
    // beyond the grid are returned as they are; callers check them.
    TilePos TileUnderPointer() const;
    ScreenPos TileScreenPos(TilePos pos) const;
    // The section of its tile that (pointerX, pointerY) lies in.
    TileSection PointerSection() const;
    // Offsets that centre the bounding box of the non-empty tiles in the board area.
    void CentreOnUsedTiles();

    Level& BoardLevel() const { return *shownLevel; }
    // From now on the view shows `next` (the next level of a set, played on the same screen).
    void ShowLevel(Level& next) { shownLevel = &next; }

private:
    Level* shownLevel;
    // What each cell of the board surface shows (null: nothing) and the grid offsets it was
    // drawn at; cellsKnown is false while the surface holds no tiles drawn from the level.
    std::array<const SDL_Surface*, kCellCount> drawnCells{};
    int16_t drawnOffsetX = 0;
    int16_t drawnOffsetY = 0;
    bool cellsKnown = false;

    void MakeBoardSurface();
    void ClearBoardSurface();
    void DrawCell(int column, int row, SDL_Surface* picture);
};

}  // namespace qv
