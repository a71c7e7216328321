#pragma once
// Random but plausible levels for measuring the solver: boards of 3 by 3 up to 9 by 7 in four
// size classes, mostly white with every other colour mixed in, some missing tiles, shapes and
// goals anywhere on the tiles. The same seed gives the same levels on every machine.
#include <cstdint>
#include <string>
#include <vector>

namespace qv {

struct SizeClass {
    const char* name;
    int minWidth, maxWidth, minHeight, maxHeight;
};

inline constexpr SizeClass kSizeClasses[] = {
    {"3x3 to 5x4", 3, 5, 3, 4},
    {"5x4 to 7x5", 5, 7, 4, 5},
    {"6x5 to 8x6", 6, 8, 5, 6},
    {"8x6 to 9x7", 8, 9, 6, 7},
};
inline constexpr int kSizeClassCount = 4;

// How a set's boards are coloured: up to maxHolePercent of the cells missing, and of the tiles
// either half white (by a coin per tile) or, with a white range, a share drawn per level.
struct LevelMix {
    uint64_t seed;
    int maxHolePercent;
    int minWhitePercent;  // 0 and 0: the coin
    int maxWhitePercent;
};

// The survey's levels, and a second set with more holes and any share of white from sparse to
// wide open, on which the solver does worse.
inline constexpr LevelMix kSurveyMix{19, 25, 0, 0};
inline constexpr LevelMix kOpenMix{28, 33, 30, 90};
inline constexpr uint64_t kRandomLevelSeed = kSurveyMix.seed;

struct RandomLevel {
    int sizeClass = 0;
    std::string numbers;  // the level text format's numbers, as ParseLevelString reads them
};

// `perClass` levels of each size class, class by class.
std::vector<RandomLevel> RandomLevels(const LevelMix& mix = kSurveyMix, int perClass = 50);

}  // namespace qv
