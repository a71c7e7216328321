#include "puzzle/MovesLeftBound.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

namespace qv {

namespace {

constexpr uint8_t kFar = UINT8_MAX;

constexpr uint64_t RowBits(int y) {
    uint64_t bits = 0;
    for (int x = 0; x < kMaxWidth; ++x) bits |= uint64_t{1} << (x * kMaxHeight + y);
    return bits;
}
// A step up or down must not wrap from one column into the next.
constexpr uint64_t kTopRow = RowBits(0);
constexpr uint64_t kBottomRow = RowBits(kMaxHeight - 1);

int CellBit(TilePos pos) { return pos.x * kMaxHeight + pos.y; }
uint64_t Bit(int cell) { return uint64_t{1} << cell; }
bool Has(uint64_t cells, int cell) { return ((cells >> cell) & 1) != 0; }
int Lowest(uint64_t cells) { return __builtin_ctzll(cells); }

}  // namespace

// Each shape walks at least its shortest way home over open cells. Beyond that, what the
// colours demand: a shape may not enter a tile holding its colour (White holds none) until
// every shape whose colour the tile lacks has called there, since only a visit by each of them
// turns it white. So where every way home of a shape enters such a tile (its goal, or a tile
// whose loss would cut it off from home), the tile's clearers must call there on their way
// home. A shape at home on a tile that another must pass has to leave and come back, two moves
// at least, and its coloured goal needs clearing again. Those are summed over the shapes.
//
// Then, for the shape it raises most: a shape that cannot take a shortest way home over tiles
// it may enter (the tiles it has just coloured on its way count, so it cannot simply turn
// back) either walks further or first meets such a tile, whose clearers walk there; the
// cheapest of these is added. The estimate can fall by more than one in a move (a cleared tile
// opens a whole region), so the search reopens states it reaches again by a shorter path.
MovesLeftBound::MovesLeftBound(const StateCodec& codec, const ShapePositions& goals)
    : codec_(codec), goals_(goals) {
    for (int x = 0; x < codec.Width(); ++x) {
        for (int y = 0; y < codec.Height(); ++y) {
            if (codec.CellIndex(x, y) >= 0) open_ |= Bit(x * kMaxHeight + y);
        }
    }
    for (auto& row : steps_) row.fill(kFar);
    for (uint64_t from = open_; from; from &= from - 1) {
        const int a = Lowest(from);
        uint64_t seen = Bit(a);
        uint64_t frontier = seen;
        steps_[a][a] = 0;
        for (uint8_t d = 1; frontier; ++d) {
            frontier = Neighbours(frontier) & ~seen;
            seen |= frontier;
            for (uint64_t b = frontier; b; b &= b - 1) steps_[a][Lowest(b)] = d;
        }
    }
    for (int k = 0; k < kShapeCount; ++k) {
        const bool onBoard = codec.CellIndex(goals[k].x, goals[k].y) >= 0;
        goalCells_[k] = onBoard ? CellBit(goals[k]) : -1;
        if (!onBoard) continue;
        // Without cell c, the cells no longer connected to the goal must all pass c.
        const uint64_t goal = Bit(goalCells_[k]);
        for (uint64_t cut = open_; cut; cut &= cut - 1) {
            const int c = Lowest(cut);
            uint64_t seen = c == goalCells_[k] ? 0 : goal;
            for (uint64_t frontier = seen; frontier;) {
                frontier = Neighbours(frontier) & ~seen & ~Bit(c);
                seen |= frontier;
            }
            for (uint64_t cut_off = open_ & ~seen & ~Bit(c); cut_off; cut_off &= cut_off - 1)
                mustEnter_[k][Lowest(cut_off)] |= Bit(c);
        }
    }
}

uint64_t MovesLeftBound::Neighbours(uint64_t cells) const {
    return (((cells >> 1) & ~kBottomRow) | ((cells << 1) & ~kTopRow) | (cells >> kMaxHeight) |
            (cells << kMaxHeight)) &
           open_;
}

int MovesLeftBound::Walk(TilePos from, int fromCell, int to) const {
    // A shape still on its off-board start (bad data): the plain distance is a safe bound.
    if (fromCell < 0) return std::abs(from.x - to / kMaxHeight) + std::abs(from.y - to % kMaxHeight);
    const uint8_t steps = steps_[fromCell][to];
    return steps == kFar ? kUnreachable : steps;
}

int MovesLeftBound::Estimate(const Holding& holding, const ShapePositions& shapes) const {
    Cells at{};
    Cells least{};
    uint64_t passed = 0;           // cells some shape must still enter
    std::array<uint64_t, kShapeCount> entering{};
    for (int k = 0; k < kShapeCount; ++k) {
        at[k] = codec_.CellIndex(shapes[k].x, shapes[k].y) >= 0 ? CellBit(shapes[k]) : -1;
        if (goalCells_[k] < 0) {
            // A goal off the open cells (bad data) can only be where its shape still stands,
            // and that shape must never move.
            if (shapes[k] != goals_[k]) return kUnreachable;
            continue;
        }
        least[k] = Walk(shapes[k], at[k], goalCells_[k]);
        if (least[k] == kUnreachable) return kUnreachable;
        if (at[k] >= 0) entering[k] = mustEnter_[k][at[k]];
        else if (at[k] != goalCells_[k]) entering[k] = Bit(goalCells_[k]);
        passed |= entering[k];
    }
    for (int k = 0; k < kShapeCount; ++k) {
        if (at[k] < 0 || at[k] != goalCells_[k] || !Has(passed & ~entering[k], at[k])) continue;
        // Home, but in another's way: off and back on.
        least[k] = std::max(least[k], 2);
        entering[k] |= Bit(at[k]);
    }
    // Every tile a shape must enter while it holds that shape's colour is a call for its
    // clearers.
    for (int k = 0; k < kShapeCount; ++k) {
        for (uint64_t calls = entering[k] & holding[k]; calls; calls &= calls - 1) {
            const int cell = Lowest(calls);
            for (int i = 0; i < kShapeCount; ++i) {
                if (i == k || Has(holding[i], cell)) continue;
                if (goalCells_[i] < 0) return kUnreachable;
                const int there = Walk(shapes[i], at[i], cell);
                const int home = steps_[cell][goalCells_[i]];
                if (there == kUnreachable || home == kFar) return kUnreachable;
                least[i] = std::max(least[i], there + home);
            }
        }
    }

    int extra = 0;
    for (int k = 0; k < kShapeCount; ++k) {
        const int more = RouteExtra(k, holding, shapes, at, least);
        if (more == kUnreachable) return kUnreachable;
        extra = std::max(extra, more);
    }
    return least[0] + least[1] + least[2] + extra;
}

// What shape k adds to the sum of least walks, itself and the clearers on its way, when it
// cannot take a shortest way home over the tiles it may enter. Breadth first over those tiles;
// the tiles of its colour met on the way are the ways on, each at the walk there.
int MovesLeftBound::RouteExtra(int k, const Holding& holding, const ShapePositions& shapes,
                               const Cells& at, const Cells& least) const {
    const int goal = goalCells_[k];
    if (at[k] < 0 || goal < 0 || at[k] == goal) return 0;
    const uint64_t blocked = holding[k];
    const uint64_t start = Bit(at[k]);
    int best = INT_MAX;
    // The way on through `cell`, `d` moves from the start.
    auto wayOn = [&](int cell, int d) {
        const int home = steps_[cell][goal];
        if (home == kFar) return;
        int cost = std::max(0, d + home - least[k]);
        for (int i = 0; i < kShapeCount && cost < best; ++i) {
            if (i == k || Has(holding[i], cell)) continue;
            const int there = goalCells_[i] < 0 ? kUnreachable : Walk(shapes[i], at[i], cell);
            if (there == kUnreachable) return;
            cost += std::max(0, there + steps_[cell][goalCells_[i]] - least[i]);
        }
        best = std::min(best, cost);
    };
    // Stepping off and straight back onto its own tile, which holds its colour.
    if ((blocked & start) && (Neighbours(start) & ~blocked)) wayOn(at[k], 2);
    uint64_t seen = start;
    uint64_t frontier = start;
    for (int d = 1; frontier && d - least[k] < best; ++d) {
        const uint64_t next = Neighbours(frontier) & ~seen;
        seen |= next;
        for (uint64_t b = next & blocked; b; b &= b - 1) wayOn(Lowest(b), d);
        frontier = next & ~blocked;
        if (Has(frontier, goal)) {
            best = std::min(best, std::max(0, d - least[k]));
            break;
        }
    }
    return best == INT_MAX ? kUnreachable : best;
}

}  // namespace qv
