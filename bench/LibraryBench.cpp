// Choosing a set reads its twenty level files from disk every time.
#include <benchmark/benchmark.h>

#include "BenchSupport.h"
#include "content/LevelLibrary.h"
#include "content/Settings.h"

using namespace qv;

namespace {

void BM_LoadSetOfTwentyLevels(benchmark::State& state) {
    ScratchGameFolder folder;
    folder.WriteTwentyLevelSet();
    Settings settings;
    LevelLibrary library(settings);
    for (auto _ : state) {
        library.SelectSet(1);
        benchmark::DoNotOptimize(library.LevelAt(19).width);
    }
    if (library.Set(1).levelCount != kMaxLevelsPerSet) state.SkipWithError("set not loaded");
    state.SetItemsProcessed(state.iterations() * kMaxLevelsPerSet);
}
BENCHMARK(BM_LoadSetOfTwentyLevels)->Unit(benchmark::kMicrosecond);

}  // namespace
