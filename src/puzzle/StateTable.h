#pragma once
// The solver's memory: every packed state seen so far, found again by hash, with the link back
// to the state it was first (or best) reached from. Storage grows in fixed chunks, so ids and
// references stay valid and no giant copy happens while it grows. A state keeps only the bytes
// of its packed form in use, and the index is sized once to what a search's limit needs.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "puzzle/StateCodec.h"

namespace qv {

class StateTable {
public:
    static constexpr int kIdBits = 26;
    static constexpr uint32_t kIdMask = (uint32_t{1} << kIdBits) - 1;

    // How a state was first (or best) reached, in six bytes: the parent's id, the moves from
    // the start, the move (shape * 4 + direction) and the bound on the moves still needed.
    class Link {
    public:
        static constexpr int kMaxDepth = (1 << 10) - 1;
        static constexpr int kMaxEstimate = (1 << 8) - 1;

        uint32_t Parent() const { return static_cast<uint32_t>(Bits() & kIdMask); }
        int Move() const { return static_cast<int>((Bits() >> kIdBits) & 15); }
        int Depth() const { return static_cast<int>((Bits() >> (kIdBits + 4)) & kMaxDepth); }
        int Estimate() const { return static_cast<int>(Bits() >> (kIdBits + 14)); }
        // `depth` and `estimate` must be within their maxima.
        void Set(uint32_t parent, int depth, int move, int estimate) {
            const uint64_t bits = (parent & kIdMask) | (static_cast<uint64_t>(move & 15) << kIdBits) |
                                  (static_cast<uint64_t>(depth & kMaxDepth) << (kIdBits + 4)) |
                                  (static_cast<uint64_t>(estimate & kMaxEstimate) << (kIdBits + 14));
            for (int i = 0; i < 6; ++i) bytes[i] = static_cast<uint8_t>(bits >> (8 * i));
        }
        void SetEstimate(int estimate) { Set(Parent(), Depth(), Move(), estimate); }

    private:
        uint64_t Bits() const {
            uint64_t bits = 0;
            for (int i = 0; i < 6; ++i) bits |= static_cast<uint64_t>(bytes[i]) << (8 * i);
            return bits;
        }
        uint8_t bytes[6] = {};
    };
    struct Entry {
        uint32_t id;
        bool added;
    };

    // `keyBytes`: how many bytes of a PackedState are in use (StateCodec::Bytes), the rest zero.
    // `expectedStates`, when a search has such a limit, lets the index take its full size
    // early, in one small step.
    explicit StateTable(int keyBytes, std::size_t expectedStates = 0);

    static constexpr uint32_t kNone = UINT32_MAX;
    // Ids take 26 bits of a slot (the rest tells most other states apart without reading
    // their keys): some 67 million states, gigabytes, far beyond any search's limits.
    static constexpr std::size_t kCapacity = kIdMask;

    // Finds `state`, adding it (with a zero link) when it is new.
    Entry Insert(const PackedState& state);
    // The id of `state`, or kNone.
    uint32_t Find(const PackedState& state) const;
    // Starts fetching the memory a Find or Insert of `state` will read first.
    void Prefetch(const PackedState& state) const {
        __builtin_prefetch(&slots[SlotOf(Hash(state))]);
    }
    // Once the table has grown long, takes the index straight to the size its limit needs, if
    // it has not yet: a search calls this at the start of a slice, so that the few
    // milliseconds of it count towards that slice instead of falling anywhere in one.
    void GrowForLimit();
    PackedState State(uint32_t id) const;
    Link& LinkOf(uint32_t id);
    std::size_t Size() const { return size; }

private:
    static constexpr uint32_t kEmpty = kNone;
    // Small enough that a short search takes little memory and the allocator keeps reusing
    // it, instead of fetching fresh pages from the system for every search.
    static constexpr std::size_t kChunkStates = std::size_t{1} << 12;
    // Past this many states a search is a long one: the index goes straight to the size its
    // limit needs. Rehashing this many takes a few milliseconds; doubling at half a million
    // states took up to 45 ms, longer than a screen may wait.
    static constexpr std::size_t kEarlyStates = std::size_t{1} << 16;

    const uint8_t* Key(uint32_t id) const;
    std::size_t Probe(const PackedState& state, uint32_t& tag) const;
    uint64_t Hash(const PackedState& state) const;
    // The low half of the hash picks the slot, the top bits are the tag: the two never agree
    // by more than chance.
    std::size_t SlotOf(uint64_t hash) const {
        return static_cast<std::size_t>(((hash & UINT32_MAX) * slots.size()) >> 32);
    }
    void Grow(bool forLimit);

    int bytes;
    int words;  // that hold them
    std::size_t expected;
    std::size_t size = 0;
    std::size_t maxSize;  // before the index grows
    bool sizedForLimit = false;
    std::vector<std::unique_ptr<uint8_t[]>> keyChunks;
    std::vector<std::unique_ptr<Link[]>> linkChunks;
    // Open addressing over ids, each with the top bits of its hash.
    std::vector<uint32_t> slots;
};

}  // namespace qv
