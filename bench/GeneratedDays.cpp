// qv_generated_days: prints the puzzles of a week of days and of the first seeds of each grade,
// as level text with their par, the same on every machine. tools/generator_web_check.sh builds
// it for the browser too and compares the two: a puzzle must not depend on the compiler.
//   qv_generated_days [YYYY-MM-DD [SEEDS]]   the week from that day (default 2026-12-07), and
//                                            SEEDS seeds of each grade (default 3), in slices
#include <cstdlib>
#include <iostream>
#include <optional>
#include <string>

#include "generator/DailyPuzzle.h"
#include "generator/PuzzleGenerator.h"

using namespace qv;

namespace {

void Print(const PuzzleSeed& seed, double sliceSeconds) {
    PuzzleGenerator generator(seed.grade, seed.seed);
    while (!generator.Advance(sliceSeconds)) {
    }
    const GeneratedPuzzle& puzzle = generator.Result();
    puzzle.level.WriteLevel(std::cout);
    std::cout << " (par " << puzzle.measures.solve.moveCount << ")\n";
}

}  // namespace

int main(int argc, char** argv) {
    const std::optional<CalendarDate> first = ParseDate(argc > 1 ? argv[1] : "2026-12-07");
    const int seeds = argc > 2 ? std::atoi(argv[2]) : 3;
    if (!first || seeds < 0) {
        std::cerr << "usage: qv_generated_days [YYYY-MM-DD [SEEDS]]\n";
        return 2;
    }
    const int64_t firstDay = DayNumber(*first);
    for (int64_t day = firstDay; day < firstDay + 7; ++day) {
        const CalendarDate date = DateAt(day * 86400);
        std::cout << DateText(date) << ": ";
        Print(DailyPuzzle(date), 0);
    }
    // The endless puzzles in slices of 2 ms, as a screen makes them.
    for (int g = 0; g < kGradeCount; ++g) {
        for (int s = 1; s <= seeds; ++s)
            Print({static_cast<Grade>(g), static_cast<uint32_t>(s)}, 0.002);
    }
    return 0;
}
