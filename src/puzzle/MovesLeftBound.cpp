#include "puzzle/MovesLeftBound.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <vector>

namespace qv {

namespace {

constexpr uint8_t kFar = UINT8_MAX;
// Rounds of calls that make calls: each costs little, and deeper chains are rare.
constexpr int kCallRounds = 3;

int CellBit(TilePos pos) { return CellGrid::Bit(pos); }
uint64_t Bit(int cell) { return CellGrid::Mask(cell); }
bool Has(uint64_t cells, int cell) { return CellGrid::Has(cells, cell); }
int Lowest(uint64_t cells) { return CellGrid::Lowest(cells); }

}  // namespace

// Each shape walks at least its shortest way home over open cells. Beyond that, what the
// colours demand: a shape may not enter a tile holding its colour (White holds none) until
// every shape whose colour the tile lacks has called there, since only a visit by each of them
// turns it white. So where every way home of a shape enters such a tile (its goal, or a tile
// whose loss would cut it off from home), the tile's clearers must call there on their way
// home. A shape at home on a tile that another must pass has to leave and come back, two moves
// at least, and its coloured goal needs clearing again. Those are summed over the shapes.
//
// Then, for the shape it raises most: a shape that cannot take a shortest way home (or to a
// call) over tiles it may enter (the tiles it has just coloured on its way count, so it cannot
// simply turn back) either walks further or first meets such a tile, whose clearers walk
// there; the cheapest of these is added. The estimate can fall by more than one in a move (a cleared tile
// opens a whole region), so the search reopens states it reaches again by a shorter path.
MovesLeftBound::MovesLeftBound(const StateCodec& stateCodec, const ShapePositions& shapeGoals,
                               SolveStrategy strategy)
    : codec(stateCodec),
      grid(stateCodec),
      goals(shapeGoals),
      reference(strategy == SolveStrategy::Reference) {
    for (auto& row : steps) row.fill(kFar);
    const uint64_t open = grid.Open();
    for (uint64_t from = open; from; from &= from - 1) {
        const int a = Lowest(from);
        uint64_t seen = Bit(a);
        uint64_t frontier = seen;
        steps[a][a] = 0;
        for (uint8_t d = 1; frontier; ++d) {
            frontier = grid.Neighbours(frontier) & ~seen;
            seen |= frontier;
            for (uint64_t b = frontier; b; b &= b - 1) steps[a][Lowest(b)] = d;
        }
    }
    for (int k = 0; k < kShapeCount; ++k) {
        goalCells[k] = codec.CellIndex(goals[k].x, goals[k].y) >= 0 ? CellBit(goals[k]) : -1;
    }
    // Without cell c the open cells fall apart into pieces; a walk between two pieces enters c.
    for (uint64_t cuts = open; cuts; cuts &= cuts - 1) {
        const int c = Lowest(cuts);
        const std::vector<uint64_t> pieces = grid.PiecesWithout(c);
        for (std::size_t p = 0; p < pieces.size(); ++p) {
            for (uint64_t from = pieces[p]; from; from &= from - 1) {
                for (std::size_t q = 0; q < pieces.size(); ++q) {
                    if (q == p) continue;
                    for (uint64_t to = pieces[q]; to; to &= to - 1)
                        between[Lowest(from)][Lowest(to)] |= Bit(c);
                }
            }
        }
    }
    for (uint64_t from = open; from; from &= from - 1) {
        for (uint64_t to = open & ~Bit(Lowest(from)); to; to &= to - 1)
            between[Lowest(from)][Lowest(to)] |= Bit(Lowest(to));
    }
}

int MovesLeftBound::Walk(TilePos from, int fromCell, int to) const {
    // A shape still on its off-board start (bad data): the plain distance is a safe bound.
    if (fromCell < 0) return std::abs(from.x - to / kMaxHeight) + std::abs(from.y - to % kMaxHeight);
    const uint8_t distance = steps[fromCell][to];
    return distance == kFar ? kUnreachable : distance;
}

int MovesLeftBound::Estimate(const Holding& holding, const ShapePositions& shapes, int enough) const {
    Cells at{};
    for (int k = 0; k < kShapeCount; ++k)
        at[k] = codec.CellIndex(shapes[k].x, shapes[k].y) >= 0 ? CellBit(shapes[k]) : -1;
    if (reference) return ReferenceEstimate(holding, shapes, at);
    Cells least{};
    uint64_t passed = 0;  // cells some shape must still enter
    Holding entering{};
    for (int k = 0; k < kShapeCount; ++k) {
        if (goalCells[k] < 0) {
            // A goal off the open cells (bad data) can only be where its shape still stands,
            // and that shape must never move.
            if (shapes[k] != goals[k]) return kUnreachable;
            continue;
        }
        least[k] = Walk(shapes[k], at[k], goalCells[k]);
        if (least[k] == kUnreachable) return kUnreachable;
        entering[k] = at[k] >= 0 ? between[at[k]][goalCells[k]] : Bit(goalCells[k]);
        passed |= entering[k];
    }
    for (int k = 0; k < kShapeCount; ++k) {
        if (at[k] < 0 || at[k] != goalCells[k] || !Has(passed & ~entering[k], at[k])) continue;
        // Home, but in another's way: off and back on.
        least[k] = std::max(least[k], 2);
        entering[k] |= Bit(at[k]);
    }
    // The calls each shape must make: tiles another must enter while they hold its colour.
    Holding visits{};
    auto call = [&](Holding& callers, int k, int cell) {
        for (int i = 0; i < kShapeCount; ++i) {
            if (i != k && !Has(holding[i], cell)) callers[i] |= Bit(cell);
        }
    };
    for (int k = 0; k < kShapeCount; ++k) {
        for (uint64_t calls = entering[k] & holding[k]; calls; calls &= calls - 1)
            call(visits, k, Lowest(calls));
    }
    // A caller whose way there and way home both enter a cell enters it twice, and the cell
    // holds its colour in between unless its first visit made it white: the others must call
    // there in between, as they must where its way there meets a tile of its colour. Those
    // calls can make further calls, followed a few rounds.
    Holding followed{};
    for (int round = 0; round < kCallRounds; ++round) {
        bool more = false;
        for (int i = 0; i < kShapeCount; ++i) {
            if (at[i] < 0 || goalCells[i] < 0) continue;
            for (uint64_t calls = visits[i] & ~followed[i]; calls; calls &= calls - 1) {
                const int v = Lowest(calls);
                followed[i] |= Bit(v);
                const uint64_t there = between[at[i]][v];
                const uint64_t back = between[v][goalCells[i]];
                const uint64_t cells = (there & back & ~Bit(v)) | ((there | back) & holding[i]);
                for (uint64_t c = cells; c; c &= c - 1) call(visits, i, Lowest(c));
                more = true;
            }
        }
        if (!more) break;
    }
    for (int i = 0; i < kShapeCount; ++i) {
        const uint64_t all = visits[i];
        if (!all) continue;
        if (goalCells[i] < 0) return kUnreachable;
        const int tour = Tour(i, shapes[i], at[i], all);
        if (tour == kUnreachable) return kUnreachable;
        least[i] = std::max(least[i], tour);
    }

    const int sum = least[0] + least[1] + least[2];
    if (sum > enough) return sum;
    int extra = 0;
    for (int k = 0; k < kShapeCount; ++k) {
        if (goalCells[k] < 0) continue;
        for (uint64_t vias = visits[k] | Bit(goalCells[k]); vias; vias &= vias - 1) {
            const int more = RouteExtra(k, Lowest(vias), holding, shapes, at, least, extra);
            if (more == kUnreachable) return kUnreachable;
            extra = std::max(extra, more);
            if (sum + extra > enough) return sum + extra;
        }
    }
    return sum + extra;
}

// Each shape's walk home over open cells, raised to its calls at goal tiles that hold their
// owner's colour and lack its own; summed. A move lowers only the mover's term, by one at most,
// so this bound is consistent.
int MovesLeftBound::ReferenceEstimate(const Holding& holding, const ShapePositions& shapes,
                                      const Cells& at) const {
    auto walk = [&](TilePos from, int fromCell, TilePos to) {
        const int toCell = codec.CellIndex(to.x, to.y) >= 0 ? CellBit(to) : -1;
        if (fromCell < 0) return std::abs(from.x - to.x) + std::abs(from.y - to.y);
        return toCell < 0 ? kUnreachable : Walk(from, fromCell, toCell);
    };
    int sum = 0;
    for (int k = 0; k < kShapeCount; ++k) {
        int bound = walk(shapes[k], at[k], goals[k]);
        if (bound == kUnreachable) return kUnreachable;
        for (int owner = 0; owner < kShapeCount; ++owner) {
            const int goal = goalCells[owner];
            if (owner == k || shapes[owner] == goals[owner] || goal < 0 ||
                !Has(holding[owner], goal) || Has(holding[k], goal))
                continue;
            const int there = walk(shapes[k], at[k], goals[owner]);
            const int home = walk(goals[owner], goal, goals[k]);
            if (there == kUnreachable || home == kUnreachable) return kUnreachable;
            bound = std::max(bound, there + home);
        }
        sum += bound;
    }
    return sum;
}

// The shortest walk of shape k from `from` home that enters every cell of `visits`: every
// order when there are at most three, else the dearest pair.
int MovesLeftBound::Tour(int k, TilePos from, int fromCell, uint64_t visits) const {
    const int goal = goalCells[k];
    std::array<int, 64> cells;  // in rising order, as the bits come
    int count = 0;
    for (; visits; visits &= visits - 1) {
        const int cell = Lowest(visits);
        if (Walk(from, fromCell, cell) == kUnreachable || steps[cell][goal] == kFar)
            return kUnreachable;
        cells[count++] = cell;
    }
    if (count == 1) return Walk(from, fromCell, cells[0]) + steps[cells[0]][goal];
    auto length = [&](const int* order, int n) {
        int sum = Walk(from, fromCell, order[0]) + steps[order[n - 1]][goal];
        for (int i = 1; i < n; ++i) sum += steps[order[i - 1]][order[i]];
        return sum;
    };
    if (count <= 3) {
        int best = INT_MAX;
        do best = std::min(best, length(cells.data(), count));
        while (std::next_permutation(cells.begin(), cells.begin() + count));
        return best;
    }
    int dearest = 0;
    for (int i = 0; i < count; ++i) {
        for (int j = i + 1; j < count; ++j) {
            const int pair[2] = {cells[i], cells[j]};
            const int reversed[2] = {cells[j], cells[i]};
            dearest = std::max(dearest, std::min(length(pair, 2), length(reversed, 2)));
        }
    }
    return dearest;
}

// What shape k adds to the sum of least walks, itself and the clearers on its way, when it
// cannot walk home by way of `via` (its goal, or a call it must make) over the tiles it may
// enter as fast as its least walk. Breadth first over those tiles; the tiles of its colour met
// on the way are the ways on, each at the walk there. A call's way on that it must pass again
// on its way home needs clearing twice: after its first visit the tile holds its colour again,
// until every other shape has called there once more. Once it is known to add no more than
// `floor`, the rest need not be looked at.
int MovesLeftBound::RouteExtra(int k, int via, const Holding& holding, const ShapePositions& shapes,
                               const Cells& at, const Cells& least, int floor) const {
    const int goal = goalCells[k];
    if (at[k] < 0 || goal < 0 || at[k] == via) return 0;
    const int after = steps[via][goal];
    const uint64_t blocked = holding[k];
    const uint64_t start = Bit(at[k]);
    // Mostly it can: then nothing is added, and the ways on need not be looked at.
    uint64_t reached = start;
    for (int d = 0; d + after < least[k]; ++d) {
        const uint64_t grown = reached | (grid.Neighbours(reached) & ~blocked);
        if (grown == reached) break;
        reached = grown;
    }
    if (Has(reached, via)) return 0;

    const uint64_t again = via == goal ? 0 : between[via][goal];
    int best = INT_MAX;
    // The way on through `cell`, `d` moves from the start.
    auto wayOn = [&](int cell, int d) {
        const int on = steps[cell][via];
        if (on == kFar) return;
        int cost = std::max(0, d + on + after - least[k]);
        for (int i = 0; i < kShapeCount && cost < best; ++i) {
            const int calls = (i != k && !Has(holding[i], cell)) + (i != k && Has(again, cell));
            if (calls == 0) continue;
            const int there = goalCells[i] < 0 ? kUnreachable : Walk(shapes[i], at[i], cell);
            if (there == kUnreachable) return;
            cost += std::max(0, there + steps[cell][goalCells[i]] + 2 * (calls - 1) - least[i]);
        }
        best = std::min(best, cost);
    };
    // Stepping off and straight back onto its own tile, which holds its colour.
    if ((blocked & start) && (grid.Neighbours(start) & ~blocked)) wayOn(at[k], 2);
    uint64_t seen = start;
    uint64_t frontier = start;
    for (int d = 1; frontier && d + after - least[k] < best && best > floor; ++d) {
        const uint64_t next = grid.Neighbours(frontier) & ~seen;
        seen |= next;
        for (uint64_t b = next & blocked; b; b &= b - 1) wayOn(Lowest(b), d);
        frontier = next & ~blocked;
        if (Has(frontier, via)) {
            best = std::min(best, std::max(0, d + after - least[k]));
            break;
        }
    }
    return best == INT_MAX ? kUnreachable : best;
}

}  // namespace qv
