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

StateTable::StateTable(int bytes, std::size_t expectedStates)
    : bytes_(bytes),
      words_((bytes + 7) / 8),
      expected_(expectedStates),
      maxSize_(MostStates(kFirstSlots, false)),
      slots_(kFirstSlots, kEmpty) {}

const uint8_t* StateTable::Key(uint32_t id) const {
    return keyChunks_[id / kChunkStates].get() + (id % kChunkStates) * bytes_;
}

StateTable::Link& StateTable::LinkOf(uint32_t id) {
    return linkChunks_[id / kChunkStates][id % kChunkStates];
}

PackedState StateTable::State(uint32_t id) const {
    PackedState state{};
    std::memcpy(state.data(), Key(id), static_cast<std::size_t>(bytes_));
    return state;
}

uint64_t StateTable::Hash(const PackedState& state) const {
    uint64_t hash = 0x9E3779B97F4A7C15ULL;
    for (int i = 0; i < words_; ++i) {
        hash ^= state[i];
        hash *= 0xBF58476D1CE4E5B9ULL;
        hash ^= hash >> 31;
    }
    return hash * 0x94D049BB133111EBULL;
}

void StateTable::GrowForLimit() {
    if (expected_ > 0 && !sizedForLimit_ && size_ >= kEarlyStates / 2) Grow(true);
}

void StateTable::Grow(bool forLimit) {
    std::size_t slots = slots_.size() * 2;
    if (forLimit) slots = std::max(slots, expected_ / 3 * 4 + 4);
    sizedForLimit_ = sizedForLimit_ || forLimit;
    std::vector<uint32_t> larger(slots, kEmpty);
    larger.swap(slots_);
    for (uint32_t entry : larger) {
        if (entry == kEmpty) continue;
        std::size_t slot = SlotOf(Hash(State(entry & kIdMask)));
        while (slots_[slot] != kEmpty) slot = slot + 1 == slots ? 0 : slot + 1;
        slots_[slot] = entry;
    }
    maxSize_ = MostStates(slots, sizedForLimit_);
}

// The slot of `state`, or the empty slot where it belongs; `tag` gets the hash bits a slot
// keeps beside the id.
std::size_t StateTable::Probe(const PackedState& state, uint32_t& tag) const {
    const uint64_t hash = Hash(state);
    tag = static_cast<uint32_t>(hash >> (64 - (32 - kIdBits))) << kIdBits;
    const std::size_t slots = slots_.size();
    std::size_t slot = SlotOf(hash);
    for (; slots_[slot] != kEmpty; slot = slot + 1 == slots ? 0 : slot + 1) {
        const uint32_t entry = slots_[slot];
        if ((entry & ~kIdMask) == tag &&
            std::memcmp(Key(entry & kIdMask), state.data(), static_cast<std::size_t>(bytes_)) == 0)
            break;
    }
    return slot;
}

uint32_t StateTable::Find(const PackedState& state) const {
    uint32_t tag = 0;
    const uint32_t entry = slots_[Probe(state, tag)];
    return entry == kEmpty ? kNone : entry & kIdMask;
}

StateTable::Entry StateTable::Insert(const PackedState& state) {
    if (size_ + 1 > maxSize_) Grow(expected_ > 0 && size_ >= kEarlyStates);
    uint32_t tag = 0;
    const std::size_t slot = Probe(state, tag);
    if (slots_[slot] != kEmpty) return {slots_[slot] & kIdMask, false};

    const auto id = static_cast<uint32_t>(size_);
    if (id % kChunkStates == 0) {
        keyChunks_.push_back(std::make_unique<uint8_t[]>(kChunkStates * bytes_));
        linkChunks_.push_back(std::make_unique<Link[]>(kChunkStates));
    }
    std::memcpy(keyChunks_.back().get() + (id % kChunkStates) * bytes_, state.data(),
                static_cast<std::size_t>(bytes_));
    slots_[slot] = tag | id;
    ++size_;
    return {id, true};
}

}  // namespace qv
