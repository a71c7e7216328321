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
        if (static_cast<std::size_t>(f) >= buckets.size()) buckets.resize(f + 1);
        auto& byDepth = buckets[f];
        if (static_cast<std::size_t>(depth) >= byDepth.size()) byDepth.resize(depth + 1);
        byDepth[depth].push_back(id);
        if (f < lowest) lowest = f;
    }

    // Takes the next state, with the f and depth it was pushed with; false when none is left.
    bool Pop(uint32_t& id, int& f, int& depth) {
        for (; static_cast<std::size_t>(lowest) < buckets.size(); ++lowest) {
            auto& byDepth = buckets[lowest];
            while (!byDepth.empty() && byDepth.back().empty()) byDepth.pop_back();
            if (byDepth.empty()) continue;
            f = lowest;
            depth = static_cast<int>(byDepth.size()) - 1;
            id = byDepth.back().back();
            byDepth.back().pop_back();
            return true;
        }
        return false;
    }

private:
    std::vector<std::vector<std::vector<uint32_t>>> buckets;  // [f][depth]
    int lowest = 0;
};

}  // namespace qv
