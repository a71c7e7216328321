#pragma once
// The solver's memory: every packed state seen so far, found again by hash, with the link back
// to the state it was first (or best) reached from. Storage grows in fixed chunks, so ids and
// references stay valid and no giant copy happens while it grows.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "puzzle/StateCodec.h"

namespace qv {

class StateTable {
public:
    struct Link {
        uint32_t parent = 0;
        uint16_t depth = 0;     // moves from the start
        uint8_t move = 0;       // how it was reached: shape * 4 + direction
        uint8_t estimate = 0;   // the bound on the moves still needed from it
    };
    struct Entry {
        uint32_t id;
        bool added;
    };

    // `words`: how many words of a PackedState are in use. `expectedStates`, when a search has
    // such a limit, lets the index take its full size early, in one small step.
    explicit StateTable(int words, std::size_t expectedStates = 0);

    static constexpr uint32_t kNone = UINT32_MAX;
    // Ids take 26 bits of a slot (the rest tells most other states apart without reading
    // their keys): some 67 million states, gigabytes, far beyond any search's limits.
    static constexpr std::size_t kCapacity = (std::size_t{1} << 26) - 1;

    // Finds `state`, adding it (with a zero link) when it is new.
    Entry Insert(const PackedState& state);
    // The id of `state`, or kNone.
    uint32_t Find(const PackedState& state) const;
    // Starts fetching the memory a Find or Insert of `state` will read first.
    void Prefetch(const PackedState& state) const {
        __builtin_prefetch(&slots_[Hash(state.data()) & (slots_.size() - 1)]);
    }
    PackedState State(uint32_t id) const;
    Link& LinkOf(uint32_t id);
    std::size_t Size() const { return size_; }

private:
    static constexpr uint32_t kEmpty = kNone;
    static constexpr int kIdBits = 26;
    static constexpr uint32_t kIdMask = (uint32_t{1} << kIdBits) - 1;
    // Small enough that a short search takes little memory and the allocator keeps reusing
    // it, instead of fetching fresh pages from the system for every search.
    static constexpr std::size_t kChunkStates = std::size_t{1} << 12;
    // Past this many states a search is a long one: the index goes straight to the size its
    // limit needs. Rehashing this many takes a few milliseconds; doubling at half a million
    // states took up to 45 ms, longer than a screen may wait.
    static constexpr std::size_t kEarlyStates = std::size_t{1} << 16;

    const uint64_t* Key(uint32_t id) const;
    std::size_t Probe(const PackedState& state, uint32_t& tag) const;
    uint64_t Hash(const uint64_t* key) const;
    bool Equal(const uint64_t* key, const PackedState& state) const;
    void Grow();

    int words_;
    std::size_t expected_;
    std::size_t size_ = 0;
    std::vector<std::unique_ptr<uint64_t[]>> keyChunks_;
    std::vector<std::unique_ptr<Link[]>> linkChunks_;
    // Open addressing over ids, each with the top bits of its hash; capacity a power of two.
    std::vector<uint32_t> slots_;
};

}  // namespace qv
