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
bool Has(uint64_t cells, int bit) { return ((cells >> bit) & 1) != 0; }

}  // namespace

// Every shape walks at least its shortest way home over open cells (ignoring colours and the
// other shapes), and further when it must call at another's goal tile that holds the owner's
// colour: nobody can clear that tile but the shapes whose colours it lacks. That sum is then
// raised by the colours on the way: a shape may not re-enter the tiles it has coloured, nor any
// tile holding its colour, until the shapes whose colours that tile lacks have all called there.
// So each way home either keeps to the tiles it may enter, or first meets such a tile, which
// costs its clearers their walk there. The cheapest of these, for the shape it adds the most
// to, is added; the others only by what they walk beyond their shortest way in any case. The
// result can fall by more than one in a move (a cleared tile opens a whole region), so the
// search reopens states it reaches again by a shorter path.
MovesLeftBound::MovesLeftBound(const StateCodec& codec, const ShapePositions& goals)
    : codec_(codec), goals_(goals) {
    for (int x = 0; x < codec.Width(); ++x) {
        for (int y = 0; y < codec.Height(); ++y) {
            if (codec.CellIndex(x, y) >= 0) open_ |= uint64_t{1} << (x * kMaxHeight + y);
        }
    }
    for (auto& row : steps_) row.fill(kFar);
    for (uint64_t from = open_; from; from &= from - 1) {
        const int a = __builtin_ctzll(from);
        uint64_t seen = uint64_t{1} << a;
        steps_[a][a] = 0;
        uint64_t frontier = seen;
        for (uint8_t d = 1; frontier; ++d) {
            frontier = Neighbours(frontier) & ~seen;
            seen |= frontier;
            for (uint64_t b = frontier; b; b &= b - 1) steps_[a][__builtin_ctzll(b)] = d;
        }
    }
    for (int k = 0; k < kShapeCount; ++k) {
        goalCells_[k] = codec.CellIndex(goals[k].x, goals[k].y) >= 0 ? CellBit(goals[k]) : -1;
    }
}

uint64_t MovesLeftBound::Neighbours(uint64_t cells) const {
    return (((cells >> 1) & ~kBottomRow) | ((cells << 1) & ~kTopRow) | (cells >> kMaxHeight) |
            (cells << kMaxHeight)) &
           open_;
}

int MovesLeftBound::Steps(int from, int to) const {
    const uint8_t steps = steps_[from][to];
    return steps == kFar ? kUnreachable : steps;
}

int MovesLeftBound::Walk(TilePos from, int fromCell, int to) const {
    // A shape still on its off-board start: the plain distance is a safe bound there.
    if (fromCell < 0) return std::abs(from.x - to / kMaxHeight) + std::abs(from.y - to % kMaxHeight);
    return Steps(fromCell, to);
}

int MovesLeftBound::Estimate(const PackedState& state, const ShapePositions& shapes) const {
    std::array<int, kShapeCount> at{};
    std::array<int, kShapeCount> least{};
    for (int k = 0; k < kShapeCount; ++k) {
        at[k] = codec_.CellIndex(shapes[k].x, shapes[k].y) >= 0 ? CellBit(shapes[k]) : -1;
        // A goal off the open cells (bad data) can only be where its shape still stands, and
        // that shape must never move.
        if (goalCells_[k] < 0) {
            if (shapes[k] != goals_[k]) return kUnreachable;
            continue;
        }
        least[k] = Walk(shapes[k], at[k], goalCells_[k]);
        if (least[k] == kUnreachable) return kUnreachable;
    }
    const std::array<uint64_t, kShapeCount> holding = codec_.HoldingMasks(state);
    for (int owner = 0; owner < kShapeCount; ++owner) {
        const int goal = goalCells_[owner];
        if (goal < 0 || at[owner] == goal || !Has(holding[owner], goal)) continue;
        for (int k = 0; k < kShapeCount; ++k) {
            if (Has(holding[k], goal)) continue;
            if (goalCells_[k] < 0) return kUnreachable;
            const int there = Walk(shapes[k], at[k], goal);
            const int home = Steps(goal, goalCells_[k]);
            if (there == kUnreachable || home == kUnreachable) return kUnreachable;
            least[k] = std::max(least[k], there + home);
        }
    }

    std::array<Routes, kShapeCount> routes;
    std::array<int, kShapeCount> ownLeast{};
    for (int k = 0; k < kShapeCount; ++k) {
        if (!FindRoutes(k, holding, at, shapes, least, routes[k])) return kUnreachable;
        ownLeast[k] = INT_MAX;
        for (int r = 0; r < routes[k].count; ++r) ownLeast[k] = std::min(ownLeast[k], routes[k].list[r].own);
    }
    int extra = 0;
    for (int k = 0; k < kShapeCount; ++k) {
        int best = INT_MAX;
        for (int r = 0; r < routes[k].count; ++r) {
            const Route& route = routes[k].list[r];
            int sum = route.own;
            for (int i = 0; i < kShapeCount; ++i) {
                if (i != k) sum += std::max(ownLeast[i], route.help[i]);
            }
            best = std::min(best, sum);
        }
        extra = std::max(extra, best);
    }
    return least[0] + least[1] + least[2] + extra;
}

// The ways home of shape k, by the first tile on the way that holds its colour (none, when it
// can walk home without one); false when there is none at all.
bool MovesLeftBound::FindRoutes(int k, const std::array<uint64_t, kShapeCount>& holding,
                                const std::array<int, kShapeCount>& at,
                                const ShapePositions& shapes,
                                const std::array<int, kShapeCount>& least, Routes& routes) const {
    routes.count = 0;
    const int goal = goalCells_[k];
    // `length`: the walk home through `cell` at the least; cell -1 for a way that needs no one.
    auto add = [&](int length, int cell) {
        if (length < 0) return;
        Route route;
        route.own = std::max(0, length - least[k]);
        for (int i = 0; i < kShapeCount; ++i) {
            if (i == k || cell < 0 || Has(holding[i], cell)) continue;
            if (goalCells_[i] < 0) return;
            const int there = Walk(shapes[i], at[i], cell);
            const int home = Steps(cell, goalCells_[i]);
            if (there == kUnreachable || home == kUnreachable) return;
            route.help[i] = std::max(0, there + home - least[i]);
        }
        routes.list[routes.count++] = route;
    };
    if (at[k] < 0 || goal < 0 || at[k] == goal) {
        add(0, -1);
        return true;
    }

    const uint64_t blocked = holding[k];
    const uint64_t start = uint64_t{1} << at[k];
    // Stepping off and straight back onto its own tile, which it has coloured.
    if ((blocked & start) && (Neighbours(start) & ~blocked)) {
        const int home = Steps(at[k], goal);
        add(home == kUnreachable ? -1 : 2 + home, at[k]);
    }
    uint64_t seen = start;
    uint64_t frontier = start;
    for (int d = 1; frontier; ++d) {
        const uint64_t next = Neighbours(frontier) & ~seen;
        seen |= next;
        for (uint64_t b = next & blocked; b; b &= b - 1) {
            const int cell = __builtin_ctzll(b);
            const int home = Steps(cell, goal);
            add(home == kUnreachable ? -1 : d + home, cell);
        }
        frontier = next & ~blocked;
        if (Has(frontier, goal)) {
            add(d, -1);
            break;
        }
    }
    return routes.count > 0;
}

}  // namespace qv
