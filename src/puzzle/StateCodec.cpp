#include "puzzle/StateCodec.h"

#include <algorithm>

namespace qv {

// A word holds 21 slots of 3 bits. Slots 0..n-1 are the n open cells' colours; then each shape
// takes two slots (6 bits) for its open-cell index or kAtStart.
namespace {
constexpr int kSlotsPerWord = 21;
constexpr int kSlotBits = 3;
constexpr uint64_t kSlotMask = 7;
}  // namespace

StateCodec::StateCodec(const Level& level)
    : width(level.Columns()), height(level.Rows()), start(level.ShapePositions()) {
    cellIndex.fill(-1);
    for (int x = 0; x < width; ++x) {
        for (int y = 0; y < height; ++y) {
            if (level.Tile(x, y) == TileColor::Black) continue;
            cellIndex[x * kMaxHeight + y] = static_cast<int8_t>(cellCount);
            cellPos[cellCount] = {static_cast<int16_t>(x), static_cast<int16_t>(y)};
            cellBit[cellCount] = uint64_t{1} << (x * kMaxHeight + y);
            ++cellCount;
        }
    }
    for (int i = 0; i < cellCount; ++i) {
        const TilePos at = cellPos[i];
        const TilePos steps[4] = {{at.x, static_cast<int16_t>(at.y - 1)},
                                  {at.x, static_cast<int16_t>(at.y + 1)},
                                  {static_cast<int16_t>(at.x - 1), at.y},
                                  {static_cast<int16_t>(at.x + 1), at.y}};
        for (int d = 0; d < 4; ++d) next[i][d] = static_cast<int8_t>(CellIndex(steps[d].x, steps[d].y));
    }
    const int slots = cellCount + 2 * kShapeCount;
    words = (slots + kSlotsPerWord - 1) / kSlotsPerWord;
    const int lastWordBits = kSlotBits * (slots - kSlotsPerWord * (words - 1));
    bytes = 8 * (words - 1) + (lastWordBits + 7) / 8;

    for (int i = 0; i < cellCount; ++i) {
        SetColor(initial, i, level.Tile(cellPos[i].x, cellPos[i].y));
    }
    for (int k = 0; k < kShapeCount; ++k) {
        const int cell = CellIndex(start[k].x, start[k].y);
        SetShape(initial, static_cast<ShapeKind>(k), cell < 0 ? static_cast<int>(kAtStart) : cell);
    }
}

int StateCodec::CellIndex(int x, int y) const {
    if (x < 0 || y < 0 || x >= width || y >= height) return -1;
    return cellIndex[x * kMaxHeight + y];
}

uint64_t StateCodec::Slot(const PackedState& state, int slot) const {
    return (state[slot / kSlotsPerWord] >> (kSlotBits * (slot % kSlotsPerWord))) & kSlotMask;
}

void StateCodec::SetSlot(PackedState& state, int slot, uint64_t value) const {
    const int shift = kSlotBits * (slot % kSlotsPerWord);
    uint64_t& word = state[slot / kSlotsPerWord];
    word = (word & ~(kSlotMask << shift)) | ((value & kSlotMask) << shift);
}

TileColor StateCodec::Color(const PackedState& state, int cell) const {
    return static_cast<TileColor>(Slot(state, cell));
}

void StateCodec::SetColor(PackedState& state, int cell, TileColor color) const {
    SetSlot(state, cell, static_cast<uint64_t>(color));
}

std::array<uint64_t, kShapeCount> StateCodec::HoldingMasks(const PackedState& state) const {
    // A word's slots all at once: bit 3j of each mask stands for slot j. Red, yellow and blue
    // are bits 0, 1 and 2 of a colour, and White has all three; only coloured tiles are then
    // visited one by one, and most tiles are white.
    constexpr uint64_t kLowBits = 0x1249249249249249ULL & ((uint64_t{1} << (3 * kSlotsPerWord)) - 1);
    std::array<uint64_t, kShapeCount> holding{};
    for (int word = 0; word * kSlotsPerWord < cellCount; ++word) {
        const int cells = std::min(kSlotsPerWord, cellCount - word * kSlotsPerWord);
        const uint64_t used = kLowBits & ((uint64_t{1} << (3 * cells)) - 1);
        const uint64_t slots = state[word];
        const uint64_t bits[kShapeCount] = {slots & used, (slots >> 1) & used, (slots >> 2) & used};
        const uint64_t white = bits[0] & bits[1] & bits[2];
        for (int k = 0; k < kShapeCount; ++k) {
            // Circle, star and triangle add red, yellow and blue.
            for (uint64_t b = bits[k] & ~white; b; b &= b - 1)
                holding[k] |= cellBit[word * kSlotsPerWord + __builtin_ctzll(b) / kSlotBits];
        }
    }
    return holding;
}

void StateCodec::SetHolding(std::array<uint64_t, kShapeCount>& holding, TilePos pos,
                            TileColor color) {
    const uint64_t bit = uint64_t{1} << (pos.x * kMaxHeight + pos.y);
    for (int k = 0; k < kShapeCount; ++k) {
        const int primary = static_cast<int>(ShapeColor(static_cast<ShapeKind>(k)));
        const bool holds = color != TileColor::White && (static_cast<int>(color) & primary) != 0;
        holding[k] = holds ? holding[k] | bit : holding[k] & ~bit;
    }
}

ShapePositions StateCodec::Shapes(const PackedState& state) const {
    ShapePositions shapes;
    for (int k = 0; k < kShapeCount; ++k) {
        const int slot = cellCount + 2 * k;
        const uint64_t code = Slot(state, slot) | (Slot(state, slot + 1) << kSlotBits);
        shapes[k] = code == kAtStart ? start[k] : cellPos[code];
    }
    return shapes;
}

void StateCodec::SetShape(PackedState& state, ShapeKind kind, int cell) const {
    const int slot = cellCount + 2 * static_cast<int>(kind);
    const auto code = static_cast<uint64_t>(cell);
    SetSlot(state, slot, code & kSlotMask);
    SetSlot(state, slot + 1, code >> kSlotBits);
}

}  // namespace qv
