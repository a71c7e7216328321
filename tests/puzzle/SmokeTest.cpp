#include <gtest/gtest.h>

#include "puzzle/Types.h"

TEST(Types, NoTileIsTheFarCorner) {
    EXPECT_EQ(NoTile, (TilePos{255, 255}));
}
