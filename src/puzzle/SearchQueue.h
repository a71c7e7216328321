#pragma once
// The solver's open list: states by estimated total length f, and among equal f the deepest
// first, which heads straight for a goal when the estimate is exact instead of widening out.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace qv {

class SearchQueue {
public:
    void Push(uint32_t id, int f, int depth) {
        if (static_cast<std::size_t>(f) >= buckets_.size()) buckets_.resize(f + 1);
        auto& byDepth = buckets_[f];
        if (static_cast<std::size_t>(depth) >= byDepth.size()) byDepth.resize(depth + 1);
        byDepth[depth].push_back(id);
        if (f < lowest_) lowest_ = f;
    }

    // Takes the next state, with the f and depth it was pushed with; false when none is left.
    bool Pop(uint32_t& id, int& f, int& depth) {
        for (; static_cast<std::size_t>(lowest_) < buckets_.size(); ++lowest_) {
            auto& byDepth = buckets_[lowest_];
            while (!byDepth.empty() && byDepth.back().empty()) byDepth.pop_back();
            if (byDepth.empty()) continue;
            f = lowest_;
            depth = static_cast<int>(byDepth.size()) - 1;
            id = byDepth.back().back();
            byDepth.back().pop_back();
            return true;
        }
        return false;
    }

private:
    std::vector<std::vector<std::vector<uint32_t>>> buckets_;  // [f][depth]
    int lowest_ = 0;
};

}  // namespace qv
