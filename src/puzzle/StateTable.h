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

    // `words`: how many words of a PackedState are in use.
    explicit StateTable(int words);

    static constexpr uint32_t kNone = UINT32_MAX;

    // Finds `state`, adding it (with a zero link) when it is new.
    Entry Insert(const PackedState& state);
    // The id of `state`, or kNone.
    uint32_t Find(const PackedState& state) const;
    PackedState State(uint32_t id) const;
    Link& LinkOf(uint32_t id);
    std::size_t Size() const { return size_; }

private:
    static constexpr uint32_t kEmpty = kNone;
    static constexpr std::size_t kChunkStates = std::size_t{1} << 16;

    const uint64_t* Key(uint32_t id) const;
    // The slot holding `state`, or the empty slot where it belongs.
    std::size_t Probe(const PackedState& state) const;
    uint64_t Hash(const uint64_t* key) const;
    bool Equal(const uint64_t* key, const PackedState& state) const;
    void Grow();

    int words_;
    std::size_t size_ = 0;
    std::vector<std::unique_ptr<uint64_t[]>> keyChunks_;
    std::vector<std::unique_ptr<Link[]>> linkChunks_;
    std::vector<uint32_t> slots_;  // open addressing over ids; capacity a power of two
};

}  // namespace qv
