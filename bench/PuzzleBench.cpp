// The move rule with its undo, and the solver over every tutorial and shipped level.
#include <benchmark/benchmark.h>

#include "BenchSupport.h"
#include "content/Tutorial.h"
#include "puzzle/Level.h"
#include "puzzle/SolveSearch.h"

using namespace qv;

namespace {

// One move and its undo on "Mixing Colors": the circle steps from (0, 2) onto the blue tile
// at (1, 2), which turns purple, and goes back.
void BM_MoveShapeAndUndoMove(benchmark::State& state) {
    Level level = TutorialLevel(2);
    const TilePos circle = level.circlePos;
    for (auto _ : state) {
        const bool moved = level.MoveShape(circle, static_cast<int16_t>(circle.x + 1), circle.y);
        level.UndoMove();
        benchmark::DoNotOptimize(moved);
    }
    if (level.circlePos != circle || !level.playHistory.empty()) state.SkipWithError("undo failed");
}
BENCHMARK(BM_MoveShapeAndUndoMove);

void SolveOnce(benchmark::State& state, const Level& level) {
    SolveResult result;
    for (auto _ : state) {
        result = SolveLevel(level);
        benchmark::DoNotOptimize(result.moveCount);
    }
    state.counters["moves"] = result.moveCount;
    state.counters["states"] = static_cast<double>(result.statesExplored);
    if (result.outcome != SolveOutcome::Solved) state.SkipWithError("not solved");
}

}  // namespace

void RegisterSolverBenchmarks() {
    for (int i = 0; i < kTutorialLevelCount; ++i) {
        const Level level = TutorialLevel(i);
        benchmark::RegisterBenchmark(("BM_Solve/tutorial" + std::to_string(i)).c_str(),
                                     [level](benchmark::State& state) { SolveOnce(state, level); })
            ->Unit(benchmark::kMillisecond);
    }
    for (const auto& [file, level] : ShippedLevels()) {
        benchmark::RegisterBenchmark(("BM_Solve/" + file).c_str(),
                                     [level = level](benchmark::State& state) {
                                         SolveOnce(state, level);
                                     })
            ->Unit(benchmark::kMillisecond);
    }
}
