#include <gtest/gtest.h>

#include "game/ui/Random.h"
#include "game/world/GameRandom.h"

namespace {

TEST(Random, IsTheGameDrawModuloNPlusOne) {
    ScriptGameRand({0, 6, 7, 13, 32767});
    EXPECT_EQ(Random(7), 1);
    EXPECT_EQ(Random(7), 7);
    EXPECT_EQ(Random(7), 1);
    EXPECT_EQ(Random(7), 7);
    EXPECT_EQ(Random(7), 32767 % 7 + 1);
}

TEST(Random, StaysWithinOneToNWhateverTheDraw) {
    ScriptGameRand({-1, -7, -8});
    EXPECT_EQ(Random(7), 7);
    EXPECT_EQ(Random(7), 1);
    EXPECT_EQ(Random(7), 7);
    for (int i = 0; i < 200; ++i) {
        int const r = Random(6);
        ASSERT_GE(r, 1);
        ASSERT_LE(r, 6);
    }
}

TEST(Random, AnNBelowOneGivesOneAndStillDraws) {
    ScriptGameRand({5, 9});
    std::size_t const before = GameRandDraws();
    EXPECT_EQ(Random(0), 1);
    EXPECT_EQ(Random(-3), 1);
    EXPECT_EQ(GameRandDraws() - before, 2u);
}

}  // namespace
