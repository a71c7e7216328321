#include "puzzle/Level.h"

#include <algorithm>

#include "puzzle/MoveRule.h"
#include "util/ErrorReport.h"

namespace qv {

namespace {

Command MakeCommand(CommandKind kind) {
    Command command;
    command.kind = static_cast<int32_t>(kind);
    return command;
}

}  // namespace

Level::Level() {
    Tile(0, 0) = TileColor::White;
    Tile(1, 0) = TileColor::White;
    Tile(0, 1) = TileColor::White;
    circlePos = {0, 0};
    starPos = {0, 1};
    trianglePos = {1, 0};
    circleGoal = {1, 0};
    starGoal = {0, 0};
    triangleGoal = {0, 1};
}

int Level::Columns() const { return std::clamp<int>(width, 0, kMaxWidth); }
int Level::Rows() const { return std::clamp<int>(height, 0, kMaxHeight); }

TilePos& Level::ShapePos(ShapeKind kind) {
    return const_cast<TilePos&>(static_cast<const Level&>(*this).ShapePos(kind));
}

const TilePos& Level::ShapePos(ShapeKind kind) const {
    switch (kind) {
    case ShapeKind::Circle: return circlePos;
    case ShapeKind::Star: return starPos;
    default: return trianglePos;
    }
}

TilePos& Level::GoalPos(ShapeKind kind) {
    return const_cast<TilePos&>(static_cast<const Level&>(*this).GoalPos(kind));
}

const TilePos& Level::GoalPos(ShapeKind kind) const {
    switch (kind) {
    case ShapeKind::Circle: return circleGoal;
    case ShapeKind::Star: return starGoal;
    default: return triangleGoal;
    }
}

std::array<TilePos, kShapeCount> Level::ShapePositions() const {
    return {circlePos, starPos, trianglePos};
}

bool Level::MoveShape(TilePos from, int16_t toX, int16_t toY) {
    if (!StepAllowed(width, height, ShapePositions(), from, toX, toY)) return false;

    const std::optional<ShapeKind> moving = ShapeMovingFrom(ShapePositions(), from);
    if (!moving) {
        ReportError("Illegal movement. Shape is invalid.");
        return false;
    }
    const ShapeKind kind = *moving;

    const TileColor old = Tile(toX, toY);
    const TileColor mixed = MixedColor(old, kind);
    if (mixed == TileColor::Black) return false;

    ShapePos(kind) = {toX, toY};
    Tile(toX, toY) = mixed;
    Command command = MakeCommand(CommandKind::ShapeMoved);
    command.fromX = from.x;
    command.fromY = from.y;
    command.toX = toX;
    command.toY = toY;
    command.oldColor = static_cast<int32_t>(old);
    command.shape = static_cast<int32_t>(kind);
    playHistory.push_back(command);
    return true;
}

bool Level::MoveAllowed(TilePos from, int toX, int toY) const {
    if (!StepAllowed(width, height, ShapePositions(), from, toX, toY)) return false;
    const std::optional<ShapeKind> moving = ShapeMovingFrom(ShapePositions(), from);
    return moving && MixedColor(Tile(toX, toY), *moving) != TileColor::Black;
}

bool Level::IsSolved() const {
    return starPos == starGoal && circlePos == circleGoal && trianglePos == triangleGoal;
}

void Level::SetTile(TilePos pos, TileColor color) {
    if (!InBoardArray(pos.x, pos.y) || !IsValidColor(static_cast<int32_t>(color))) return;
    if (Tile(pos.x, pos.y) == color) return;

    bool carriesPiece = false;
    for (int k = 0; k < kShapeCount; ++k) {
        const auto kind = static_cast<ShapeKind>(k);
        carriesPiece = carriesPiece || ShapePos(kind) == pos || GoalPos(kind) == pos;
    }
    // A shape or goal must always stand on a tile, so it cannot be painted away from under them.
    if (!(color == TileColor::Black && carriesPiece)) {
        Command command = MakeCommand(CommandKind::TilePainted);
        command.toX = pos.x;
        command.toY = pos.y;
        command.oldColor = static_cast<int32_t>(Tile(pos.x, pos.y));
        editHistory.push_back(command);
        Tile(pos.x, pos.y) = color;
    }
    // Painting is how the editor grows the board, even where the paint itself was refused.
    if (width <= pos.x) width = pos.x + 1;
    if (height <= pos.y) height = pos.y + 1;
}

void Level::PlaceShape(ShapeKind kind, TilePos pos) {
    if (!IsValidShape(static_cast<int32_t>(kind))) return;
    if (!InBoardArray(pos.x, pos.y) || Tile(pos.x, pos.y) == TileColor::Black) return;
    for (const TilePos& shape : ShapePositions()) {
        if (shape == pos) return;
    }
    Command command = MakeCommand(CommandKind::ShapePlaced);
    command.fromX = ShapePos(kind).x;
    command.fromY = ShapePos(kind).y;
    command.shape = static_cast<int32_t>(kind);
    editHistory.push_back(command);
    ShapePos(kind) = pos;
}

void Level::PlaceGoal(ShapeKind kind, TilePos pos) {
    if (!IsValidShape(static_cast<int32_t>(kind))) return;
    if (!InBoardArray(pos.x, pos.y) || Tile(pos.x, pos.y) == TileColor::Black) return;
    if (circleGoal == pos || starGoal == pos || triangleGoal == pos) return;
    Command command = MakeCommand(CommandKind::GoalPlaced);
    command.fromX = GoalPos(kind).x;
    command.fromY = GoalPos(kind).y;
    command.shape = static_cast<int32_t>(kind);
    editHistory.push_back(command);
    GoalPos(kind) = pos;
}

// Moves the whole 9 x 7 array by one cell (dx, dy), provided the edge that would fall off it
// is empty. Returns whether it moved.
bool Level::Shift(int dx, int dy) {
    for (int x = 0; x < kMaxWidth; ++x) {
        for (int y = 0; y < kMaxHeight; ++y) {
            if (!InBoardArray(x + dx, y + dy) && Tile(x, y) != TileColor::Black) return false;
        }
    }
    const auto old = tiles;
    for (int x = 0; x < kMaxWidth; ++x) {
        for (int y = 0; y < kMaxHeight; ++y) {
            Tile(x, y) = InBoardArray(x - dx, y - dy) ? old[(x - dx) * kMaxHeight + (y - dy)]
                                                 : TileColor::Black;
        }
    }
    for (TilePos* pos : {&starPos, &circlePos, &trianglePos, &starGoal, &circleGoal, &triangleGoal}) {
        pos->x = static_cast<int16_t>(pos->x + dx);
        pos->y = static_cast<int16_t>(pos->y + dy);
    }
    if (dx > 0 && width < kMaxWidth) ++width;
    if (dy > 0 && height < kMaxHeight) ++height;
    return true;
}

void Level::RecordShift(CommandKind kind, bool record) {
    if (record) editHistory.push_back(MakeCommand(kind));
}

void Level::ShiftRight(bool record) {
    if (Shift(1, 0)) RecordShift(CommandKind::ShiftedRight, record);
}

void Level::ShiftLeft(bool record) {
    if (Shift(-1, 0)) RecordShift(CommandKind::ShiftedLeft, record);
}

void Level::ShiftUp(bool record) {
    if (Shift(0, -1)) RecordShift(CommandKind::ShiftedUp, record);
}

void Level::ShiftDown(bool record) {
    if (Shift(0, 1)) RecordShift(CommandKind::ShiftedDown, record);
}

bool Level::SameContent(const Level& other) const {
    return tiles == other.tiles && name == other.name && starPos == other.starPos &&
           circlePos == other.circlePos && trianglePos == other.trianglePos &&
           starGoal == other.starGoal && circleGoal == other.circleGoal &&
           triangleGoal == other.triangleGoal;
}

}  // namespace qv
