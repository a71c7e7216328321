// qv-solve: tells whether levels can be solved, in how few moves, and how.
//   qv-solve [--max-states N] [--max-seconds S] [--board-offset] FILE... [--tutorial N]...
//   qv-solve [--max-states N] [--max-seconds S] --table BETA_FILE
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "content/LevelLibrary.h"
#include "content/Tutorial.h"
#include "puzzle/BoardCentring.h"
#include "puzzle/Level.h"
#include "puzzle/Solver.h"
#include "util/ErrorReport.h"

using namespace qv;

namespace {

// Load messages go to standard error instead of a dialog, and are counted so that a level
// which failed to load is not solved as if it were whole.
class ConsoleSink : public ErrorSink {
public:
    void Show(const std::string& title, const std::string& text) override {
        std::cerr << "qv-solve: " << title << ": " << text << '\n';
        ++count;
    }
    int count = 0;
};

void Usage() {
    std::cerr << "usage: qv-solve [--max-states N] [--max-seconds S] [--board-offset] FILE... "
                 "[--tutorial N]...\n"
                 "       qv-solve [--max-states N] [--max-seconds S] --table BETA_FILE\n"
                 "  Solves each level file (and tutorial level N, 0 to "
              << kTutorialLevelCount - 1
              << ") and prints the fewest moves and one shortest solution.\n"
                 "  --board-offset also prints where the play screen shifts the tile grid.\n"
                 "  --table prints every set of a set list file as a markdown table of its\n"
                 "  levels' fewest moves; run it from the game folder, where the paths lead.\n"
                 "  Limits default to 20000000 states and 600 seconds; 0 means none.\n";
}

bool ParseCount(const std::string& text, long long& value) {
    char* end = nullptr;
    value = std::strtoll(text.c_str(), &end, 10);
    return !text.empty() && *end == '\0' && value >= 0;
}

// Set by --board-offset: scripts that click on tiles need the play screen's centring.
bool printBoardOffset = false;

void PrintResult(const Level& level, const std::string& source, const SolveResult& result) {
    std::cout << level.name << " (" << source << ")\n";
    if (printBoardOffset) {
        const BoardOffset offset = CentredBoardOffset(level);
        std::cout << "  board offset: " << offset.x << ' ' << offset.y << '\n';
    }
    switch (result.outcome) {
    case SolveOutcome::Solved:
        std::cout << "  solvable, fewest moves: " << result.moveCount << '\n';
        for (std::size_t i = 0; i < result.solution.size(); ++i) {
            std::cout << "  " << i + 1 << ". " << DescribeMove(result.solution[i]) << '\n';
        }
        break;
    case SolveOutcome::Unsolvable:
        std::cout << "  not solvable\n";
        break;
    case SolveOutcome::Undecided:
        std::cout << "  undecided: the search reached its limits\n";
        break;
    }
    char timing[64];
    std::snprintf(timing, sizeof timing, "%.3f", result.seconds);
    std::cout << "  states explored: " << result.statesExplored << ", time: " << timing << " s\n";
}

std::string MovesCell(const SolveResult& result) {
    switch (result.outcome) {
    case SolveOutcome::Solved: return std::to_string(result.moveCount);
    case SolveOutcome::Unsolvable: return "not solvable";
    case SolveOutcome::Undecided: break;
    }
    return "undecided";
}

// The sets are loaded the way the game loads them, so the table shows what a player gets.
// False when the file can't be read, a level failed to load or one has no solution.
bool PrintTable(const std::string& betaFile, const SolverLimits& limits, const ConsoleSink& sink) {
    std::ifstream in(betaFile);
    if (!in) {
        std::cerr << "qv-solve: cannot read " << betaFile << '\n';
        return false;
    }
    auto library = std::make_unique<LevelLibrary>();
    library->ReadSetList(in);
    const int errorsBefore = sink.count;
    bool allSolved = true;
    for (int32_t s = 1; s < library->setCount; ++s) {
        if (library->sets[s].name.empty()) continue;
        library->SelectSet(s);
        std::cout << (s > 1 ? "\n" : "") << "### " << library->sets[s].name << "\n\n"
                  << "| # | Level | Fewest moves |\n|---|---|---|\n";
        for (int32_t i = 0; i < library->sets[s].levelCount; ++i) {
            const SolveResult result = SolveLevel(library->levels[i], limits);
            allSolved = allSolved && result.outcome == SolveOutcome::Solved;
            std::cout << "| " << i + 1 << " | " << library->levels[i].name << " | "
                      << MovesCell(result) << " |\n";
        }
    }
    return allSolved && sink.count == errorsBefore;
}

}  // namespace

int main(int argc, char** argv) {
    ConsoleSink sink;
    SetErrorSink(&sink);
    SolverLimits limits;
    limits.maxStates = 20000000;
    limits.maxSeconds = 600;

    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) {
        Usage();
        return 2;
    }
    bool failed = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--table") {
            if (i + 1 >= args.size()) {
                Usage();
                return 2;
            }
            failed = !PrintTable(args[++i], limits, sink) || failed;
            continue;
        }
        const bool takesValue = arg == "--max-states" || arg == "--max-seconds" || arg == "--tutorial";
        long long value = 0;
        if (takesValue && (i + 1 >= args.size() || !ParseCount(args[i + 1], value))) {
            Usage();
            return 2;
        }
        if (arg == "--board-offset") {
            printBoardOffset = true;
        } else if (arg == "--max-states") {
            limits.maxStates = static_cast<std::size_t>(value);
        } else if (arg == "--max-seconds") {
            limits.maxSeconds = static_cast<double>(value);
        } else if (arg == "--tutorial") {
            if (value >= kTutorialLevelCount) {
                std::cerr << "qv-solve: there is no tutorial level " << value << '\n';
                failed = true;
            } else {
                const Level level = TutorialLevel(static_cast<int>(value));
                PrintResult(level, "tutorial " + std::to_string(value), SolveLevel(level, limits));
            }
        } else if (arg.rfind("--", 0) == 0) {
            Usage();
            return 2;
        } else {
            Level level;
            level.filePath = arg;
            const int errorsBefore = sink.count;
            level.LoadLevel();
            if (sink.count != errorsBefore) {
                failed = true;
            } else {
                PrintResult(level, arg, SolveLevel(level, limits));
            }
        }
        if (takesValue) ++i;
    }
    return failed ? 1 : 0;
}
