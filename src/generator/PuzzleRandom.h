#pragma once
// The generator's own random numbers: xoshiro256** seeded through splitmix64, both small and
// well known, in integers only. The standard library's engines are fixed too, but its
// distributions are not (libstdc++ on the desktop and libc++ in the browser map the same bits
// to different numbers), and a seed must make the same puzzle everywhere.
#include <array>
#include <cstdint>

namespace qv {

class PuzzleRandom {
public:
    explicit PuzzleRandom(uint64_t seed);

    uint64_t Next();
    // A number from 0 to bound - 1, every one as likely (bound at least 1).
    int Below(int bound);

private:
    std::array<uint64_t, 4> state;
};

// One step of splitmix64: a well-mixed 64-bit number from any other, also used to turn a date
// into a seed.
uint64_t SplitMix64(uint64_t& state);

}  // namespace qv
