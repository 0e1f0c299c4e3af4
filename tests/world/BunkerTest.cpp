#include <gtest/gtest.h>
#include <sstream>

#include "tests/support/WorldHelpers.h"

#include "game/world/Bunker.h"
#include "game/world/Globals.h"

namespace {

using testing_support::Man;

int MessageCount() { return Globals::GetMessages()->GetTotal(); }

TEST(Bunker, FourPovolniansBuildOnTheSixteenthDay) {
    Bunker bunker;
    bunker.SetLetter('Q');
    Man(bunker, RACE_POVOLNIAN, 4);
    bunker.ChangeMaterials(10000);

    EXPECT_EQ(bunker.BuildBunker(), 14);  // 6.4 a day: (100 - 6.4) / 6.4 = 14.6
    EXPECT_EQ(bunker.GetMaterials(), 10000 - 320);
    EXPECT_DOUBLE_EQ(bunker.GetProgress(), 6.4);
    for (int day = 2; day <= 14; ++day) {
        EXPECT_GT(bunker.BuildBunker(), 0) << day;
    }
    EXPECT_EQ(bunker.BuildBunker(), 0);  // day 15: ready tomorrow
    EXPECT_FALSE(bunker.GetVisible());
    EXPECT_EQ(bunker.BuildBunker(), 0);  // day 16: built
    EXPECT_TRUE(bunker.GetVisible());
    EXPECT_EQ(bunker.GetMaterials(), 10000 - 16 * 320);
    EXPECT_EQ(MessageCount(), 0);
}

TEST(Bunker, WithoutMaterialsTheCrewWorksAtHalfSpeedAndAsksForMore) {
    Bunker bunker;
    bunker.SetLetter('Q');
    Man(bunker, RACE_POVOLNIAN, 4);
    bunker.ChangeMaterials(100);  // less than a day's 320

    EXPECT_EQ(bunker.BuildBunker(), 30);  // 3.2 done: (100 - 3.2) / 3.2 = 30.25
    EXPECT_EQ(bunker.GetMaterials(), 0);
    EXPECT_DOUBLE_EQ(bunker.GetProgress(), 3.2);
    ASSERT_EQ(MessageCount(), 1);
    MessageNode* node = Globals::GetMessages()->GetNode(0);
    EXPECT_EQ(node->message.GetType(), 4);
    EXPECT_STREQ(node->message.GetText(),
                 "Bunker in sector Q is low on materials. Send more so the crew can build faster.");

    EXPECT_EQ(bunker.BuildBunker(), 29);
    EXPECT_EQ(bunker.GetMaterials(), 0);
    EXPECT_EQ(MessageCount(), 2);
}

TEST(Bunker, NoMessageWhenLessThanTwoDaysRemain) {
    Bunker bunker;
    Man(bunker, RACE_POVOLNIAN, 4);
    bunker.ChangeMaterials(10000);
    for (int day = 1; day <= 14; ++day) {
        bunker.BuildBunker();
    }
    bunker.ChangeMaterials(-bunker.GetMaterials());
    // 89.6 + 3.2 = 92.8: two days left at half speed.
    EXPECT_EQ(bunker.BuildBunker(), 2);
    EXPECT_EQ(MessageCount(), 1);
    EXPECT_EQ(bunker.BuildBunker(), 1);
    EXPECT_EQ(MessageCount(), 1);
    EXPECT_EQ(bunker.BuildBunker(), 0);  // 99.2: ready tomorrow
    EXPECT_FALSE(bunker.GetVisible());
    EXPECT_EQ(bunker.BuildBunker(), 0);  // 99.2 to 102.4: built, with nothing to ask for
    EXPECT_TRUE(bunker.GetVisible());
    EXPECT_EQ(MessageCount(), 1);
}

TEST(Bunker, HumansAloneCannotBuild) {
    Bunker bunker;
    Man(bunker, RACE_HUMAN, 3);
    bunker.ChangeMaterials(500);
    for (int day = 0; day < 3; ++day) {
        EXPECT_EQ(bunker.BuildBunker(), Bunker::kNeverDays);
    }
    EXPECT_EQ(bunker.GetProgress(), 0.0);
    EXPECT_EQ(bunker.GetMaterials(), 500);
    EXPECT_FALSE(bunker.GetVisible());
    EXPECT_EQ(MessageCount(), 0);

    // Out of materials as well: still no progress, and the crew asks for materials every day.
    Bunker bare;
    bare.SetLetter('R');
    Man(bare, RACE_HUMAN, 2);
    for (int day = 1; day <= 2; ++day) {
        EXPECT_EQ(bare.BuildBunker(), Bunker::kNeverDays);
        EXPECT_EQ(MessageCount(), day);
    }
    EXPECT_EQ(bare.GetProgress(), 0.0);
    EXPECT_EQ(bare.GetMaterials(), 0);
    EXPECT_STREQ(Globals::GetMessages()->GetNode(0)->message.GetText(),
                 "Bunker in sector R is low on materials. Send more so the crew can build faster.");
}

TEST(Bunker, ProgressThatRoundsShortOfAHundredStillFinishes) {
    // A Blob adds 0.1 a day; a thousand such days sum to a hair under 100 in floating point.
    Bunker bunker;
    Man(bunker, RACE_BLOB, 1);
    bunker.ChangeMaterials(100000);
    int day = 0;
    while (!bunker.GetVisible() && day < 2000) {
        bunker.BuildBunker();
        ++day;
    }
    EXPECT_EQ(day, 1000);
}

TEST(Bunker, EatingStopsAtZero) {
    Bunker bunker;
    Man(bunker, RACE_MAKO, 5);
    bunker.ChangeFood(3);
    bunker.BurnFood();
    EXPECT_EQ(bunker.GetFood(), 0);
    bunker.ChangeFood(12);
    bunker.BurnFood();
    EXPECT_EQ(bunker.GetFood(), 7);
}

TEST(Bunker, NewBunkerAndItsDump) {
    Bunker bunker;
    EXPECT_EQ(bunker.GetSubSector(), -1);
    EXPECT_EQ(bunker.GetLetter(), '?');
    EXPECT_EQ(bunker.GetCrewQueue()->isfull(), false);
    std::ostringstream out;
    out << bunker;
    EXPECT_EQ(out.str(), "0 0 0 0 0 0 0 0 0 0 ");
}

TEST(Bunker, CargoDockAndClearing) {
    Bunker bunker;
    bunker.ChangeFood(50);
    bunker.ChangeMaterials(70);
    bunker.GetBombQueue()->enqueue(BOMB_PLASMA_FUSION, 10000);
    bunker.GetBombQueue()->enqueue(BOMB_LIQUIFERNO_NAPALM, 10000);
    EXPECT_EQ(bunker.GetCargo(), 50 + 70 + 4000);
    bunker.GetAirQueue()->enqueue(HULK_BOMBER, 1000000, 4);
    bunker.GetAirQueue()->enqueue(STEALTH_FIGHTER, 1000000, 4);
    EXPECT_EQ(bunker.GetDock(), 130000);
    bunker.ClearStock();
    EXPECT_EQ(bunker.GetFood(), 0);
    EXPECT_EQ(bunker.GetMaterials(), 0);
    EXPECT_EQ(bunker.GetCargo(), 4000);
}

TEST(Bunker, CrewOfFiftyAtMost) {
    Bunker bunker;
    Man(bunker, RACE_UBERFLECK, 50);
    EXPECT_FALSE(bunker.GetCrewQueue()->enqueue(RACE_UBERFLECK, true));
}

}  // namespace
