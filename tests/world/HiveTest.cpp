#include <gtest/gtest.h>
#include <sstream>
#include <string>

#include "tests/support/WorldHelpers.h"

#include "game/world/Hive.h"
#include "game/world/HiveQueue.h"

namespace {

using testing_support::NameOf;

TEST(Hive, NamesByRace) {
    Hive hive;
    EXPECT_EQ(NameOf(hive), "BAD");
    EXPECT_EQ(static_cast<int>(hive.GetType()), 0);
    EXPECT_EQ(hive.GetValue(), 90);

    hive.SetType(RACE_POVOLNIAN);
    EXPECT_EQ(NameOf(hive), "Povolnian Eggs");
    hive.SetType(RACE_WOOT_WOOT);
    EXPECT_EQ(NameOf(hive), "Woot Woot Eggs shouldnt exist");
    hive.SetType(RACE_BLOB);  // no egg name: keeps the last one
    EXPECT_EQ(NameOf(hive), "Woot Woot Eggs shouldnt exist");
    EXPECT_EQ(static_cast<int>(hive.GetType()), 12);
    hive.SetType(RACE_HUMAN);
    EXPECT_EQ(NameOf(hive), "Human Eggs");
}

TEST(Hive, LongNameIntoAShortBufferIsCut) {
    Hive hive;
    hive.SetType(RACE_WOOT_WOOT);
    char shortName[20];
    hive.GetName(shortName);
    EXPECT_STREQ(shortName, "Woot Woot Eggs shou");

    hive.SetName("An egg name far too long for any hive at all");
    EXPECT_EQ(NameOf(hive).size(), Hive::kNameSize - 1);
}

TEST(Hive, CopyAndDump) {
    Hive hive;
    hive.SetType(RACE_MUDUDU);
    Hive copy;
    copy = hive;
    EXPECT_EQ(NameOf(copy), "Mududu Eggs");
    std::ostringstream out;
    out << copy;
    EXPECT_EQ(out.str(), "Mududu Eggs 90 6 ");
}

TEST(HiveQueue, NeedsTwentyUnitsOfRoom) {
    HiveQueue hives;
    EXPECT_FALSE(hives.enqueue(RACE_POVOLNIAN, 19));
    EXPECT_EQ(hives.GetTotal(), 0);
    EXPECT_TRUE(hives.enqueue(RACE_POVOLNIAN, 20));
    EXPECT_EQ(hives.GetTotal(), 1);
}

TEST(HiveQueue, KeepsOrderAndATailWhenEmptied) {
    HiveQueue hives;
    hives.enqueue(RACE_GREKKP, 100);
    hives.enqueue(RACE_MAKO, 100);
    EXPECT_EQ(NameOf(hives.GetNode(0)->hive), "Grekkp Eggs");
    EXPECT_EQ(NameOf(hives.GetNode(1)->hive), "Mako Eggs");
    EXPECT_EQ(hives.GetNode(2), nullptr);
    EXPECT_EQ(hives.GetNode(-1), nullptr);

    Hive out;
    EXPECT_TRUE(hives.dequeue(out));
    EXPECT_EQ(NameOf(out), "Grekkp Eggs");
    EXPECT_TRUE(hives.dequeue(out));
    EXPECT_FALSE(hives.dequeue(out));
    EXPECT_EQ(hives.GetTotal(), 0);

    EXPECT_TRUE(hives.enqueue(RACE_UBERFLECK, 20));
    EXPECT_TRUE(hives.enqueue(RACE_POVOLNIAN, 20));
    EXPECT_EQ(NameOf(hives.GetNode(1)->hive), "Povolnian Eggs");

    hives.KillAllHives();
    EXPECT_EQ(hives.GetTotal(), 0);
    hives.enqueue(RACE_PROBE, 20);
    EXPECT_EQ(NameOf(hives.GetNode(0)->hive), "Probe Eggs");
}

TEST(HiveQueue, AssignmentCopiesTheHivesApart) {
    HiveQueue hives;
    hives.enqueue(RACE_MAKO, 20);
    hives.enqueue(RACE_HUMAN, 20);
    HiveQueue other;
    other.enqueue(RACE_DEORIAN, 20);
    other = hives;
    ASSERT_EQ(other.GetTotal(), 2);
    EXPECT_EQ(NameOf(other.GetNode(1)->hive), "Human Eggs");
    EXPECT_NE(other.GetNode(0), hives.GetNode(0)) << "no node is shared";

    hives.KillAllHives();
    EXPECT_EQ(other.GetTotal(), 2);
    HiveQueue& same = other;
    other = same;
    ASSERT_EQ(other.GetTotal(), 2);
    EXPECT_EQ(NameOf(other.GetNode(0)->hive), "Mako Eggs");
    EXPECT_TRUE(other.enqueue(RACE_PROBE, 20));
    EXPECT_EQ(NameOf(other.GetNode(2)->hive), "Probe Eggs") << "the copy's tail is its own";
}

}  // namespace
