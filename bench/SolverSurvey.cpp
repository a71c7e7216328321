// qv_solver_survey: how often the solver decides random plausible levels within the game's
// limits, by size class, with its time and memory. With --answers it writes every level and
// its answer to a file; with --compare it checks the answers against such a file.
//   qv_solver_survey [--seed N] [--max-states N] [--max-seconds S] [--answers FILE]
//                    [--compare FILE]
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

void PrintRow(const std::string& name, const std::vector<const Measured*>& rows) {
    int counts[3] = {0, 0, 0};
    std::vector<double> ms;
    std::vector<double> mb;
    for (const Measured* row : rows) {
        ++counts[static_cast<int>(row->answer.outcome)];
        ms.push_back(row->seconds * 1000);
        mb.push_back(static_cast<double>(row->bytes) / 1e6);
    }
    const int total = static_cast<int>(rows.size());
    std::cout << "| " << name << " | " << total << " | "
              << Percent(counts[static_cast<int>(SolveOutcome::Solved)], total) << " | "
              << Percent(counts[static_cast<int>(SolveOutcome::Unsolvable)], total) << " | "
              << Percent(counts[static_cast<int>(SolveOutcome::Undecided)], total) << " | "
              << Fixed(Median(ms), 1) << " | " << Fixed(*std::max_element(ms.begin(), ms.end()), 0)
              << " | " << Fixed(Median(mb), 1) << " | "
              << Fixed(*std::max_element(mb.begin(), mb.end()), 0) << " |\n";
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

// Levels that both this run and the file decided, with a different answer; -1 when the file
// does not hold these levels.
int Compare(const std::string& path, const std::vector<Measured>& all) {
    std::ifstream in(path);
    std::string line;
    int differing = 0;
    std::size_t read = 0;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream fields(line);
        std::size_t index = 0;
        int sizeClass = 0;
        std::string outcome;
        int moves = 0;
        std::size_t states = 0;
        std::string bar;
        fields >> index >> sizeClass >> outcome >> moves >> states >> bar;
        std::string numbers;
        std::getline(fields >> std::ws, numbers);
        if (index >= all.size() || all[index].numbers != numbers) return -1;
        ++read;
        const Measured& now = all[index];
        if (outcome == "undecided" || now.answer.outcome == SolveOutcome::Undecided) continue;
        if (outcome != OutcomeName(now.answer.outcome) || moves != now.answer.moves) {
            std::cout << "level " << index << ": was " << outcome << ' ' << moves << ", now "
                      << OutcomeName(now.answer.outcome) << ' ' << now.answer.moves << '\n';
            ++differing;
        }
    }
    return read == all.size() ? differing : -1;
}

}  // namespace

int main(int argc, char** argv) {
    uint64_t seed = kRandomLevelSeed;
    SolverLimits limits = kHintLimits;
    std::string answers;
    std::string compare;
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        const char* value = i + 1 < argc ? argv[i + 1] : nullptr;
        if (!value) {
            std::cerr << "qv_solver_survey: " << option << " needs a value\n";
            return 2;
        }
        ++i;
        if (option == "--seed") seed = std::strtoull(value, nullptr, 10);
        else if (option == "--max-states") limits.maxStates = std::strtoull(value, nullptr, 10);
        else if (option == "--max-seconds") limits.maxSeconds = std::strtod(value, nullptr);
        else if (option == "--answers") answers = value;
        else if (option == "--compare") compare = value;
        else {
            std::cerr << "qv_solver_survey: unknown option " << option << '\n';
            return 2;
        }
    }

    std::vector<Measured> all;
    for (const RandomLevel& level : RandomLevels(seed)) all.push_back(Measure(level, limits));

    std::cout << "Seed " << seed << ", limits " << limits.maxStates << " states and "
              << limits.maxSeconds << " s (0: none)\n\n"
              << "| Size class | Levels | Solved | Unsolvable | Undecided | Median ms | Max ms "
                 "| Median MB | Max MB |\n|---|---|---|---|---|---|---|---|---|\n";
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

    if (!answers.empty()) WriteAnswers(answers, all);
    if (!compare.empty()) {
        const int differing = Compare(compare, all);
        if (differing < 0) {
            std::cout << compare << " holds other levels\n";
            return 1;
        }
        std::cout << differing << " decided answers differ from " << compare << '\n';
        return differing == 0 ? 0 : 1;
    }
    return 0;
}
