// The solver's memory must find every state it was given under the id it first got, however
// its index grew on the way: a lost state would make the search answer wrongly, not crash.
#include <gtest/gtest.h>

#include "puzzle/StateTable.h"

using namespace qv;

namespace {

PackedState Numbered(uint64_t n) {
    // Spread over all words, so every word takes part in telling states apart.
    return {n, n * 3 + 1, n ^ 0x5555, n << 7};
}

}  // namespace

TEST(StateTable, KeepsEveryStateAcrossGrowth) {
    // With a limit the index jumps to its full size once, here between two slices of a search;
    // without, it doubles all the way.
    for (std::size_t expected : {std::size_t{0}, std::size_t{1000000}}) {
        StateTable table(32, expected);
        constexpr uint32_t kStates = 200000;
        for (uint32_t n = 0; n < kStates; ++n) {
            if (n == 40000) table.GrowForLimit();
            const StateTable::Entry entry = table.Insert(Numbered(n));
            ASSERT_TRUE(entry.added);
            ASSERT_EQ(entry.id, n);
        }
        EXPECT_EQ(table.Size(), kStates);
        for (uint32_t n = 0; n < kStates; n += 997) {
            EXPECT_EQ(table.Find(Numbered(n)), n);
            EXPECT_FALSE(table.Insert(Numbered(n)).added);
            EXPECT_EQ(table.State(n), Numbered(n));
        }
        EXPECT_EQ(table.Find(Numbered(kStates)), StateTable::kNone);
    }
}
