// qv-solve: tells whether levels can be solved, in how few moves, and how.
//   qv-solve [OPTIONS] FILE... [--tutorial N]...
//   qv-solve [OPTIONS] --table BETA_FILE
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "content/LevelLibrary.h"
#include "content/Tutorial.h"
#include "puzzle/BoardCentring.h"
#include "puzzle/BoardTag.h"
#include "puzzle/Level.h"
#include "puzzle/Solver.h"
#include "puzzle/LevelMeasures.h"
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

void Usage(std::ostream& out) {
    out << "usage: qv-solve [OPTIONS] FILE... [--tutorial N]...\n"
           "       qv-solve [OPTIONS] --table BETA_FILE\n"
           "  Solves each level file (and tutorial level N, 0 to "
        << kTutorialLevelCount - 1
        << ") and prints the fewest moves and one shortest solution.\n"
           "  --table solves every level of every set of a set list file and prints a\n"
           "  markdown table per set with the measures below; run it from the game folder,\n"
           "  where the paths lead.\n"
           "options:\n"
           "  --measures      also print the design measures of each level\n"
           "  --colours       also list the idle colours of each solved level (a search\n"
           "                  per coloured area)\n"
           "  --json          one JSON object per level and line instead of text: source,\n"
           "                  name, tag (of its board, as par.txt and records.save keep it),\n"
           "                  outcome (solved, unsolvable, undecided, or way: solvable\n"
           "                  by the way found, which may not be the shortest), moves (the\n"
           "                  fewest, or the way's), states, seconds, solution (moves like\n"
           "                  \"c0,1r\": shape, column, row, direction), walk, detour,\n"
           "                  switches, longest_run (null when not solved); with --measures\n"
           "                  or --table also best_starts, first_moves, traps, trap_depth,\n"
           "                  dead_starts (null when a search hit the limits); with --colours\n"
           "                  idle_colours ([x, y] pairs, null when undecided); with --table set\n"
           "  --board-offset  also print where the play screen shifts the tile grid\n"
           "  --max-states N, --max-seconds S\n"
           "                  limits of each search, by default 20000000 states and 600\n"
           "                  seconds; 0 means none\n"
           "  --way-states N, --way-seconds S\n"
           "                  when the shortest is not found within those limits, search on\n"
           "                  for any way home within these (by default no such search)\n"
           "  --game-limits   search exactly as the game does for a hint or the editor's\n"
           "                  check: its limits, the shortest first, then a way\n"
           "measures:\n"
        << kMeasuresHelp;
}

bool ParseCount(const std::string& text, long long& value) {
    char* end = nullptr;
    value = std::strtoll(text.c_str(), &end, 10);
    return !text.empty() && *end == '\0' && value >= 0;
}

struct Options {
    SolverLimits limits{20000000, 600, 0, 0, 0};
    SolveStrategy strategy = SolveStrategy::Reference;
    bool json = false;
    bool measures = false;
    bool colours = false;
    bool boardOffset = false;
};

std::string Seconds(double seconds) {
    char text[64];
    std::snprintf(text, sizeof text, "%.3f", seconds);
    return text;
}

std::string JsonString(const std::string& text) {
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
            quoted += escaped;
        } else {
            quoted += c;
        }
    }
    return quoted + '"';
}

std::string CompactMove(const SolverMove& move) {
    static const char kDirectionLetters[] = "udlr";
    return std::string(1, ShapeName(move.shape)[0]) + std::to_string(move.from.x) + "," +
           std::to_string(move.from.y) + kDirectionLetters[static_cast<int>(move.direction)];
}

// Tiles as "[[x, y], ...]", or null when a search was undecided.
std::string JsonTiles(const std::vector<TilePos>& tiles, bool known) {
    if (!known) return "null";
    std::string text = "[";
    for (std::size_t i = 0; i < tiles.size(); ++i) {
        text += (i > 0 ? ", [" : "[") + std::to_string(tiles[i].x) + ", " + std::to_string(tiles[i].y) + "]";
    }
    return text + "]";
}

struct Colours {
    bool asked = false;
    bool known = false;
    std::vector<TilePos> idle;
};

Colours MeasureColours(const Level& level, const LevelMeasures& measures, const Options& options) {
    Colours colours;
    colours.asked = options.colours;
    if (!options.colours || measures.solve.outcome != SolveOutcome::Solved) return colours;
    bool undecided = false;
    colours.idle = IdleColours(level, measures.solve.moveCount, options.limits, undecided);
    colours.known = !undecided;
    return colours;
}

