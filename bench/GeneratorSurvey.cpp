// qv_generator_survey: how long the puzzle generator takes to make a puzzle of each grade, from
// seed after seed, and how many of the candidates it measures in full it keeps; with --print,
// each puzzle as a design grid with its measures, to look at. With --random, instead, how many
// of the solver survey's random levels the generator's filter keeps, as drawn and once the
// colours they do not need are white.
//   qv_generator_survey [--seeds N] [--first-seed N] [--grades easy,medium,...] [--slice S]
//                       [--print]
//   qv_generator_survey --random
#include <algorithm>
#include <time.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "RandomLevels.h"
#include "generator/Grade.h"
#include "generator/LevelSimplifier.h"
#include "generator/PuzzleFilter.h"
#include "generator/PuzzleGenerator.h"
#include "puzzle/Level.h"
#include "puzzle/LevelMeasures.h"
#include "puzzle/MeasureSearch.h"

using namespace qv;

namespace {

struct Options {
    int seeds = 20;
    uint32_t firstSeed = 1;
    std::vector<Grade> grades{Grade::Easy, Grade::Medium, Grade::Hard, Grade::Expert};
    double slice = 0;
    bool print = false;
    bool random = false;
};

// The level tools' design grid: a token per cell, the tile ('.' none, W R Y O B P G), then
// c s t for the shapes and C S T for their goals.
std::string Grid(const Level& level) {
    static const char kTiles[] = ".RYOBPGW";
    std::string grid;
    for (int y = 0; y < level.Rows(); ++y) {
        std::string line;
        for (int x = 0; x < level.Columns(); ++x) {
            std::string token(1, kTiles[static_cast<int>(level.Tile(x, y))]);
            const TilePos at{static_cast<int16_t>(x), static_cast<int16_t>(y)};
            for (int k = 0; k < kShapeCount; ++k)
                if (level.ShapePos(static_cast<ShapeKind>(k)) == at) token += "cst"[k];
            for (int k = 0; k < kShapeCount; ++k)
                if (level.GoalPos(static_cast<ShapeKind>(k)) == at) token += "CST"[k];
            token.resize(4, ' ');
            line += token;
        }
        while (!line.empty() && line.back() == ' ') line.pop_back();
        grid += line + "\n";
    }
    return grid;
}

// The processor time this program has had: on a machine others share, what a puzzle costs
// whatever the load.
double CpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

double ThreadCpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n == 0 ? 0 : n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

bool ParseArgs(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--seeds" && hasValue) {
            options.seeds = std::atoi(argv[++i]);
        } else if (arg == "--first-seed" && hasValue) {
            options.firstSeed = static_cast<uint32_t>(std::strtoul(argv[++i], nullptr, 10));
        } else if (arg == "--slice" && hasValue) {
            options.slice = std::atof(argv[++i]);
        } else if (arg == "--grades" && hasValue) {
            options.grades.clear();
            std::string list = argv[++i];
            for (std::size_t start = 0; start <= list.size();) {
                const std::size_t comma = std::min(list.find(',', start), list.size());
                const auto grade = GradeNamed(list.substr(start, comma - start));
                if (!grade) return false;
                options.grades.push_back(*grade);
                start = comma + 1;
            }
        } else if (arg == "--print") {
            options.print = true;
        } else if (arg == "--random") {
            options.random = true;
        } else {
            return false;
        }
    }
    return options.seeds > 0;
}

// The filter's verdict on a level, its idle colours searched within the same limits.
PuzzleVerdict Judge(const Level& level, const SolverLimits& limits) {
    const LevelMeasures measures = MeasureLevel(level, limits);
    int idle = -1;
    if (measures.solve.outcome == SolveOutcome::Solved) {
        bool undecided = false;
        const std::size_t tiles =
            IdleColours(level, measures.solve.moveCount, limits, undecided).size();
        if (!undecided) idle = static_cast<int>(tiles);
    }
    return JudgePuzzle(measures, idle);
}

