#include "puzzle/StateTable.h"

#include <algorithm>
#include <cstring>

namespace qv {

// Keys are the low bytes of a PackedState's words as they lie in memory.
static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__, "keys assume little-endian words");

namespace {

constexpr std::size_t kFirstSlots = std::size_t{1} << 12;

// While the index doubles it stays at most half full, so probe runs stay short; sized once for
// a limit it may fill to three quarters by the limit, which saves a third of its memory for a
// few more probes, each of them within a cache line or two.
std::size_t MostStates(std::size_t slots, bool forLimit) {
    return forLimit ? slots / 4 * 3 : slots / 2;
}

}  // namespace

StateTable::StateTable(int keyBytes, std::size_t expectedStates)
    : bytes(keyBytes),
      words((keyBytes + 7) / 8),
      expected(expectedStates),
      maxSize(MostStates(kFirstSlots, false)),
      slots(kFirstSlots, kEmpty) {}

const uint8_t* StateTable::Key(uint32_t id) const {
    return keyChunks[id / kChunkStates].get() + (id % kChunkStates) * bytes;
}

StateTable::Link& StateTable::LinkOf(uint32_t id) {
    return linkChunks[id / kChunkStates][id % kChunkStates];
}

PackedState StateTable::State(uint32_t id) const {
    PackedState state{};
    std::memcpy(state.data(), Key(id), static_cast<std::size_t>(bytes));
    return state;
}

uint64_t StateTable::Hash(const PackedState& state) const {
    uint64_t hash = 0x9E3779B97F4A7C15ULL;
    for (int i = 0; i < words; ++i) {
        hash ^= state[i];
        hash *= 0xBF58476D1CE4E5B9ULL;
        hash ^= hash >> 31;
    }
    return hash * 0x94D049BB133111EBULL;
}

void StateTable::GrowForLimit() {
    if (expected > 0 && !sizedForLimit && size >= kEarlyStates / 2) Grow(true);
}

void StateTable::Grow(bool forLimit) {
    std::size_t slotCount = slots.size() * 2;
    if (forLimit) slotCount = std::max(slotCount, expected / 3 * 4 + 4);
    sizedForLimit = sizedForLimit || forLimit;
    std::vector<uint32_t> larger(slotCount, kEmpty);
    larger.swap(slots);
    for (uint32_t entry : larger) {
        if (entry == kEmpty) continue;
        std::size_t slot = SlotOf(Hash(State(entry & kIdMask)));
        while (slots[slot] != kEmpty) slot = slot + 1 == slotCount ? 0 : slot + 1;
        slots[slot] = entry;
    }
    maxSize = MostStates(slotCount, sizedForLimit);
}

// The slot of `state`, or the empty slot where it belongs; `tag` gets the hash bits a slot
// keeps beside the id.
std::size_t StateTable::Probe(const PackedState& state, uint32_t& tag) const {
    const uint64_t hash = Hash(state);
    tag = static_cast<uint32_t>(hash >> (64 - (32 - kIdBits))) << kIdBits;
    const std::size_t slotCount = slots.size();
    std::size_t slot = SlotOf(hash);
    for (; slots[slot] != kEmpty; slot = slot + 1 == slotCount ? 0 : slot + 1) {
        const uint32_t entry = slots[slot];
        if ((entry & ~kIdMask) == tag &&
            std::memcmp(Key(entry & kIdMask), state.data(), static_cast<std::size_t>(bytes)) == 0)
            break;
    }
    return slot;
}

uint32_t StateTable::Find(const PackedState& state) const {
    uint32_t tag = 0;
    const uint32_t entry = slots[Probe(state, tag)];
    return entry == kEmpty ? kNone : entry & kIdMask;
}

StateTable::Entry StateTable::Insert(const PackedState& state) {
    if (size + 1 > maxSize) Grow(expected > 0 && size >= kEarlyStates);
    uint32_t tag = 0;
    const std::size_t slot = Probe(state, tag);
    if (slots[slot] != kEmpty) return {slots[slot] & kIdMask, false};

    const auto id = static_cast<uint32_t>(size);
    if (id % kChunkStates == 0) {
        keyChunks.push_back(std::make_unique<uint8_t[]>(kChunkStates * bytes));
        linkChunks.push_back(std::make_unique<Link[]>(kChunkStates));
    }
    std::memcpy(keyChunks.back().get() + (id % kChunkStates) * bytes, state.data(),
                static_cast<std::size_t>(bytes));
    slots[slot] = tag | id;
    ++size;
    return {id, true};
}

}  // namespace qv
