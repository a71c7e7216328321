#include "puzzle/BoardTag.h"

#include <cstdint>
#include <cstdio>

namespace qv {

namespace {

// FNV-1a, 32 bits: small, fixed, and with no dependence on the platform's own hashes.
class Fnv1a {
public:
    void Add(int32_t value) {
        for (int shift = 0; shift < 32; shift += 8) {
            hash ^= static_cast<uint32_t>(value) >> shift & 0xFFu;
            hash *= 16777619u;
        }
    }
    uint32_t Value() const { return hash; }

private:
    uint32_t hash = 2166136261u;
};

}  // namespace

std::string BoardTag(const Level& level) {
    Fnv1a fnv;
    fnv.Add(level.Columns());
    fnv.Add(level.Rows());
    for (int x = 0; x < level.Columns(); ++x) {
        for (int y = 0; y < level.Rows(); ++y) fnv.Add(static_cast<int32_t>(level.Tile(x, y)));
    }
    for (const TilePos& pos : {level.circlePos, level.starPos, level.trianglePos, level.circleGoal,
                               level.starGoal, level.triangleGoal}) {
        fnv.Add(pos.x);
        fnv.Add(pos.y);
    }
    char tag[9];
    std::snprintf(tag, sizeof tag, "%08x", static_cast<unsigned>(fnv.Value()));
    return tag;
}

}  // namespace qv
