#include "generator/PuzzleRandom.h"

namespace qv {

namespace {

uint64_t RotateLeft(uint64_t value, int bits) { return (value << bits) | (value >> (64 - bits)); }

}  // namespace

uint64_t SplitMix64(uint64_t& state) {
    uint64_t z = (state += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

PuzzleRandom::PuzzleRandom(uint64_t seed) {
    // splitmix64 never gives four zeros in a row, the one state xoshiro cannot leave.
    for (uint64_t& word : state) word = SplitMix64(seed);
}

uint64_t PuzzleRandom::Next() {
    const uint64_t result = RotateLeft(state[1] * 5, 7) * 9;
    const uint64_t shifted = state[1] << 17;
    state[2] ^= state[0];
    state[3] ^= state[1];
    state[1] ^= state[2];
    state[0] ^= state[3];
    state[2] ^= shifted;
    state[3] = RotateLeft(state[3], 45);
    return result;
}

int PuzzleRandom::Below(int bound) {
    if (bound <= 1) return 0;
    const auto range = static_cast<uint64_t>(bound);
    // Numbers from the last, incomplete run of `range` would favour the small results.
    const uint64_t fair = UINT64_MAX - UINT64_MAX % range;
    uint64_t value = Next();
    while (value >= fair) value = Next();
    return static_cast<int>(value % range);
}

}  // namespace qv
