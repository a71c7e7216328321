// qv_solver_survey: what the solver answers on random plausible levels within the game's
// limits, by size class: a proven shortest solution, a way home, proven unsolvable, or nothing
// found; how much longer the ways are than the shortest, where a file of answers knows it; and
// its time and memory. With --answers it writes every level and its answer to a file; with
// --compare it checks the answers against such a file.
//   qv_solver_survey [--open] [--seed N] [--max-states N] [--max-seconds S] [--way-states N]
//                    [--way-seconds S] [--answers FILE] [--compare FILE] [--shortest FILE]
//                    [--only I,J,...]
#include <malloc.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <map>
#include <new>
#include <sstream>
#include <string>
#include <vector>

#include "RandomLevels.h"
#include "puzzle/Level.h"
#include "puzzle/SolveSearch.h"

using namespace qv;

// The solver's memory is whatever it allocates while it runs: every allocation of this
// program is counted, and the survey keeps the peak of each search.
namespace {
std::size_t g_heapNow = 0;
std::size_t g_heapPeak = 0;

void* Counted(std::size_t size) {
    void* block = std::malloc(size == 0 ? 1 : size);
    if (!block) throw std::bad_alloc();
    g_heapNow += malloc_usable_size(block);
    g_heapPeak = std::max(g_heapPeak, g_heapNow);
    return block;
}

void Uncounted(void* block) noexcept {
    if (!block) return;
    g_heapNow -= malloc_usable_size(block);
    std::free(block);
}
}  // namespace

void* operator new(std::size_t size) { return Counted(size); }
void* operator new[](std::size_t size) { return Counted(size); }
void operator delete(void* block) noexcept { Uncounted(block); }
void operator delete[](void* block) noexcept { Uncounted(block); }
void operator delete(void* block, std::size_t) noexcept { Uncounted(block); }
void operator delete[](void* block, std::size_t) noexcept { Uncounted(block); }

