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
inline constexpr uint64_t kRandomLevelSeed = 19;

struct RandomLevel {
    int sizeClass = 0;
    std::string numbers;  // the level text format's numbers, as ParseLevelString reads them
};

// `perClass` levels of each size class, class by class.
std::vector<RandomLevel> RandomLevels(uint64_t seed = kRandomLevelSeed, int perClass = 50);

}  // namespace qv