void PrintJson(const Level& level, const std::string& source, const std::string& setName,
               const LevelMeasures& measures, bool withFirstMoves, const Colours& colours) {
    const SolveResult& result = measures.solve;
    std::ostringstream line;
    line << "{\"source\": " << JsonString(source);
    if (!setName.empty()) line << ", \"set\": " << JsonString(setName);
    line << ", \"name\": " << JsonString(level.name) << ", \"tag\": \"" << BoardTag(level)
         << "\", \"outcome\": \""
         << OutcomeName(result.outcome) << "\", \"moves\": ";
    if (result.outcome == SolveOutcome::Solved || result.outcome == SolveOutcome::Way) {
        line << result.moveCount;
    } else {
        line << "null";
    }
    line << ", \"states\": " << result.statesExplored << ", \"seconds\": " << Seconds(result.seconds)
         << ", \"solution\": [";
    for (std::size_t i = 0; i < result.solution.size(); ++i) {
        line << (i > 0 ? ", " : "") << '"' << CompactMove(result.solution[i]) << '"';
    }
    line << ']';
    // The runs come from the solution alone; the first moves need every search decided.
    const auto count = [](bool known, int value) {
        return known ? std::to_string(value) : std::string("null");
    };
    const bool solved = result.outcome == SolveOutcome::Solved;
    line << ", \"walk\": " << count(solved, measures.walk)
         << ", \"detour\": " << count(solved, measures.detour)
         << ", \"switches\": " << count(solved, measures.switches)
         << ", \"longest_run\": " << count(solved, measures.longestRun);
    if (withFirstMoves) {
        line << ", \"best_starts\": " << count(measures.complete, measures.optimalFirstMoves)
             << ", \"first_moves\": " << count(measures.complete, measures.firstMoves)
             << ", \"traps\": " << count(measures.complete, measures.traps)
             << ", \"trap_depth\": " << count(measures.complete, measures.trapDepth)
             << ", \"dead_starts\": " << count(measures.complete, measures.deadStarts);
    }
    if (colours.asked) line << ", \"idle_colours\": " << JsonTiles(colours.idle, colours.known);
    std::cout << line.str() << "}\n";
}

void PrintText(const Level& level, const std::string& source, const LevelMeasures& measures,
               const Options& options, const Colours& colours) {
    const SolveResult& result = measures.solve;
    std::cout << level.name << " (" << source << ")\n";
    if (options.boardOffset) {
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
    case SolveOutcome::Way:
        std::cout << "  solvable, a way of " << result.moveCount
                  << " moves found; fewer may be possible\n";
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
    std::cout << "  states explored: " << result.statesExplored << ", time: "
              << Seconds(result.seconds) << " s\n";
    if (options.measures && result.outcome == SolveOutcome::Solved) {
        std::cout << "  walk: " << measures.walk << ", detour: " << measures.detour << '\n';
    }
    if (options.measures && measures.complete) {
        std::cout << "  best starts: " << measures.optimalFirstMoves << " of "
                  << measures.firstMoves << ", traps: " << measures.traps
                  << ", trap depth: " << measures.trapDepth
                  << ", dead starts: " << measures.deadStarts << ", switches: " << measures.switches
                  << ", longest run: " << measures.longestRun << '\n';
    } else if (options.measures && result.outcome == SolveOutcome::Solved) {
        std::cout << "  measures undecided: a first move reached the limits\n";
    }
    if (colours.asked && colours.known) {
        std::cout << "  idle colours:";
        for (const TilePos& tile : colours.idle) std::cout << " (" << tile.x << "," << tile.y << ")";
        std::cout << (colours.idle.empty() ? " none\n" : "\n");
    } else if (colours.asked && result.outcome == SolveOutcome::Solved) {
        std::cout << "  idle colours undecided: a search reached the limits\n";
    }
}

// The first moves only when asked: they take a search each.
void Report(const Level& level, const std::string& source, const Options& options) {
    const LevelMeasures measures =
        MeasureLevel(level, options.limits, options.measures, options.strategy);
    const Colours colours = MeasureColours(level, measures, options);
    if (options.json) {
        PrintJson(level, source, "", measures, options.measures, colours);
    } else {
        PrintText(level, source, measures, options, colours);
    }
}

std::string TableCell(const LevelMeasures& measures, int value) {
    if (measures.complete) return std::to_string(value);
    return measures.solve.outcome == SolveOutcome::Solved ? "undecided"
                                                          : OutcomeName(measures.solve.outcome);
}

// The sets are loaded the way the game loads them, so the table shows what a player gets.
// False when the file can't be read, a level failed to load or one has no solution.
bool PrintTable(const std::string& betaFile, const Options& options, const ConsoleSink& sink) {
    std::ifstream in(betaFile);
    if (!in) {
        std::cerr << "qv-solve: cannot read " << betaFile << '\n';
        return false;
    }
    Settings settings;
    auto library = std::make_unique<LevelLibrary>(settings);
    library->ReadSetList(in);
    const int errorsBefore = sink.count;
    bool allMeasured = true;
    bool first = true;
    for (int32_t s = 1; s < library->SetCount(); ++s) {
        const LevelSet& set = library->Set(s);
        if (set.name.empty()) continue;
        library->SelectSet(s);
        if (!options.json) {
            std::cout << (first ? "" : "\n") << "### " << set.name << "\n\n"
                      << "| # | Level | Moves | Detour | States | Best starts | Traps | "
                         "Trap depth | Dead starts | Switches | Longest run |\n"
                         "|---|---|---|---|---|---|---|---|---|---|---|\n";
        }
        first = false;
        for (int32_t i = 0; i < set.levelCount; ++i) {
            const Level& level = library->LevelAt(i);
            const LevelMeasures m = MeasureLevel(level, options.limits, true, options.strategy);
            allMeasured = allMeasured && m.complete;
            if (options.json) {
                PrintJson(level, level.filePath, set.name, m, true, MeasureColours(level, m, options));
                continue;
            }
            std::cout << "| " << i + 1 << " | " << level.name << " | "
                      << TableCell(m, m.solve.moveCount) << " | " << TableCell(m, m.detour) << " | "
                      << m.solve.statesExplored << " | " << TableCell(m, m.optimalFirstMoves)
                      << " | " << TableCell(m, m.traps) << " | " << TableCell(m, m.trapDepth)
                      << " | " << TableCell(m, m.deadStarts) << " | " << TableCell(m, m.switches) << " | "
                      << TableCell(m, m.longestRun) << " |\n";
        }
    }
    return allMeasured && sink.count == errorsBefore;
}

}  // namespace