namespace {

struct Answer {
    SolveOutcome outcome = SolveOutcome::Undecided;
    int moves = 0;
};

struct Measured {
    int sizeClass = 0;
    std::string numbers;
    Answer answer;
    int shortest = 0;  // the proven fewest moves from --shortest, or 0
    std::size_t states = 0;
    double seconds = 0;
    std::size_t bytes = 0;
};

Measured Measure(const RandomLevel& random, const SolverLimits& limits) {
    Measured measured;
    measured.sizeClass = random.sizeClass;
    measured.numbers = random.numbers;
    const Level level = ParseLevelString(random.numbers, "random", "", "", "");
    const std::size_t before = g_heapNow;
    g_heapPeak = before;
    const SolveResult result = SolveLevel(level, limits);
    measured.bytes = g_heapPeak - before;
    measured.answer = {result.outcome, result.moveCount};
    measured.states = result.statesExplored;
    measured.seconds = result.seconds;
    return measured;
}

template <typename T>
T Median(std::vector<T> values) {
    if (values.empty()) return T{};
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

std::string Percent(int count, int total) {
    char text[32];
    std::snprintf(text, sizeof text, "%.0f %%", total > 0 ? 100.0 * count / total : 0.0);
    return text;
}

std::string Fixed(double value, int decimals) {
    char text[32];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

int Count(const std::vector<const Measured*>& rows, SolveOutcome outcome) {
    return static_cast<int>(std::count_if(rows.begin(), rows.end(), [&](const Measured* row) {
        return row->answer.outcome == outcome;
    }));
}

void PrintRow(const std::string& name, const std::vector<const Measured*>& rows) {
    std::vector<double> ms;
    std::vector<double> mb;
    std::vector<int> extra;  // moves a way takes beyond the proven shortest
    for (const Measured* row : rows) {
        ms.push_back(row->seconds * 1000);
        mb.push_back(static_cast<double>(row->bytes) / 1e6);
        if (row->answer.outcome == SolveOutcome::Way && row->shortest > 0)
            extra.push_back(row->answer.moves - row->shortest);
    }
    const int total = static_cast<int>(rows.size());
    const std::string beyond =
        extra.empty() ? "-"
                      : "+" + std::to_string(Median(extra)) + " (" + std::to_string(extra.size()) + ")";
    std::cout << "| " << name << " | " << total << " | "
              << Percent(Count(rows, SolveOutcome::Solved), total) << " | "
              << Percent(Count(rows, SolveOutcome::Way), total) << " | "
              << Percent(Count(rows, SolveOutcome::Unsolvable), total) << " | "
              << Percent(Count(rows, SolveOutcome::Undecided), total) << " | " << beyond << " | "
              << Fixed(Median(ms), 1) << " | " << Fixed(*std::max_element(ms.begin(), ms.end()), 0)
              << " | " << Fixed(Median(mb), 1) << " | "
              << Fixed(*std::max_element(mb.begin(), mb.end()), 0) << " |\n";
}

// The median of the peak heap over the states stored, for searches long enough that the
// table dwarfs what every search allocates anyway.
void PrintBytesPerState(const std::vector<const Measured*>& rows) {
    std::vector<double> perState;
    for (const Measured* row : rows) {
        if (row->states >= 100000) perState.push_back(static_cast<double>(row->bytes) / static_cast<double>(row->states));
    }
    if (perState.empty()) return;
    std::cout << "\nBytes per state (peak heap / states, searches of 100,000 states or more): median "
              << Fixed(Median(perState), 1) << ", largest "
              << Fixed(*std::max_element(perState.begin(), perState.end()), 1) << " over "
              << perState.size() << " searches\n";
}

void WriteAnswers(const std::string& path, const std::vector<Measured>& all) {
    std::ofstream out(path);
    out << "# index class outcome moves states | level numbers\n";
    for (std::size_t i = 0; i < all.size(); ++i) {
        const Measured& m = all[i];
        out << i << ' ' << m.sizeClass << ' ' << OutcomeName(m.answer.outcome) << ' '
            << m.answer.moves << ' ' << m.states << " | " << m.numbers << '\n';
    }
}

struct FileAnswer {
    std::size_t index = 0;
    std::string outcome;
    int moves = 0;
    std::string numbers;
};

// The answers a file written by --answers holds; false when it holds other levels than these.
bool ReadAnswers(const std::string& path, const std::vector<Measured>& all,
                 std::vector<FileAnswer>& answers) {
    std::ifstream in(path);
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream fields(line);
        FileAnswer answer;
        int sizeClass = 0;
        std::size_t states = 0;
        std::string bar;
        fields >> answer.index >> sizeClass >> answer.outcome >> answer.moves >> states >> bar;
        std::getline(fields >> std::ws, answer.numbers);
        if (answer.index >= all.size() || all[answer.index].numbers != answer.numbers) return false;
        answers.push_back(answer);
    }
    return answers.size() == all.size();
}

// Levels whose answers in this run and the file cannot both be right: a different outcome or
// fewest moves where both proved them, or a way shorter than a proven shortest.
int Compare(const std::vector<FileAnswer>& answers, const std::vector<Measured>& all) {
    int differing = 0;
    for (const FileAnswer& was : answers) {
        const Answer& now = all[was.index].answer;
        const std::string nowName = OutcomeName(now.outcome);
        const bool wasWay = was.outcome == "way";
        const bool nowWay = now.outcome == SolveOutcome::Way;
        if (was.outcome == "undecided" || now.outcome == SolveOutcome::Undecided) continue;
        bool agree = true;
        if (wasWay && nowWay) continue;
        if (wasWay || nowWay) {
            // A way and a proof: the way may not be shorter than the proven fewest moves.
            const std::string proof = wasWay ? nowName : was.outcome;
            const int fewest = wasWay ? now.moves : was.moves;
            const int way = wasWay ? was.moves : now.moves;
            agree = proof == "solved" && way >= fewest;
        } else {
            agree = was.outcome == nowName && was.moves == now.moves;
        }
        if (!agree) {
            std::cout << "level " << was.index << ": was " << was.outcome << ' ' << was.moves
                      << ", now " << nowName << ' ' << now.moves << '\n';
            ++differing;
        }
    }
    return differing;
}

std::vector<std::size_t> ParseIndices(const std::string& text) {
    std::vector<std::size_t> indices;
    std::istringstream list(text);
    for (std::string item; std::getline(list, item, ',');) indices.push_back(std::stoul(item));
    return indices;
}

}  // namespace

int main(int argc, char** argv) {
    LevelMix mix = kSurveyMix;
    SolverLimits limits = kHintLimits;
    std::string answers;
    std::string compare;
    std::string shortest;
    std::vector<std::size_t> only;
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        if (option == "--open") {
            const uint64_t seed = mix.seed == kSurveyMix.seed ? kOpenMix.seed : mix.seed;
            mix = kOpenMix;
            mix.seed = seed;
            continue;
        }
        const char* value = i + 1 < argc ? argv[i + 1] : nullptr;
        if (!value) {
            std::cerr << "qv_solver_survey: " << option << " needs a value\n";
            return 2;
        }
        ++i;
        if (option == "--seed") mix.seed = std::strtoull(value, nullptr, 10);
        else if (option == "--max-states") limits.maxStates = std::strtoull(value, nullptr, 10);
        else if (option == "--max-seconds") limits.maxSeconds = std::strtod(value, nullptr);
        else if (option == "--way-states") limits.wayStates = std::strtoull(value, nullptr, 10);
        else if (option == "--way-seconds") limits.waySeconds = std::strtod(value, nullptr);
        else if (option == "--answers") answers = value;
        else if (option == "--compare") compare = value;
        else if (option == "--shortest") shortest = value;
        else if (option == "--only") only = ParseIndices(value);
        else {
            std::cerr << "qv_solver_survey: unknown option " << option << '\n';
            return 2;
        }
    }

