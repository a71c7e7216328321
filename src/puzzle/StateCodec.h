#pragma once
// Packs a board position (the colours of the tiles a shape can ever enter, and where the three
// shapes stand) into at most four 64-bit words, so the solver can keep millions of them.
#include <array>
#include <cstdint>

#include "puzzle/Level.h"
#include "puzzle/MoveRule.h"

namespace qv {

constexpr int kMaxStateWords = 4;
using PackedState = std::array<uint64_t, kMaxStateWords>;

class StateCodec {
public:
    // Learns the layout from `level`: its open cells (non-Black, inside the board) and where the
    // shapes start.
    explicit StateCodec(const Level& level);

    int Words() const { return words; }
    // The bytes of a PackedState in use, low bytes first: what a stored copy needs to keep.
    int Bytes() const { return bytes; }
    int CellCount() const { return cellCount; }
    int Width() const { return width; }
    int Height() const { return height; }

    // The packed form of the level's tiles and shapes as they were given (unused words zero).
    const PackedState& Initial() const { return initial; }

    // The index of the open cell (x, y), or -1 for a cell no shape may enter.
    int CellIndex(int x, int y) const;
    TilePos Position(int cell) const { return cellPos[cell]; }
    // The open cell one step up, down, left or right (0 to 3) of an open cell, or -1.
    int Next(int cell, int direction) const { return next[cell][direction]; }

    TileColor Color(const PackedState& state, int cell) const;
    // For each shape, the open cells whose colour holds its primary (White holds none), as bits
    // x * 7 + y: the tiles it may not enter as they are.
    std::array<uint64_t, kShapeCount> HoldingMasks(const PackedState& state) const;
    // The same masks after the open cell `pos` took `color`.
    static void SetHolding(std::array<uint64_t, kShapeCount>& holding, TilePos pos, TileColor color);
    void SetColor(PackedState& state, int cell, TileColor color) const;
    ShapePositions Shapes(const PackedState& state) const;
    void SetShape(PackedState& state, ShapeKind kind, int cell) const;

private:
    // A shape that starts off the open cells (bad data) keeps this code until it steps onto one;
    // it can never go back, so its start position is all the code has to stand for.
    static constexpr uint64_t kAtStart = 63;

    uint64_t Slot(const PackedState& state, int slot) const;
    void SetSlot(PackedState& state, int slot, uint64_t value) const;

    int width;
    int height;
    int cellCount = 0;
    int words = 1;
    int bytes = 8;
    std::array<int8_t, kCellCount> cellIndex{};  // by x * 7 + y
    std::array<TilePos, kCellCount> cellPos{};   // by open-cell index
    std::array<uint64_t, kCellCount> cellBit{};  // by open-cell index
    std::array<std::array<int8_t, 4>, kCellCount> next{};  // by open-cell index
    ShapePositions start;
    PackedState initial{};
};

}  // namespace qv