int main(int argc, char** argv) {
    ConsoleSink sink;
    SetErrorSink(&sink);
    Options options;

    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) {
        Usage(std::cerr);
        return 2;
    }
    // Options first, wherever they stand; then the levels in the order given.
    struct Target {
        std::string kind;  // "file", "tutorial" or "table"
        std::string value;
    };
    std::vector<Target> targets;
    bool gameLimits = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool takesValue = arg == "--max-states" || arg == "--max-seconds" ||
                                arg == "--way-states" || arg == "--way-seconds" ||
                                arg == "--tutorial" || arg == "--table";
        if (takesValue && i + 1 >= args.size()) {
            Usage(std::cerr);
            return 2;
        }
        long long value = 0;
        if (takesValue && arg != "--table" && !ParseCount(args[i + 1], value)) {
            Usage(std::cerr);
            return 2;
        }
        if (arg == "--help") {
            Usage(std::cout);
            return 0;
        } else if (arg == "--board-offset") {
            options.boardOffset = true;
        } else if (arg == "--json") {
            options.json = true;
        } else if (arg == "--measures") {
            options.measures = true;
        } else if (arg == "--colours") {
            options.colours = true;
        } else if (arg == "--max-states") {
            options.limits.maxStates = static_cast<std::size_t>(value);
        } else if (arg == "--max-seconds") {
            options.limits.maxSeconds = static_cast<double>(value);
        } else if (arg == "--way-states") {
            options.limits.wayStates = static_cast<std::size_t>(value);
        } else if (arg == "--way-seconds") {
            options.limits.waySeconds = static_cast<double>(value);
        } else if (arg == "--game-limits") {
            gameLimits = true;
        } else if (arg == "--tutorial" || arg == "--table") {
            targets.push_back({arg.substr(2), args[i + 1]});
        } else if (arg.rfind("--", 0) == 0) {
            Usage(std::cerr);
            return 2;
        } else {
            targets.push_back({"file", arg});
        }
        if (takesValue) ++i;
    }

    if (gameLimits) {
        // Whatever else was given: the game's search with the game's limits.
        options.limits = kHintLimits;
        options.strategy = SolveStrategy::Fast;
    }
    bool failed = false;
    for (const Target& target : targets) {
        if (target.kind == "table") {
            failed = !PrintTable(target.value, options, sink) || failed;
        } else if (target.kind == "tutorial") {
            const long long index = std::atoll(target.value.c_str());
            if (index >= kTutorialLevelCount) {
                std::cerr << "qv-solve: there is no tutorial level " << index << '\n';
                failed = true;
                continue;
            }
            Report(TutorialLevel(static_cast<int>(index)), "tutorial/" + target.value, options);
        } else {
            Level level;
            level.filePath = target.value;
            const int errorsBefore = sink.count;
            level.LoadLevel();
            if (sink.count != errorsBefore) {
                failed = true;
            } else {
                Report(level, target.value, options);
            }
        }
    }
    return failed ? 1 : 0;
}
