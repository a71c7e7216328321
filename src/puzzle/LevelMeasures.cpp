#include "puzzle/LevelMeasures.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <deque>

#include "puzzle/MoveRule.h"
#include "puzzle/SolveSearch.h"

namespace qv {

namespace {

constexpr StepDirection kDirections[] = {StepDirection::Up, StepDirection::Down,
                                         StepDirection::Left, StepDirection::Right};

bool OnTile(const Level& level, TilePos pos) {
    return pos.x >= 0 && pos.y >= 0 && pos.x < level.Columns() && pos.y < level.Rows() &&
           level.Tile(pos.x, pos.y) != TileColor::Black;
}

void MeasureRuns(LevelMeasures& measures) {
    const std::vector<SolverMove>& moves = measures.solve.solution;
    int run = 0;
    for (std::size_t i = 0; i < moves.size(); ++i) {
        if (i > 0 && moves[i].shape == moves[i - 1].shape) {
            ++run;
        } else {
            if (i > 0) ++measures.switches;
            run = 1;
        }
        measures.longestRun = std::max(measures.longestRun, run);
    }
}

}  // namespace

std::vector<TilePos> SameColourArea(const Level& level, TilePos from) {
    const TileColor colour = level.Tile(from.x, from.y);
    std::vector<TilePos> area{from};
    std::array<bool, kCellCount> in{};
    in[from.x * kMaxHeight + from.y] = true;
    for (std::size_t i = 0; i < area.size(); ++i) {
        for (StepDirection direction : kDirections) {
            const TilePos next = StepTarget(area[i], direction);
            if (!OnTile(level, next) || in[next.x * kMaxHeight + next.y] ||
                level.Tile(next.x, next.y) != colour)
                continue;
            in[next.x * kMaxHeight + next.y] = true;
            area.push_back(next);
        }
    }
    return area;
}

int OpenBoardWalk(const Level& level, TilePos from, TilePos to) {
    if (!OnTile(level, from) || !OnTile(level, to)) return -1;
    std::array<int, kCellCount> distance;
    distance.fill(-1);
    distance[from.x * kMaxHeight + from.y] = 0;
    std::deque<TilePos> queue{from};
    while (!queue.empty()) {
        const TilePos at = queue.front();
        queue.pop_front();
        const int here = distance[at.x * kMaxHeight + at.y];
        if (at == to) return here;
        for (StepDirection direction : kDirections) {
            const TilePos next = StepTarget(at, direction);
            if (!OnTile(level, next) || distance[next.x * kMaxHeight + next.y] >= 0) continue;
            distance[next.x * kMaxHeight + next.y] = here + 1;
            queue.push_back(next);
        }
    }
    return -1;
}

int OpenBoardWalks(const Level& level) {
    int walk = 0;
    for (int k = 0; k < kShapeCount; ++k) {
        const auto kind = static_cast<ShapeKind>(k);
        walk += OpenBoardWalk(level, level.ShapePos(kind), level.GoalPos(kind));
    }
    return walk;
}

void MeasureSolution(const Level& level, LevelMeasures& measures) {
    MeasureRuns(measures);
    measures.walk = OpenBoardWalks(level);
    measures.detour = measures.solve.moveCount - measures.walk;
}

std::vector<TilePos> IdleColours(const Level& level, int par, const SolverLimits& limits,
                                 bool& undecided) {
    std::vector<TilePos> idle;
    undecided = false;
    // A whitened area matters when the level then takes fewer moves, more, or has no solution:
    // a search for at most par moves tells all three apart from "par, as before".
    SolverLimits bounded = limits;
    bounded.maxMoves = par;
    bounded.wayStates = 0;
    bounded.waySeconds = 0;
    std::array<bool, kCellCount> seen{};
    for (int y = 0; y < level.Rows(); ++y) {
        for (int x = 0; x < level.Columns(); ++x) {
            const TileColor colour = level.Tile(x, y);
            if (seen[x * kMaxHeight + y] || colour == TileColor::Black || colour == TileColor::White)
                continue;
            const std::vector<TilePos> area = SameColourArea(level, TilePos{static_cast<int16_t>(x),
                                                                            static_cast<int16_t>(y)});
            Level white = level;
            for (const TilePos& tile : area) {
                seen[tile.x * kMaxHeight + tile.y] = true;
                white.Tile(tile.x, tile.y) = TileColor::White;
            }
            const SolveResult result = SolveLevel(white, bounded);
            if (result.outcome == SolveOutcome::Undecided) undecided = true;
            if (result.outcome == SolveOutcome::Solved && result.moveCount == par) {
                idle.insert(idle.end(), area.begin(), area.end());
            }
        }
    }
    return idle;
}

}  // namespace qv