// The survey's random levels through the filter, as drawn and with their idle colours white.
void RandomSurvey() {
    SolverLimits limits;
    limits.maxStates = 1000000;
    int levels = 0, drawn = 0, simplified = 0;
    for (const RandomLevel& random : RandomLevels()) {
        const Level level = ParseLevelString(random.numbers, "random", "", "", "");
        ++levels;
        const PuzzleVerdict verdict = Judge(level, limits);
        drawn += verdict.Kept() ? 1 : 0;
        const LevelMeasures measures = MeasureLevel(level, limits, false);
        if (measures.solve.outcome != SolveOutcome::Solved) continue;
        LevelSimplifier simplifier(level, measures.solve.moveCount, limits,
                                   LevelSimplifier::Scope::Colours);
        SliceBudget whole(0);
        simplifier.Advance(whole);
        simplified += !simplifier.Undecided() && Judge(simplifier.Result(), limits).Kept() ? 1 : 0;
    }
    std::printf("%d random levels: %d kept as drawn, %d once their idle colours are white\n",
                levels, drawn, simplified);
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    if (!ParseArgs(argc, argv, options)) {
        std::fprintf(stderr,
                     "usage: qv_generator_survey [--seeds N] [--first-seed N] "
                     "[--grades easy,medium,hard,expert] [--slice S] [--print]\n");
        return 2;
    }
    if (options.random) {
        RandomSurvey();
        return 0;
    }
    std::printf("| Grade | Puzzles | Median s | Longest s | Median CPU s | Longest CPU s | "
                "Drafts a puzzle | Candidates kept | Moves | Detour |\n"
                "|---|---|---|---|---|---|---|---|---|---|\n");
    std::string printed;
    double longestSlice = 0;
    double longestSliceCpu = 0;
    for (const Grade grade : options.grades) {
        std::vector<double> seconds, cpu;
        std::vector<double> moves, detours;
        int drafts = 0, candidates = 0, found = 0;
        for (int i = 0; i < options.seeds; ++i) {
            const uint32_t seed = options.firstSeed + static_cast<uint32_t>(i);
            const auto began = std::chrono::steady_clock::now();
            const double cpuBefore = CpuSeconds();
            PuzzleGenerator generator(grade, seed);
            for (bool done = false; !done;) {
                const auto sliceBegan = std::chrono::steady_clock::now();
                const double cpuBegan = ThreadCpuSeconds();
                done = generator.Advance(options.slice);
                const auto sliceEnded = std::chrono::steady_clock::now();
                longestSlice = std::max(
                    longestSlice, std::chrono::duration<double>(sliceEnded - sliceBegan).count());
                longestSliceCpu = std::max(longestSliceCpu, ThreadCpuSeconds() - cpuBegan);
            }
            seconds.push_back(
                std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count());
            cpu.push_back(CpuSeconds() - cpuBefore);
            const GeneratedPuzzle& puzzle = generator.Result();
            drafts += puzzle.drafts;
            candidates += puzzle.candidates;
            if (!puzzle.found) continue;
            ++found;
            const LevelMeasures& m = puzzle.measures;
            moves.push_back(m.solve.moveCount);
            detours.push_back(m.detour);
            if (options.print) {
                char head[400];
                std::snprintf(head, sizeof head,
                              "= %s: %d moves, detour %d, %zu states, best starts %d of %d, "
                              "traps %d (depth %d, dead %d), switches %d, longest run %d; "
                              "%d drafts, %.2f s\n",
                              puzzle.level.name.c_str(), m.solve.moveCount, m.detour,
                              m.solve.statesExplored, m.optimalFirstMoves, m.firstMoves, m.traps,
                              m.trapDepth, m.deadStarts, m.switches, m.longestRun, puzzle.drafts,
                              seconds.back());
                printed += head + Grid(puzzle.level) + "\n";
            }
        }
        std::printf("| %s | %d of %d | %.2f | %.2f | %.2f | %.2f | %.1f | %.0f %% | %.0f | "
                    "%.0f |\n",
                    GradeName(grade), found, options.seeds, Median(seconds),
                    *std::max_element(seconds.begin(), seconds.end()), Median(cpu),
                    *std::max_element(cpu.begin(), cpu.end()),
                    static_cast<double>(drafts) / options.seeds,
                    candidates > 0 ? 100.0 * found / candidates : 0.0, Median(moves),
                    Median(detours));
        std::fflush(stdout);
    }
    if (options.slice > 0)
        std::printf("\nIn slices of %.0f ms: the longest took %.1f ms, %.1f ms of it on the "
                    "processor\n",
                    options.slice * 1000, longestSlice * 1000, longestSliceCpu * 1000);
    if (options.print) std::printf("\n%s", printed.c_str());
    return 0;
}
