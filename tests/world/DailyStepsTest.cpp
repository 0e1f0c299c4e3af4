#include <gtest/gtest.h>
#include <sstream>
#include <string>

#include "tests/support/WorldHelpers.h"

#include "game/world/GameRandom.h"
#include "game/world/Globals.h"

namespace {

using namespace testing_support;

Aircraft& AddCraft(int place, AircraftType type) {
    AirQueue& list = *Globals::GetPlaceAirQueue(place);
    EXPECT_TRUE(list.enqueue(type, Mothership::kDockSpace, place));
    return list.GetNode(list.GetTotal() - 1)->aircraft;
}

void ExpectArrived(Aircraft& craft, AircraftType type, int place) {
    EXPECT_EQ(craft.GetType(), type);
    EXPECT_EQ(craft.GetHome(), place);
    EXPECT_EQ(craft.GetDestination(), place);
    EXPECT_EQ(craft.GetMission(), MISSION_INACTIVE);
}

// ---- Transfers -------------------------------------------------------------------------------

TEST(Transfers, TwoCraftBoundForOneSectorBothArrive) {
    Dock().KillAllCraft();
    AddCraft(0, SAUCER_TRANSPORT);
    AddCraft(0, CARGO_BARGE);
    Order(Docked(0), MISSION_TRAVEL, 5);
    Order(Docked(1), MISSION_TRAVEL, 5);
    BunkerOf(5).SetVisible(true);
    std::size_t const draws = GameRandDraws();

    Globals::ProcessTransfers();

    EXPECT_EQ(Dock().GetTotal(), 0);
    AirQueue& there = *BunkerOf(5).GetAirQueue();
    ASSERT_EQ(there.GetTotal(), 2);
    ExpectArrived(there.GetNode(0)->aircraft, CARGO_BARGE, 5);  // the later arrival stands first
    ExpectArrived(there.GetNode(1)->aircraft, SAUCER_TRANSPORT, 5);
    EXPECT_EQ(GameRandDraws(), draws);
    EXPECT_TRUE(PostedMessages().empty());
}

TEST(Transfers, CraftBoundForItsOwnHomeStaysOnItsMission) {
    Order(Docked(0), MISSION_TRAVEL, 0);
    Globals::ProcessTransfers();
    ASSERT_EQ(Dock().GetTotal(), 4);
    EXPECT_EQ(Docked(0).GetType(), SAUCER_TRANSPORT);
    EXPECT_EQ(Docked(0).GetMission(), MISSION_TRAVEL);
}

TEST(Transfers, EachCraftMovesOnceWhicheverWayItGoes) {
    Order(Docked(0), MISSION_TRAVEL, 5);                     // ship to a later place
    Order(AddCraft(5, STEALTH_FIGHTER), MISSION_TRAVEL, 0);  // back to the ship
    Order(AddCraft(7, CARGO_BARGE), MISSION_TRAVEL, 3);      // to an earlier place
    Order(AddCraft(3, HULK_BOMBER), MISSION_TRAVEL, 24);     // to the last place

    Globals::ProcessTransfers();

    ASSERT_EQ(Dock().GetTotal(), 4);
    ExpectArrived(Docked(0), STEALTH_FIGHTER, 0);
    EXPECT_EQ(Docked(1).GetType(), CARGO_BARGE);
    ASSERT_EQ(BunkerOf(5).GetAirQueue()->GetTotal(), 1);
    ExpectArrived(BunkerOf(5).GetAirQueue()->GetNode(0)->aircraft, SAUCER_TRANSPORT, 5);
    ASSERT_EQ(BunkerOf(3).GetAirQueue()->GetTotal(), 1);
    ExpectArrived(BunkerOf(3).GetAirQueue()->GetNode(0)->aircraft, CARGO_BARGE, 3);
    EXPECT_EQ(BunkerOf(7).GetAirQueue()->GetTotal(), 0);
    ASSERT_EQ(BunkerOf(24).GetAirQueue()->GetTotal(), 1);
    ExpectArrived(BunkerOf(24).GetAirQueue()->GetNode(0)->aircraft, HULK_BOMBER, 24);
}

TEST(Transfers, ArrivingCrewKeepsTwoAboardAndTheRestJoinTheBunker) {
    Aircraft& bomber = Docked(3);
    Board(bomber, {RACE_POVOLNIAN, RACE_MUDUDU, RACE_MAKO});
    ASSERT_TRUE(bomber.GetBombQueue()->enqueue(BOMB_LIQUIFERNO_NAPALM, Aircraft::kBomberBombRoom));
    Order(bomber, MISSION_TRAVEL, 5);

    Globals::ProcessTransfers();

    Aircraft& arrived = BunkerOf(5).GetAirQueue()->GetNode(0)->aircraft;
    CrewQueue& aboard = *arrived.GetCrewQueue();
    ASSERT_EQ(aboard.GetTotal(), 2);
    EXPECT_EQ(aboard.GetCrewNode(0)->crew.GetRace(), RACE_POVOLNIAN);
    EXPECT_EQ(aboard.GetCrewNode(1)->crew.GetRace(), RACE_MUDUDU);
    ASSERT_EQ(BunkerOf(5).GetCrewQueue()->GetTotal(), 1);
    EXPECT_EQ(BunkerOf(5).GetCrewQueue()->GetCrewNode(0)->crew.GetRace(), RACE_MAKO);
    // The bomber keeps its bombs on the way.
    BombQueue& bombs = *arrived.GetBombQueue();
    ASSERT_EQ(bombs.GetTotal(), 2);
    EXPECT_EQ(bombs.GetNode(0)->bomb, BOMB_FLACK);
    EXPECT_EQ(bombs.GetNode(1)->bomb, BOMB_LIQUIFERNO_NAPALM);
    EXPECT_EQ(Dock().GetTotal(), 3);
}

TEST(Transfers, AFullBunkerLeavesTheArrivingCrewAboard) {
    FillCrew(*BunkerOf(5).GetCrewQueue());
    Board(Docked(3), {RACE_POVOLNIAN, RACE_MUDUDU, RACE_MAKO});
    Order(Docked(3), MISSION_TRAVEL, 5);

    Globals::ProcessTransfers();

    EXPECT_EQ(BunkerOf(5).GetCrewQueue()->GetTotal(), Bunker::kMaxCrew);
    EXPECT_EQ(BunkerOf(5).GetAirQueue()->GetNode(0)->aircraft.GetCrewQueue()->GetTotal(), 3);
}

// ---- Saucer missions -------------------------------------------------------------------------

TEST(SaucerMissions, ScoutMapsTheNextSquareEachDay) {
    Sector& target = SectorOf(5);
    target.GetSubSector(0, -1)->SetVisible();
    target.GetSubSector(1, -1)->SetVisible();
    Order(Docked(0), MISSION_SCOUT, 5);
    std::size_t const draws = GameRandDraws();

    Globals::ProcessSaucerMissions();

    EXPECT_TRUE(target.GetSubSector(2, -1)->GetVisible());
    EXPECT_FALSE(target.GetSubSector(3, -1)->GetVisible());
    EXPECT_EQ(target.GetCounter(), 100);
    EXPECT_EQ(PostedMessages(),
              (Posted{{2, "Saucer located in Mothership has successfully mapped a new sub-sector"}}));
    EXPECT_EQ(Docked(0).GetMission(), MISSION_SCOUT);

    Globals::ProcessSaucerMissions();
    EXPECT_TRUE(target.GetSubSector(3, -1)->GetVisible());
    EXPECT_EQ(target.GetCounter(), 200);
    EXPECT_EQ(GameRandDraws(), draws);
}

TEST(SaucerMissions, ScoutReportsTheWholeSectorMappedAndStops) {
    Sector& target = SectorOf(24);
    for (int square = 0; square < 15; ++square) {
        target.GetSubSector(square, -1)->SetVisible();
    }
    Aircraft& scout = AddCraft(24, SAUCER_TRANSPORT);
    Order(scout, MISSION_SCOUT, 24);
    Order(Docked(0), MISSION_SCOUT, 3);

    Globals::ProcessSaucerMissions();

    EXPECT_TRUE(target.GetSubSector(15, -1)->GetVisible());
    EXPECT_EQ(scout.GetMission(), MISSION_INACTIVE);
    EXPECT_EQ(target.GetCounter(), 0);
    EXPECT_EQ(
        PostedMessages(),
        (Posted{{4,
                 "Saucer located in Sector K has successfully mapped all sub-sectors in its destination "
                 "sector. It is now inactive."},
                {2, "Saucer located in Mothership has successfully mapped a new sub-sector"}}));

    ForgetMessages();
    Globals::ProcessSaucerMissions();
    EXPECT_EQ(PostedMessages().size(), 1u) << "only the ship's scout is still out";
}

TEST(SaucerMissions, FoodHuntsFeedTheShipAndTheBunker) {
    Order(Docked(0), MISSION_ABDUCT_LARGE, 3);
    Order(AddCraft(5, SAUCER_TRANSPORT), MISSION_ABDUCT_LARGE, 9);

    Globals::ProcessSaucerMissions();

    EXPECT_EQ(Ship().GetFood(), 1030);
    EXPECT_EQ(BunkerOf(5).GetFood(), 15);
    EXPECT_EQ(PostedMessages(),
              (Posted{{1,
                       "Saucer located in Mothership found a herd Large edible lifeforms. They "
                       "has been added to the local food supply."},
                      {1,
                       "Saucer located in Sector U found a herd Large edible lifeforms. They "
                       "has been added to the local food supply."}}));
}

TEST(SaucerMissions, PovolnianSearchSucceedsOnDrawsUpToTwentyFive) {
    Aircraft& saucer = Docked(0);
    Board(saucer, {RACE_POVOLNIAN});
    Order(saucer, MISSION_ABDUCT_INTELLIGENT, 3);
    CrewQueue& crew = *Ship().GetCrewQueue();

    ScriptGameRand({126});  // 26: one more than 50 / 10 x 5
    Globals::ProcessSaucerMissions();
    EXPECT_EQ(GameRandScriptLeft(), 0u);
    EXPECT_EQ(crew.GetTotal(), 33);
    EXPECT_TRUE(PostedMessages().empty());

    std::size_t const draws = GameRandDraws();
    ScriptGameRand({125, 4, 0, 0, 0, 0});  // 25, then an even sex draw: a woman
    Globals::ProcessSaucerMissions();
    EXPECT_EQ(GameRandDraws() - draws, 6u) << "the search, the sex and four for the name";
    ASSERT_EQ(crew.GetTotal(), 34);
    EXPECT_EQ(crew.GetCrewNode(33)->crew.GetRace(), RACE_HUMAN);
    EXPECT_TRUE(crew.GetCrewNode(33)->crew.GetMorF());
    EXPECT_EQ(
        PostedMessages(),
        (Posted{{3, "Saucer located in Mothership found a Fleepion. It has been added to the local crew."}}));
}

TEST(SaucerMissions, HumanSearcherSucceedsOnlyOnZero) {
    Aircraft& saucer = AddCraft(5, SAUCER_TRANSPORT);
    Board(saucer, {RACE_HUMAN});
    Order(saucer, MISSION_ABDUCT_INTELLIGENT, 3);
    CrewQueue& crew = *BunkerOf(5).GetCrewQueue();

    ScriptGameRand({1, 200, 1, 0, 0, 0, 0});
    Globals::ProcessSaucerMissions();
    Globals::ProcessSaucerMissions();
    EXPECT_EQ(GameRandScriptLeft(), 0u);
    ASSERT_EQ(crew.GetTotal(), 1);
    EXPECT_FALSE(crew.GetCrewNode(0)->crew.GetMorF()) << "an odd sex draw brings a man";
    EXPECT_EQ(
        PostedMessages(),
        (Posted{{3, "Saucer located in Sector U found a Fleepion. It has been added to the local crew."}}));
}

TEST(SaucerMissions, AFullCrewListTurnsTheNewcomerAwayWithoutAReport) {
    Aircraft& saucer = AddCraft(5, SAUCER_TRANSPORT);
    Board(saucer, {RACE_POVOLNIAN});
    Order(saucer, MISSION_ABDUCT_INTELLIGENT, 3);
    FillCrew(*BunkerOf(5).GetCrewQueue());
    std::size_t const draws = GameRandDraws();

    ScriptGameRand({0, 0});
    Globals::ProcessSaucerMissions();

    EXPECT_EQ(GameRandDraws() - draws, 2u);
    EXPECT_EQ(BunkerOf(5).GetCrewQueue()->GetTotal(), Bunker::kMaxCrew);
    EXPECT_TRUE(PostedMessages().empty());
}

TEST(SaucerMissions, AnEmptySaucerOrOneBoundForTheShipDoesNothing) {
    Order(Docked(0), MISSION_ABDUCT_INTELLIGENT, 3);  // nobody aboard to search
    Aircraft& hunter = AddCraft(0, SAUCER_TRANSPORT);
    Board(hunter, {RACE_POVOLNIAN});
    Order(hunter, MISSION_ABDUCT_LARGE, 0);
    Aircraft& searcher = AddCraft(0, SAUCER_TRANSPORT);
    Board(searcher, {RACE_POVOLNIAN});
    Order(searcher, MISSION_ABDUCT_INTELLIGENT, 0);
    Order(AddCraft(0, SAUCER_TRANSPORT), MISSION_SCOUT, 0);
    std::size_t const draws = GameRandDraws();

    Globals::ProcessSaucerMissions();

    EXPECT_EQ(GameRandDraws(), draws);
    EXPECT_EQ(Ship().GetFood(), 1000);
    EXPECT_EQ(Ship().GetCrewQueue()->GetTotal(), 33);
    EXPECT_TRUE(PostedMessages().empty());
}

// ---- Bunker construction ---------------------------------------------------------------------

TEST(BunkerConstruction, FourPovolniansReportEachDayUntilBuilt) {
    Man(BunkerOf(5), RACE_POVOLNIAN, 4);
    BunkerOf(5).ChangeMaterials(10000);

    Globals::ProcessBunkerConstruction();
    EXPECT_EQ(PostedMessages(), (Posted{{2, "Bunker in sector U has 14 days until it's built."}}));
    for (int day = 2; day <= 14; ++day) {
        ForgetMessages();
        Globals::ProcessBunkerConstruction();
        ASSERT_EQ(PostedMessages().size(), 1u);
        EXPECT_EQ(PostedMessages()[0].first, 2) << day;
    }
    ForgetMessages();
    Globals::ProcessBunkerConstruction();  // day 15
    EXPECT_EQ(PostedMessages(), (Posted{{3, "Bunker in sector U will be ready for use tomorrow!"}}));
    EXPECT_FALSE(BunkerOf(5).GetVisible());

    ForgetMessages();
    Globals::ProcessBunkerConstruction();  // day 16
    EXPECT_EQ(PostedMessages(), (Posted{{4, "Bunker sucessfully built in sector U"}}));
    EXPECT_TRUE(BunkerOf(5).GetVisible());

    ForgetMessages();
    Globals::ProcessBunkerConstruction();
    EXPECT_TRUE(PostedMessages().empty());
    EXPECT_EQ(BunkerOf(5).GetMaterials(), 10000 - 16 * 320);
}

TEST(BunkerConstruction, TheLastSectorsBunkerIsBuiltLikeAnyOther) {
    Man(BunkerOf(24), RACE_POVOLNIAN, 4);
    BunkerOf(24).ChangeMaterials(10000);
    for (int day = 1; day <= 15; ++day) {
        Globals::ProcessBunkerConstruction();
    }
    ForgetMessages();
    Globals::ProcessBunkerConstruction();  // day 16
    EXPECT_EQ(PostedMessages(), (Posted{{4, "Bunker sucessfully built in sector K"}}));
    EXPECT_TRUE(BunkerOf(24).GetVisible());
}

TEST(BunkerConstruction, WithoutMaterialsTheCrewAsksForMore) {
    Man(BunkerOf(24), RACE_POVOLNIAN, 4);
    Globals::ProcessBunkerConstruction();
    EXPECT_EQ(PostedMessages(),
              (Posted{{4, "Bunker in sector K is low on materials. Send more so the crew can build faster."},
                      {2, "Bunker in sector K has 30 days until it's built."}}));
}

TEST(BunkerConstruction, HumansAloneAreNeverReadyTomorrow) {
    Man(BunkerOf(5), RACE_HUMAN, 3);
    BunkerOf(5).ChangeMaterials(500);
    for (int day = 0; day < 3; ++day) {
        ForgetMessages();
        Globals::ProcessBunkerConstruction();
        EXPECT_EQ(PostedMessages(), (Posted{{2, "Bunker in sector U has 99999 days until it's built."}}));
    }
    EXPECT_FALSE(BunkerOf(5).GetVisible());
}

// Every crew list of the world as dumped, place by place.
std::string WorldCrew() {
    std::ostringstream out;
    for (int place = 0; place < Globals::kPlaces; ++place) {
        CrewQueue& crew = *Globals::GetPlaceCrewQueue(place);
        for (int i = 0; i < crew.GetTotal(); ++i) {
            out << crew.GetCrewNode(i)->crew;
        }
        out << '|';
    }
    return out.str();
}

TEST(Places, CountingTheCrewKeepsNoResultAndChangesNothing) {
    Man(BunkerOf(1), RACE_MAKO, 2);
    Man(BunkerOf(24), RACE_MAKO, 1);
    Board(Docked(0), {RACE_MAKO});
    std::string const before = WorldCrew();
    std::size_t const draws = GameRandDraws();
    Globals::CountAllCrew();
    EXPECT_EQ(WorldCrew(), before);
    EXPECT_EQ(GameRandDraws(), draws);
    EXPECT_EQ(Docked(0).GetCrewQueue()->GetTotal(), 1);
    EXPECT_EQ(Globals::GetPlaceAirQueue(25), nullptr);
    EXPECT_EQ(Globals::GetPlaceCrewQueue(-1), nullptr);
}

}  // namespace