    const std::vector<RandomLevel> levels = RandomLevels(mix);
    std::vector<Measured> all;
    for (std::size_t i = 0; i < levels.size(); ++i) {
        const bool wanted = only.empty() || std::find(only.begin(), only.end(), i) != only.end();
        if (wanted) {
            all.push_back(Measure(levels[i], limits));
        } else {
            all.push_back({levels[i].sizeClass, levels[i].numbers, {}, 0, 0, 0, 0});
        }
        if (!only.empty() && wanted) {
            const Measured& m = all.back();
            std::cout << "level " << i << ": " << OutcomeName(m.answer.outcome) << ' '
                      << m.answer.moves << ", " << m.states << " states, "
                      << Fixed(m.seconds, 2) << " s\n";
        }
    }
    if (!only.empty()) return 0;
    if (!shortest.empty()) {
        std::vector<FileAnswer> known;
        if (!ReadAnswers(shortest, all, known)) {
            std::cout << shortest << " holds other levels\n";
            return 1;
        }
        for (const FileAnswer& answer : known) {
            if (answer.outcome == "solved") all[answer.index].shortest = answer.moves;
        }
    }

    std::cout << "Seed " << mix.seed << ", limits " << limits.maxStates << " states and "
              << limits.maxSeconds << " s, then for a way " << limits.wayStates << " states and "
              << limits.waySeconds << " s (0 seconds: none)\n\n"
              << "| Size class | Levels | Shortest | Way | Unsolvable | Nothing found | Way beyond "
                 "shortest | Median ms | Max ms | Median MB | Max MB |\n"
                 "|---|---|---|---|---|---|---|---|---|---|---|\n";
    std::vector<const Measured*> everything;
    for (int c = 0; c < kSizeClassCount; ++c) {
        std::vector<const Measured*> rows;
        for (const Measured& m : all) {
            if (m.sizeClass == c) rows.push_back(&m);
        }
        everything.insert(everything.end(), rows.begin(), rows.end());
        PrintRow(kSizeClasses[c].name, rows);
    }
    PrintRow("all", everything);
    // With no way search every figure is a proof's own.
    if (limits.wayStates == 0) PrintBytesPerState(everything);

    if (!answers.empty()) WriteAnswers(answers, all);
    if (!compare.empty()) {
        std::vector<FileAnswer> was;
        if (!ReadAnswers(compare, all, was)) {
            std::cout << compare << " holds other levels\n";
            return 1;
        }
        const int differing = Compare(was, all);
        std::cout << differing << " answers disagree with " << compare << '\n';
        return differing == 0 ? 0 : 1;
    }
    return 0;
}
