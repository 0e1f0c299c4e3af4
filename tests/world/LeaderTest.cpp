#include <gtest/gtest.h>
#include <string>

#include "tests/support/WorldHelpers.h"

#include "game/world/GameRandom.h"
#include "game/world/Leader.h"
#include "game/world/LeaderQueue.h"

namespace {

using testing_support::NameOf;

TEST(Leader, BlankAdvisorIsDefined) {
    Leader blank;
    EXPECT_EQ(NameOf(blank), "BAD");
    EXPECT_EQ(blank.GetType(), -1);
    EXPECT_EQ(blank.GetPerformance(), 100);
    EXPECT_EQ(blank.GetNavigation(), 1);
    EXPECT_EQ(blank.GetMilitary(), 1);
}

TEST(Leader, TypesGiveTheNineAdvisors) {
    struct Expected {
        char const* name;
        bool flag;
        int navigation, maintenance, research, military;
    };
    Expected const rows[] = {{"Carolla", true, 6, 6, 6, 6},          {"Emerson", false, 6, 6, 6, 6},
                             {"Pinsky", false, 10, 8, 1, 5},         {"Scruggs", false, 1, 10, 5, 8},
                             {"Blobby the Blob", false, 1, 1, 1, 1}, {"Hyde", false, 1, 1, 5, 8},
                             {"Kryptal", true, 8, 5, 1, 10},         {"Nozawa", true, 3, 3, 4, 4},
                             {"Dr. Dobbs", true, 10, 1, 10, 1}};
    for (int type = 0; type < Leader::kTypes; ++type) {
        Leader leader;
        leader.SetType(type);
        SCOPED_TRACE(type);
        EXPECT_EQ(NameOf(leader), rows[type].name);
        EXPECT_EQ(leader.GetType(), type);
        EXPECT_EQ(leader.GetFlag(), rows[type].flag);
        EXPECT_EQ(leader.GetPerformance(), 100);
        EXPECT_EQ(leader.GetNavigation(), rows[type].navigation);
        EXPECT_EQ(leader.GetMaintenance(), rows[type].maintenance);
        EXPECT_EQ(leader.GetResearch(), rows[type].research);
        EXPECT_EQ(leader.GetMilitary(), rows[type].military);
    }
    Leader outside;
    outside.SetType(9);
    EXPECT_EQ(NameOf(outside), "BAD");
}

TEST(Leader, PerformanceGateStaysShutAndSkillsFollowTheDraw) {
    Leader leader;
    leader.SetType(2);
    leader.ChangePerformance(-50);
    EXPECT_EQ(leader.GetPerformance(), 100);

    ScriptGameRand({0, 1, 2, 7});
    leader.IncreaseSkill();
    leader.IncreaseSkill();
    leader.IncreaseSkill();
    leader.IncreaseSkill();
    EXPECT_EQ(leader.GetMaintenance(), 9);
    EXPECT_EQ(leader.GetMilitary(), 6);
    EXPECT_EQ(leader.GetNavigation(), 11);
    EXPECT_EQ(leader.GetResearch(), 2);
}

TEST(LeaderQueue, HoldsAHundred) {
    LeaderQueue list;
    for (int i = 0; i < 99; ++i) {
        ASSERT_TRUE(list.enqueue(i % 9));
    }
    EXPECT_FALSE(list.isfull());
    EXPECT_TRUE(list.enqueue(8));
    EXPECT_TRUE(list.isfull());
    EXPECT_FALSE(list.enqueue(0));
    EXPECT_EQ(list.GetTotal(), 100);
    EXPECT_EQ(list.GetNode(99)->leader.GetType(), 8);
    EXPECT_EQ(list.GetNode(100), nullptr);
    EXPECT_EQ(list.GetNode(-1), nullptr);
}

TEST(LeaderQueue, DequeueTellsWhetherAdvisorsRemainAndKeepsTheTail) {
    LeaderQueue list;
    Leader out;
    EXPECT_FALSE(list.dequeue(out));
    list.enqueue(3);
    list.enqueue(5);
    EXPECT_TRUE(list.dequeue(out));
    EXPECT_EQ(NameOf(out), "Scruggs");
    EXPECT_FALSE(list.dequeue(out));  // removed the last one all the same
    EXPECT_EQ(NameOf(out), "Hyde");
    EXPECT_EQ(list.GetTotal(), 0);
    EXPECT_EQ(list.GetNode(0), nullptr);

    // Emptied, the list appends again from scratch.
    list.enqueue(0);
    list.enqueue(1);
    EXPECT_EQ(list.GetNode(0)->leader.GetType(), 0);
    EXPECT_EQ(list.GetNode(1)->leader.GetType(), 1);

    list.KillAllLeaders();
    EXPECT_EQ(list.GetTotal(), 0);
    list.enqueue(7);
    EXPECT_EQ(list.GetTotal(), 1);
    EXPECT_EQ(list.GetNode(0)->leader.GetType(), 7);
}

}  // namespace
