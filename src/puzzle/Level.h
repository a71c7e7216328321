#pragma once
// One puzzle: a board of at most 9 by 7 tiles, three shapes and their goals, and the rules by
// which shapes move and the editor changes the board.
#include <array>
#include <cstddef>
#include <istream>
#include <ostream>
#include <string>

#include "puzzle/Command.h"
#include "puzzle/Types.h"

namespace qv {

// The most characters of a level file's name line and text lines that are read; the rest of a
// longer line is skipped.
constexpr std::size_t kMaxLevelLineChars = 255;

class Level {
public:
    CommandHistory playHistory;  // moves made while playing, newest last
    CommandHistory editHistory;  // edits made in the editor, newest last
    int32_t width = 9;
    int32_t height = 7;
    // Column by column: cell (x, y) is element x * 7 + y. All 63 cells always exist.
    std::array<TileColor, kCellCount> tiles{};
    TilePos starPos, circlePos, trianglePos;
    TilePos starGoal, circleGoal, triangleGoal;
    std::string name = "New Level";
    std::string filePath;
    // Why SaveLevel must not write filePath, said after "Cannot save level <path>. ": the file
    // is there but could not be read (it may hold a level the player would lose), or its path
    // leads outside the game folder. Empty when the file may be written.
    std::string saveRefusal;
    // The board is the one filePath holds, read whole by LoadLevel or written by SaveLevel: what
    // is kept beside the level (a record) may be judged by it. False for a stand-in.
    bool boardFromFile = false;
    bool fromEditor = false;
    bool fromLink = false;  // opened from a link: solving it records nothing, leaving ends it
    LevelStatus status = LevelStatus::Locked;
    std::string introText;
    std::string solvedText;
    std::string picturePath;

    // The new level: 9 by 7, white tiles at (0,0), (1,0), (0,1) holding the three shapes.
    Level();

    // Cell access by column and row; both must lie in the 9 by 7 array.
    TileColor Tile(int x, int y) const { return tiles[x * kMaxHeight + y]; }
    TileColor& Tile(int x, int y) { return tiles[x * kMaxHeight + y]; }

    // The size limited to the array: the only extent that may be walked over `tiles`, since
    // `width` and `height` are public and may hold anything a caller put there.
    int Columns() const;
    int Rows() const;

    // `kind` must be one of the three shapes (IsValidShape); anything else yields the triangle's.
    TilePos& ShapePos(ShapeKind kind);
    const TilePos& ShapePos(ShapeKind kind) const;
    TilePos& GoalPos(ShapeKind kind);
    const TilePos& GoalPos(ShapeKind kind) const;
    // The three shape positions, indexed by ShapeKind.
    std::array<TilePos, kShapeCount> ShapePositions() const;

    // Playing.
    bool MoveShape(TilePos from, int16_t toX, int16_t toY);
    // Whether MoveShape would make this move; changes and reports nothing (the hover arrow).
    bool MoveAllowed(TilePos from, int toX, int toY) const;
    bool IsSolved() const;

    // Editing: each records at most one command in editHistory.
    void SetTile(TilePos pos, TileColor color);
    void PlaceShape(ShapeKind kind, TilePos pos);
    void PlaceGoal(ShapeKind kind, TilePos pos);
    void ShiftRight(bool record);
    void ShiftLeft(bool record);
    void ShiftUp(bool record);
    void ShiftDown(bool record);
    bool SameContent(const Level& other) const;

    // Undo history.
    void UndoMove();
    void UndoAllMoves();
    void UndoEdit();
    void UndoAllEdits();
    void ClearHistories();

    // Level text format.
    void LoadLevel();                                   // reads filePath; reports failures
    void ReadLevel(std::istream& in);                   // the reader behind LoadLevel
    bool SaveLevel();                                   // writes filePath; false when it can't
    // The text SaveLevel writes: the board, the name and, when there are any, the intro and
    // solved texts, so that a level read and saved keeps them.
    void WriteLevel(std::ostream& out) const;

private:
    bool Shift(int dx, int dy);
    void RecordShift(CommandKind kind, bool record);
    // Puts a colour back from a history record, which may hold anything; out-of-array cells and
    // impossible colours are skipped.
    void RestoreCell(int32_t x, int32_t y, int32_t color);
};

// Builds a level from the numeric part of the text format (trusted built-in data).
Level ParseLevelString(const std::string& numbers, const std::string& name,
                       const std::string& introText, const std::string& solvedText,
                       const std::string& picturePath);

}  // namespace qv
