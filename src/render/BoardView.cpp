#include "render/BoardView.h"

#include "platform/SdlErrorReport.h"
#include "puzzle/BoardCentring.h"
#include "render/MediaStore.h"
#include "render/Pointer.h"
#include "render/Text.h"
#include "util/ErrorReport.h"

namespace qv {

namespace {

constexpr SDL_Color kNameColor{203, 202, 145, 0};

}  // namespace

int NameLabelX(int labelWidth) { return kNameStripX + (kNameStripWidth - labelWidth) / 2; }

int ShapeSlot(ShapeKind kind) { return kCircleSlot + static_cast<int>(kind); }

int GoalSlot(ShapeKind kind) { return kCircleGoalSlot + static_cast<int>(kind); }

BoardView::BoardView(const PictureTable& pictureTable, const DisplayScale& displayScale,
                     Level& shown)
    : pictures(pictureTable), scale(displayScale), shownLevel(&shown) {
    MakeBoardSurface();
    sprites.Clear();
    offsetX = 0;
    offsetY = 0;
    RenderNameLabel();
}

BoardView::~BoardView() = default;

void BoardView::MakeBoardSurface() {
    boardSurface = CreateDisplayLikeSurface(scale.Size(kBoardPixelWidth),
                                            scale.Size(kBoardPixelHeight));
    if (!boardSurface) {
        ReportSdlError("Can't create surface for level.");
    } else if (SDL_SetColorKey(boardSurface.get(), SDL_SRCCOLORKEY, 0) == -1) {
        // Without the key, empty cells would hide the background.
        ReportSdlError("Can't set color key for level surface.");
    }
    cellsKnown = false;
}

void BoardView::RescaleBoard(const PictureMoves& moves) {
    sprites.Repoint(moves);
    MakeBoardSurface();
    sprites.sprites[kBoardSlot].picture = boardSurface.get();
    DrawTiles();
    RenderNameLabel();
}

void BoardView::AttachBoardPictures() {
    sprites.sprites[kBackgroundSlot].picture = pictures.play.get();
    Sprite& board = sprites.sprites[kBoardSlot];
    board.picture = boardSurface.get();
    board.x = kBoardX;
    board.y = kBoardY;
    sprites.sprites[kCircleGoalSlot].picture = pictures.circleGoal.get();
    sprites.sprites[kStarGoalSlot].picture = pictures.starGoal.get();
    sprites.sprites[kTriangleGoalSlot].picture = pictures.triangleGoal.get();
    sprites.sprites[kCircleSlot].picture = pictures.circle.get();
    sprites.sprites[kStarSlot].picture = pictures.star.get();
    sprites.sprites[kTriangleSlot].picture = pictures.triangle.get();
}

void BoardView::RenderBoard() {
    cellsKnown = false;
    DrawTiles();
    PlaceShapeSprites();
    PlaceGoalSprites();
}

void BoardView::ClearBoardSurface() {
    SDL_FillRect(boardSurface.get(), nullptr, 0);
    drawnCells.fill(nullptr);
    drawnOffsetX = offsetX;
    drawnOffsetY = offsetY;
    cellsKnown = true;
    sprites.Refresh(kBoardSlot);
}

void BoardView::DrawCell(int column, int row, SDL_Surface* picture) {
    // The cell's edges where the display scale puts them, as for the shapes over it: neighbours
    // meet without a gap, and a tile (made large enough for the wider cells) is cut to its cell.
    SDL_Rect cell = scale.Area(kBoardX + offsetX + kTileSize * column,
                               kBoardY + offsetY + kTileSize * row, kTileSize, kTileSize);
    cell.x = static_cast<Sint16>(cell.x - scale.Pixels(kBoardX));
    cell.y = static_cast<Sint16>(cell.y - scale.Pixels(kBoardY));
    const SDL_Rect changed = cell;
    SDL_Rect cleared = cell;  // SDL clips the rectangles it is given
    // Cleared first, so a cell whose picture is missing shows no tile rather than the old one.
    SDL_FillRect(boardSurface.get(), &cleared, 0);
    BlitIntoArea(picture, boardSurface.get(), cell);
    drawnCells[static_cast<std::size_t>(column * kMaxHeight + row)] = picture;
    sprites.RefreshPart(kBoardSlot, changed);
}

void BoardView::DrawTiles() {
    if (!boardSurface) return;
    if (!cellsKnown || offsetX != drawnOffsetX || offsetY != drawnOffsetY) ClearBoardSurface();
    const Level& level = BoardLevel();
    // Columns()/Rows(): a level read from bad data may claim more than the 9 by 7 array holds.
    for (int c = 0; c < kMaxWidth; ++c) {
        for (int r = 0; r < kMaxHeight; ++r) {
            SDL_Surface* picture = nullptr;
            if (c < level.Columns() && r < level.Rows()) {
                const TileColor color = level.Tile(c, r);
                const int32_t value = static_cast<int32_t>(color);
                if (IsValidColor(value)) {
                    picture = pictures.Tile(color);
                } else {
                    ReportError("Tile (" + std::to_string(c) + ", " + std::to_string(r) +
                                ") has an invalid color (" + std::to_string(value) + ").");
                }
            }
            if (drawnCells[static_cast<std::size_t>(c * kMaxHeight + r)] != picture)
                DrawCell(c, r, picture);
        }
    }
}

namespace {

void PlaceSprite(Sprite& sprite, ScreenPos pos) {
    sprite.x = pos.x;
    sprite.y = pos.y;
}

}  // namespace

void BoardView::PlaceShapeSprites() {
    const Level& level = BoardLevel();
    for (ShapeKind kind : {ShapeKind::Circle, ShapeKind::Star, ShapeKind::Triangle})
        PlaceSprite(sprites.sprites[ShapeSlot(kind)], TileScreenPos(level.ShapePos(kind)));
}

void BoardView::PlaceGoalSprites() {
    const Level& level = BoardLevel();
    for (ShapeKind kind : {ShapeKind::Circle, ShapeKind::Star, ShapeKind::Triangle})
        PlaceSprite(sprites.sprites[GoalSlot(kind)], TileScreenPos(level.GoalPos(kind)));
}

void BoardView::RenderNameLabel() {
    Sprite& slot = sprites.sprites[kNameLabelSlot];
    slot.picture = nullptr;
    sprites.Refresh(kNameLabelSlot);
    nameLabel.reset();
    const std::string& name = BoardLevel().name;
    if (name.empty()) return;
    FontPtr font = OpenUiFont(scale.Points(kNamePoints));
    if (!font) return;
    const int usualHeight = TTF_FontHeight(font.get());
    const int room = scale.Pixels(kNameTextWidth);
    // A name wider than the strip (a player's may be 29 wide capitals) first gets smaller,
    // then loses letters, rather than run over the strip's frame.
    if (TextWidth(font.get(), name) > room) {
        font = OpenUiFontFitting(scale.Points(kNamePoints - 1), scale.Points(kNameSmallestPoints),
                                 {name}, room);
    }
    if (!font) return;
    const std::string shown = CutToWidth(font.get(), name, room, nameShowsEnd);
    nameLabel = RenderBlended(font.get(), shown, kNameColor);
    if (!nameLabel) return;
    slot.picture = nameLabel.get();
    slot.x = NameLabelX(scale.Logical(nameLabel->w));
    // A smaller face keeps the usual one's middle line.
    slot.y = kNameLabelY + scale.Logical(usualHeight - nameLabel->h) / 2;
}

TilePos BoardView::TileUnderPointer() const {
    int x = 0, y = 0;
    LogicalPointerState(scale, &x, &y);
    if (x < kBoardX + offsetX || y < kBoardY + offsetY) return NoTile;
    return TilePos{static_cast<int16_t>((x - offsetX - kBoardX) / kTileSize),
                   static_cast<int16_t>((y - offsetY - kBoardY) / kTileSize)};
}

ScreenPos BoardView::TileScreenPos(TilePos pos) const {
    return ScreenPos{static_cast<int16_t>(kTileSize * pos.x + offsetX + kBoardX),
                     static_cast<int16_t>(kTileSize * (pos.y + 1) + offsetY)};
}

TileSection BoardView::PointerSection() const {
    const int u = (pointerX - offsetX - kBoardX) % kTileSize;
    const int v = (pointerY - offsetY - kBoardY) % kTileSize;
    const bool onOrAboveFalling = u >= v;           // diagonal top-left to bottom-right
    const bool onOrAboveRising = kTileSize - u >= v;  // diagonal bottom-left to top-right
    if (onOrAboveFalling && onOrAboveRising) return TileSection::Up;
    if (onOrAboveFalling) return TileSection::Right;
    if (onOrAboveRising) return TileSection::Left;
    return TileSection::Down;
}

void BoardView::CentreOnUsedTiles() {
    const UsedTileBounds used = FindUsedTiles(BoardLevel());
    // CentringShift spans first to last tile corner; the tiles reach one tile further, so
    // half a tile comes off.
    offsetX = static_cast<int16_t>(
        CentringShift(used.minCol, used.maxCol, kMaxWidth, kTileSize) - kTileSize / 2);
    offsetY = static_cast<int16_t>(
        CentringShift(used.minRow, used.maxRow, kMaxHeight, kTileSize) - kTileSize / 2);
}

}  // namespace qv
