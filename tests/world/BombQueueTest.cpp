#include <gtest/gtest.h>
#include <vector>

#include "tests/support/WorldHelpers.h"

#include "game/world/BombQueue.h"

namespace {

using testing_support::ChainValues;

std::vector<int> Kinds(BombQueue& list) {
    return ChainValues(
        list.GetTotal(), [&list](int i) { return list.GetNode(i); },
        [](BombNode const& node) { return static_cast<int>(node.bomb); });
}

TEST(Bomb, NamesAndTheInvalidRow) {
    EXPECT_STREQ(BombName(BOMB_FLACK), "FLACK");
    EXPECT_STREQ(BombName(BOMB_PLASMA_FUSION), "Plasma Fusion Bomb");
    EXPECT_STREQ(BombName(BOMB_LIQUIFERNO_NAPALM), "Liquiferno Napalm Bomb");
    EXPECT_STREQ(BombName(BOMB_NEURONUTRALIZER_GAS), "Neuronutralizer Gas");
    EXPECT_STREQ(BombName(static_cast<Bomb>(4)), "BAD");
    EXPECT_STREQ(BombName(static_cast<Bomb>(-1)), "BAD");
}

TEST(BombQueue, NeedsTwoThousandUnitsOfRoom) {
    BombQueue list;
    EXPECT_TRUE(list.enqueue(BOMB_PLASMA_FUSION, 2000));
    EXPECT_FALSE(list.enqueue(BOMB_FLACK, 1999));
    EXPECT_FALSE(list.enqueue(BOMB_FLACK, -5));
    EXPECT_EQ(list.GetTotal(), 1);
    EXPECT_TRUE(list.enqueue(BOMB_LIQUIFERNO_NAPALM, 2000000));
    EXPECT_EQ(Kinds(list), (std::vector<int>{1, 2}));
}

TEST(BombQueue, DequeueGivesOutTheHeadUntilEmpty) {
    BombQueue list;
    ASSERT_TRUE(list.enqueue(BOMB_NEURONUTRALIZER_GAS, 5000));
    Bomb bomb = BOMB_FLACK;
    EXPECT_TRUE(list.dequeue(bomb));
    EXPECT_EQ(bomb, BOMB_NEURONUTRALIZER_GAS);
    EXPECT_EQ(list.GetTotal(), 0);
    EXPECT_EQ(list.GetNode(0), nullptr);
    bomb = BOMB_PLASMA_FUSION;
    EXPECT_FALSE(list.dequeue(bomb));
    EXPECT_EQ(bomb, BOMB_PLASMA_FUSION) << "an empty list leaves the argument alone";
    ASSERT_TRUE(list.enqueue(BOMB_FLACK, 5000));
    ASSERT_TRUE(list.enqueue(BOMB_PLASMA_FUSION, 5000));
    EXPECT_EQ(Kinds(list), (std::vector<int>{0, 1})) << "the emptied list has no stale tail";
}

TEST(BombQueue, KillAllThenEnqueueStartsAfresh) {
    BombQueue list;
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(list.enqueue(static_cast<Bomb>(i), 9000));
    }
    list.KillAllBombs();
    EXPECT_EQ(list.GetTotal(), 0);
    EXPECT_EQ(list.GetNode(0), nullptr);
    ASSERT_TRUE(list.enqueue(BOMB_NEURONUTRALIZER_GAS, 9000));
    ASSERT_TRUE(list.enqueue(BOMB_FLACK, 9000));
    EXPECT_EQ(Kinds(list), (std::vector<int>{3, 0}));
}

TEST(BombQueue, CopiesAreDeepAndSelfAssignmentIsHarmless) {
    BombQueue source;
    source.enqueue(BOMB_FLACK, 2000);
    source.enqueue(BOMB_LIQUIFERNO_NAPALM, 2000);
    BombQueue copied(source);
    BombQueue assigned;
    assigned.enqueue(BOMB_PLASMA_FUSION, 2000);
    assigned = source;
    EXPECT_NE(copied.GetNode(0), source.GetNode(0));
    source.GetNode(0)->bomb = BOMB_NEURONUTRALIZER_GAS;
    source.KillAllBombs();
    EXPECT_EQ(Kinds(copied), (std::vector<int>{0, 2}));
    EXPECT_EQ(Kinds(assigned), (std::vector<int>{0, 2}));
    BombQueue& alias = assigned;
    assigned = alias;
    EXPECT_EQ(Kinds(assigned), (std::vector<int>{0, 2}));
    assigned.enqueue(BOMB_PLASMA_FUSION, 2000);
    EXPECT_EQ(Kinds(assigned), (std::vector<int>{0, 2, 1}));
}

TEST(BombQueue, TakeBombsMovesEveryNode) {
    BombQueue from;
    from.enqueue(BOMB_FLACK, 2000);
    from.enqueue(BOMB_PLASMA_FUSION, 2000);
    BombQueue to;
    to.enqueue(BOMB_NEURONUTRALIZER_GAS, 2000);
    to.TakeBombs(from);
    EXPECT_EQ(Kinds(to), (std::vector<int>{3, 0, 1}));
    EXPECT_EQ(from.GetTotal(), 0);
    EXPECT_EQ(from.GetNode(0), nullptr);
    to.TakeBombs(to);
    EXPECT_EQ(to.GetTotal(), 3);
    from.enqueue(BOMB_LIQUIFERNO_NAPALM, 2000);
    EXPECT_EQ(Kinds(from), (std::vector<int>{2}));
    BombQueue empty;
    empty.TakeBombs(to);
    EXPECT_EQ(Kinds(empty), (std::vector<int>{3, 0, 1}));
    empty.enqueue(BOMB_FLACK, 2000);
    EXPECT_EQ(Kinds(empty), (std::vector<int>{3, 0, 1, 0}));
}

}  // namespace
