#include "puzzle/StateTable.h"

namespace qv {

StateTable::StateTable(int words, std::size_t expectedStates)
    : words_(words), expected_(expectedStates), slots_(std::size_t{1} << 12, kEmpty) {}

const uint64_t* StateTable::Key(uint32_t id) const {
    return keyChunks_[id / kChunkStates].get() + (id % kChunkStates) * words_;
}

StateTable::Link& StateTable::LinkOf(uint32_t id) {
    return linkChunks_[id / kChunkStates][id % kChunkStates];
}

PackedState StateTable::State(uint32_t id) const {
    PackedState state{};
    const uint64_t* key = Key(id);
    for (int i = 0; i < words_; ++i) state[i] = key[i];
    return state;
}

uint64_t StateTable::Hash(const uint64_t* key) const {
    uint64_t hash = 0x9E3779B97F4A7C15ULL;
    for (int i = 0; i < words_; ++i) {
        hash ^= key[i];
        hash *= 0xBF58476D1CE4E5B9ULL;
        hash ^= hash >> 31;
    }
    return hash * 0x94D049BB133111EBULL;
}

bool StateTable::Equal(const uint64_t* key, const PackedState& state) const {
    for (int i = 0; i < words_; ++i) {
        if (key[i] != state[i]) return false;
    }
    return true;
}

void StateTable::Grow() {
    std::size_t slots = slots_.size() * 2;
    if (expected_ > 0 && size_ >= kEarlyStates) {
        while (slots < 2 * expected_) slots *= 2;
    }
    std::vector<uint32_t> larger(slots, kEmpty);
    const std::size_t mask = larger.size() - 1;
    for (uint32_t entry : slots_) {
        if (entry == kEmpty) continue;
        std::size_t slot = Hash(Key(entry & kIdMask)) & mask;
        while (larger[slot] != kEmpty) slot = (slot + 1) & mask;
        larger[slot] = entry;
    }
    slots_.swap(larger);
}

// The slot of `state`, or the empty slot where it belongs; `tag` gets the hash bits a slot
// keeps beside the id.
std::size_t StateTable::Probe(const PackedState& state, uint32_t& tag) const {
    const uint64_t hash = Hash(state.data());
    tag = static_cast<uint32_t>(hash >> (64 - (32 - kIdBits))) << kIdBits;
    const std::size_t mask = slots_.size() - 1;
    std::size_t slot = hash & mask;
    for (; slots_[slot] != kEmpty; slot = (slot + 1) & mask) {
        const uint32_t entry = slots_[slot];
        if ((entry & ~kIdMask) == tag && Equal(Key(entry & kIdMask), state)) break;
    }
    return slot;
}

uint32_t StateTable::Find(const PackedState& state) const {
    uint32_t tag = 0;
    const uint32_t entry = slots_[Probe(state, tag)];
    return entry == kEmpty ? kNone : entry & kIdMask;
}

StateTable::Entry StateTable::Insert(const PackedState& state) {
    // Kept at most half full, so probe runs stay short.
    if ((size_ + 1) * 2 > slots_.size()) Grow();
    uint32_t tag = 0;
    const std::size_t slot = Probe(state, tag);
    if (slots_[slot] != kEmpty) return {slots_[slot] & kIdMask, false};

    const auto id = static_cast<uint32_t>(size_);
    if (id % kChunkStates == 0) {
        keyChunks_.push_back(std::make_unique<uint64_t[]>(kChunkStates * words_));
        linkChunks_.push_back(std::make_unique<Link[]>(kChunkStates));
    }
    uint64_t* key = keyChunks_.back().get() + (id % kChunkStates) * words_;
    for (int i = 0; i < words_; ++i) key[i] = state[i];
    slots_[slot] = tag | id;
    ++size_;
    return {id, true};
}

}  // namespace qv
