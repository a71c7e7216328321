#include "RandomLevels.h"

#include <array>
#include <utility>

namespace qv {

namespace {

// splitmix64: fully defined here, unlike the standard library's distributions, so the levels
// do not change with the compiler.
class Random {
public:
    explicit Random(uint64_t seed) : state(seed) {}
    uint64_t Next() {
        uint64_t z = (state += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    int Below(int n) { return static_cast<int>(Next() % static_cast<uint64_t>(n)); }
    int Between(int low, int high) { return low + Below(high - low + 1); }

private:
    uint64_t state;
};

constexpr int kBlack = 0;
constexpr int kWhite = 7;

struct Board {
    int width = 0;
    int height = 0;
    std::vector<int> cells;  // row by row
    int At(int x, int y) const { return cells[static_cast<std::size_t>(y * width + x)]; }
};

// Every tile reachable from every other, and no empty edge row or column (which a designer
// would have cut off).
bool Plausible(const Board& board) {
    std::vector<int> open;
    for (int i = 0; i < board.width * board.height; ++i) {
        if (board.cells[static_cast<std::size_t>(i)] != kBlack) open.push_back(i);
    }
    if (open.size() < 6) return false;
    for (int x : {0, board.width - 1}) {
        bool any = false;
        for (int y = 0; y < board.height; ++y) any = any || board.At(x, y) != kBlack;
        if (!any) return false;
    }
    for (int y : {0, board.height - 1}) {
        bool any = false;
        for (int x = 0; x < board.width; ++x) any = any || board.At(x, y) != kBlack;
        if (!any) return false;
    }
    std::vector<bool> seen(board.cells.size(), false);
    std::vector<int> stack{open.front()};
    seen[static_cast<std::size_t>(open.front())] = true;
    std::size_t reached = 1;
    while (!stack.empty()) {
        const int cell = stack.back();
        stack.pop_back();
        const int x = cell % board.width;
        const int y = cell / board.width;
        const std::array<std::pair<int, int>, 4> next{{{x + 1, y}, {x - 1, y}, {x, y + 1}, {x, y - 1}}};
        for (const auto& [nx, ny] : next) {
            if (nx < 0 || ny < 0 || nx >= board.width || ny >= board.height) continue;
            const int n = ny * board.width + nx;
            if (board.At(nx, ny) == kBlack || seen[static_cast<std::size_t>(n)]) continue;
            seen[static_cast<std::size_t>(n)] = true;
            ++reached;
            stack.push_back(n);
        }
    }
    return reached == open.size();
}

// Three different open cells, as "x y" pairs.
std::string ThreeCells(const Board& board, Random& random) {
    std::vector<int> open;
    for (int i = 0; i < board.width * board.height; ++i) {
        if (board.cells[static_cast<std::size_t>(i)] != kBlack) open.push_back(i);
    }
    std::string text;
    for (int k = 0; k < 3; ++k) {
        const int pick = k + random.Below(static_cast<int>(open.size()) - k);
        std::swap(open[static_cast<std::size_t>(k)], open[static_cast<std::size_t>(pick)]);
        const int cell = open[static_cast<std::size_t>(k)];
        text += " " + std::to_string(cell % board.width) + " " + std::to_string(cell / board.width);
    }
    return text;
}

std::string OneLevel(const SizeClass& size, const LevelMix& mix, Random& random) {
    Board board;
    board.width = random.Between(size.minWidth, size.maxWidth);
    board.height = random.Between(size.minHeight, size.maxHeight);
    const int holePercent = random.Below(mix.maxHolePercent + 1);
    const bool coin = mix.maxWhitePercent == 0;
    const int whitePercent = coin ? 50 : random.Between(mix.minWhitePercent, mix.maxWhitePercent);
    do {
        board.cells.clear();
        for (int i = 0; i < board.width * board.height; ++i) {
            int color = kBlack;
            if (random.Below(100) >= holePercent) {
                const bool white = coin ? random.Below(2) == 0 : random.Below(100) < whitePercent;
                color = white ? kWhite : random.Between(1, 6);
            }
            board.cells.push_back(color);
        }
    } while (!Plausible(board));

    std::string numbers = std::to_string(board.width) + " " + std::to_string(board.height);
    for (int color : board.cells) numbers += " " + std::to_string(color);
    std::string shapes;
    std::string goals;
    do {
        shapes = ThreeCells(board, random);
        goals = ThreeCells(board, random);
    } while (shapes == goals);
    return numbers + shapes + goals;
}

}  // namespace

std::vector<RandomLevel> RandomLevels(const LevelMix& mix, int perClass) {
    Random random(mix.seed);
    std::vector<RandomLevel> levels;
    for (int c = 0; c < kSizeClassCount; ++c) {
        for (int i = 0; i < perClass; ++i) levels.push_back({c, OneLevel(kSizeClasses[c], mix, random)});
    }
    return levels;
}

}  // namespace qv
