#include <gtest/gtest.h>
#include <vector>

#include "game/world/GameRandom.h"
#include "game/world/Globals.h"

namespace {

std::vector<int> Races(CrewQueue& crew) {
    std::vector<int> races;
    for (int i = 0; i < crew.GetTotal(); ++i) {
        races.push_back(static_cast<int>(crew.GetCrewNode(i)->crew.GetRace()));
    }
    return races;
}

std::vector<bool> Sexes(CrewQueue& crew, int from, int to) {
    std::vector<bool> sexes;
    for (int i = from; i < to; ++i) {
        sexes.push_back(crew.GetCrewNode(i)->crew.GetMorF());
    }
    return sexes;
}

// Draws the loadout makes: a sex and six name pieces for each of twenty Povolnians, then two
// name pieces for each of the thirteen others.
constexpr std::size_t kLoadoutDraws = 20 * 7 + 13 * 2;

TEST(Globals, StartUpSnapshot) {
    // The world was built, once, before this test began.
    EXPECT_TRUE(GameRandSeeded());
    EXPECT_EQ(GameRandDraws(), kLoadoutDraws);

    EXPECT_EQ(Globals::GetDay(), 1);
    EXPECT_EQ(Globals::GetCredits(), 5000);
    EXPECT_EQ(Globals::GetFreighterCountdown(), 30);
    EXPECT_FALSE(Globals::GetGameOver());
    EXPECT_EQ(Globals::GetMessages()->GetTotal(), 0);

    Mothership& ship = *Globals::GetMothership();
    AirQueue& dock = *ship.GetAirQueue();
    ASSERT_EQ(dock.GetTotal(), 4);
    int const types[] = {0, 3, 1, 2};
    for (int i = 0; i < 4; ++i) {
        Aircraft& craft = dock.GetNode(i)->aircraft;
        EXPECT_EQ(static_cast<int>(craft.GetType()), types[i]);
        EXPECT_EQ(craft.GetHome(), 0);
        EXPECT_EQ(craft.GetBombQueue()->GetTotal(), i == 3 ? 1 : 0);
    }
    EXPECT_EQ(ship.GetDock(), 350000);
    EXPECT_EQ(ship.GetCargo(), 161000);

    CrewQueue& crew = *ship.GetCrewQueue();
    std::vector<int> expected(20, 1);
    expected.insert(expected.end(), {6, 6, 6, 6, 6, 4, 4, 4, 4, 4, 3, 3, 3});
    EXPECT_EQ(Races(crew), expected);
    EXPECT_EQ(Sexes(crew, 20, 33), (std::vector<bool>{false, true, false, true, false, true, false, true,
                                                      false, true, true, false, true}));

    LeaderQueue& advisors = *ship.GetLeaderQueue();
    ASSERT_EQ(advisors.GetTotal(), 9);
    for (int type = 0; type < 9; ++type) {
        EXPECT_EQ(advisors.GetNode(type)->leader.GetType(), type);
    }
    EXPECT_EQ(ship.GetHiveQueue()->GetTotal(), 0);
    EXPECT_EQ(ship.GetBombQueue()->GetTotal(), 0);
    EXPECT_EQ(ship.GetLocation(), 0);

    Map& earth = *Globals::GetMap();
    for (int number = 1; number <= Map::kSectors; ++number) {
        Bunker& bunker = *earth.GetSector(number)->GetBunker();
        EXPECT_FALSE(bunker.GetVisible());
        EXPECT_EQ(bunker.GetCrewQueue()->GetTotal(), 0);
    }
    EXPECT_EQ(Globals::GetTechs()->GetTech(0)->GetRemaining(), 500);
}

TEST(Globals, EachPovolnianSexIsDrawnBeforeItsName) {
    Mothership ship;
    std::vector<int> script;
    for (int i = 0; i < 20; ++i) {
        script.push_back(i % 3 == 0 ? 1 : 2);  // the sex: odd is female
        script.insert(script.end(), {0, 0, 0, 0, 0, 0});
    }
    ScriptGameRand(script);
    std::size_t const before = GameRandDraws();
    Globals::StartingLoadout(ship);
    EXPECT_EQ(GameRandScriptLeft(), 0u);
    EXPECT_EQ(GameRandDraws() - before, kLoadoutDraws);
    std::vector<bool> sexes = Sexes(*ship.GetCrewQueue(), 0, 20);
    for (int i = 0; i < 20; ++i) {
        EXPECT_EQ(sexes[i], i % 3 == 0) << i;
    }
}

TEST(Globals, DaysAndTheFreighter) {
    Globals::NextDay();
    Globals::NextDay();
    EXPECT_EQ(Globals::GetDay(), 3);
    for (int day = 0; day < 30; ++day) {
        Globals::TickSuperFreighter();
    }
    EXPECT_EQ(Globals::GetFreighterCountdown(), 0);
    for (int day = 0; day < 6; ++day) {
        Globals::TickSuperFreighter();
    }
    EXPECT_EQ(Globals::GetFreighterCountdown(), -6);
    Globals::TickSuperFreighter();
    EXPECT_EQ(Globals::GetFreighterCountdown(), 30);

    Globals::SetGameOver(true);
    EXPECT_TRUE(Globals::GetGameOver());
}

TEST(Globals, ResetGameStartsTheWorldAgain) {
    Mothership& ship = *Globals::GetMothership();
    Map& earth = *Globals::GetMap();
    Bunker& bunker = *earth.GetSector(9)->GetBunker();
    bunker.SetSubSector(4);
    bunker.ChangeFood(300);
    bunker.GetCrewQueue()->enqueue(RACE_POVOLNIAN, true);
    bunker.GetBombQueue()->enqueue(BOMB_FLACK, 10000);
    bunker.GetAirQueue()->enqueue(STEALTH_FIGHTER, 30000, 9);
    bunker.SetVisible(true);
    char morning[] = "The mess hall is out of coffee.";
    Globals::GetMessages()->enqueue(morning, 5);
    ship.ChangeFuel(-100000);
    ship.GetHiveQueue()->enqueue(RACE_POVOLNIAN, 100);
    ship.GetCrewQueue()->enqueue(RACE_HUMAN, false);
    Globals::GetTechs()->FindTech("A1")->SetPercent(100.0);
    Globals::NextDay();
    Globals::SetGameOver(true);
    Globals::TickSuperFreighter();

    Globals::ResetGame();

    EXPECT_EQ(Globals::GetDay(), 1);
    EXPECT_EQ(Globals::GetCredits(), 5000);
    EXPECT_FALSE(Globals::GetGameOver());
    EXPECT_EQ(Globals::GetFreighterCountdown(), 30);
    EXPECT_EQ(ship.GetFuel(), 150000);
    EXPECT_EQ(ship.GetHiveQueue()->GetTotal(), 0);
    EXPECT_EQ(ship.GetAirQueue()->GetTotal(), 4);
    EXPECT_EQ(ship.GetLeaderQueue()->GetTotal(), 9);
    CrewQueue& crew = *ship.GetCrewQueue();
    std::vector<int> expected(20, 1);
    expected.insert(expected.end(), {6, 6, 6, 6, 6, 4, 4, 4, 4, 4});
    EXPECT_EQ(Races(crew), expected);
    EXPECT_EQ(Sexes(crew, 9, 12), (std::vector<bool>{true, true, false}));
    EXPECT_EQ(Sexes(crew, 25, 30), (std::vector<bool>{false, false, true, false, false}));

    EXPECT_FALSE(bunker.GetVisible());
    EXPECT_EQ(bunker.GetFood(), 0);
    EXPECT_EQ(bunker.GetCrewQueue()->GetTotal(), 0);
    EXPECT_EQ(bunker.GetBombQueue()->GetTotal(), 0);
    EXPECT_EQ(bunker.GetAirQueue()->GetTotal(), 0);
    EXPECT_EQ(bunker.GetSubSector(), 4);  // the site stays
    EXPECT_EQ(earth.GetSector(9)->GetCounter(), 100);
    EXPECT_TRUE(Globals::GetTechs()->FindTech("A1")->GetResearched());
    ASSERT_EQ(Globals::GetMessages()->GetTotal(), 1) << "the morning's messages stay";
    EXPECT_STREQ(Globals::GetMessages()->GetNode(0)->message.GetText(), morning);
}

}  // namespace
