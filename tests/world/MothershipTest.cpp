#include <climits>
#include <gtest/gtest.h>
#include <sstream>
#include <vector>

#include "game/world/Globals.h"
#include "game/world/Mothership.h"

namespace {

TEST(Mothership, FreshShip) {
    Mothership ship;
    EXPECT_EQ(ship.GetFood(), 1000);
    EXPECT_EQ(ship.GetFuel(), 150000);
    EXPECT_EQ(ship.GetMaterials(), 10000);
    EXPECT_EQ(ship.GetCapsules(), 2);
    EXPECT_EQ(ship.GetMorale(), 100);
    EXPECT_EQ(ship.GetWorkRate(), 2);
    EXPECT_EQ(ship.GetLocation(), 0);
    EXPECT_FALSE(ship.GetShields());
    EXPECT_EQ(ship.GetCargo(), 161000);
    EXPECT_EQ(ship.GetDock(), 80000);
    EXPECT_EQ(ship.GetCrewQueue()->GetTotal(), 0);
}

TEST(Mothership, LoadoutFillsTheDock) {
    Mothership ship;
    Globals::StartingLoadout(ship);
    EXPECT_EQ(ship.GetDock(), 350000);
    EXPECT_EQ(ship.GetCargo(), 161000);
    EXPECT_EQ(ship.GetCrewQueue()->GetTotal(), 33);
    EXPECT_EQ(ship.GetLeaderQueue()->GetTotal(), 9);
    ship.BurnFood();
    EXPECT_EQ(ship.GetFood(), 1000 - 43);
}

TEST(Mothership, CargoCountsBombsAndHives) {
    Mothership ship;
    ship.GetBombQueue()->enqueue(BOMB_PLASMA_FUSION, Mothership::kCargoSpace - ship.GetCargo());
    ship.GetHiveQueue()->enqueue(RACE_POVOLNIAN, Mothership::kCargoSpace - ship.GetCargo());
    ship.GetHiveQueue()->enqueue(RACE_POVOLNIAN, Mothership::kCargoSpace - ship.GetCargo());
    ship.ChangeArtifacts(7);
    EXPECT_EQ(ship.GetCargo(), 161000 + 2000 + 40 + 7);
    ship.ChangeCapsules(1);
    EXPECT_EQ(ship.GetDock(), 120000);
}

TEST(Mothership, EatingStopsAtZero) {
    Mothership ship;
    ship.GetCrewQueue()->enqueue(RACE_MAKO, false);
    ship.GetLeaderQueue()->enqueue(0);
    // Three eaters: one crew member, one advisor and the captain.
    ship.SetFood(3);
    ship.BurnFood();
    EXPECT_EQ(ship.GetFood(), 0);
    ship.SetFood(2);
    ship.BurnFood();
    EXPECT_EQ(ship.GetFood(), 0);
    ship.SetFood(4);
    ship.BurnFood();
    EXPECT_EQ(ship.GetFood(), 1);
}

TEST(Mothership, FoodAndFuelNeverWrap) {
    Mothership ship;
    EXPECT_EQ(ship.ChangeFuel(-200000), 0);
    EXPECT_EQ(ship.GetFuel(), 0);
    EXPECT_EQ(ship.ChangeFood(-1001), 0);
    EXPECT_EQ(ship.SetFuel(-5), 0);
    EXPECT_EQ(ship.SetFood(-1), 0);

    ship.SetFood(INT_MAX - 10);
    EXPECT_EQ(ship.ChangeFood(400), INT_MAX);
    ship.SetFuel(INT_MAX);
    EXPECT_EQ(ship.ChangeFuel(100000), INT_MAX);
    ship.ChangeMaterials(INT_MAX);
    EXPECT_EQ(ship.GetMaterials(), INT_MAX);

    // A hold stuffed past its size has no room left, and the sum does not overflow.
    EXPECT_EQ(ship.GetCargo(), INT_MAX);
    EXPECT_FALSE(ship.GetHiveQueue()->enqueue(RACE_POVOLNIAN, Mothership::kCargoSpace - ship.GetCargo()));
}

TEST(Mothership, ChangesAddSignedAmounts) {
    Mothership ship;
    ship.ChangeMaterials(400);
    EXPECT_EQ(ship.GetMaterials(), 10400);
    EXPECT_EQ(ship.GetFood(), 1000);
    ship.ChangeFood(400);
    ship.ChangeFuel(-400);
    EXPECT_EQ(ship.GetFood(), 1400);
    EXPECT_EQ(ship.GetFuel(), 149600);
}

int MoraleAfter(int workRate, int startMorale, int food) {
    Mothership ship;
    ship.SetWorkRate(4);
    while (ship.GetMorale() > startMorale) {
        ship.UpdateMorale();  // fifteen a day down
    }
    ship.SetWorkRate(0);
    while (ship.GetMorale() < startMorale) {
        ship.UpdateMorale();  // five a day up
    }
    ship.SetWorkRate(workRate);
    ship.SetFood(food);
    ship.UpdateMorale();
    return ship.GetMorale();
}

TEST(Mothership, MoraleFollowsTheWorkScheduleAndStaysInBounds) {
    EXPECT_EQ(MoraleAfter(0, 50, 100), 55);
    EXPECT_EQ(MoraleAfter(1, 50, 100), 51);
    EXPECT_EQ(MoraleAfter(2, 50, 100), 50);
    EXPECT_EQ(MoraleAfter(3, 50, 100), 47);
    EXPECT_EQ(MoraleAfter(4, 50, 100), 35);
    EXPECT_EQ(MoraleAfter(9, 50, 100), 50);
    EXPECT_EQ(MoraleAfter(-1, 50, 100), 50);
    // Hunger outweighs a party.
    EXPECT_EQ(MoraleAfter(0, 50, 0), 35);
    EXPECT_EQ(MoraleAfter(0, 100, 100), 100);
    EXPECT_EQ(MoraleAfter(4, 10, 100), 0);
    EXPECT_EQ(MoraleAfter(1, 0, 0), 0);
}

TEST(Mothership, MoraleNinetyEightPartiesToAHundred) {
    Mothership ship;
    ship.SetWorkRate(3);
    for (int i = 0; i < 4; ++i) {
        ship.UpdateMorale();  // 88
    }
    ship.SetWorkRate(0);
    ship.UpdateMorale();
    ship.UpdateMorale();  // 98
    EXPECT_EQ(ship.GetMorale(), 98);
    ship.UpdateMorale();
    EXPECT_EQ(ship.GetMorale(), 100);
}

TEST(Mothership, HoldingPosition) {
    Mothership ship;
    EXPECT_FALSE(ship.Travel());
    EXPECT_EQ(ship.GetFuel(), 150000);
    ship.ToggleShields();
    EXPECT_FALSE(ship.Travel());
    EXPECT_EQ(ship.GetFuel(), 149800);
    ship.ToggleShields();

    ship.SetDestination(7);
    EXPECT_TRUE(ship.Travel());
    EXPECT_EQ(ship.GetLocation(), 7);
    EXPECT_EQ(ship.GetFuel(), 139800);
    EXPECT_FALSE(ship.Travel());
    EXPECT_EQ(ship.GetFuel(), 139700);
    ship.ToggleShields();
    EXPECT_FALSE(ship.Travel());
    EXPECT_EQ(ship.GetFuel(), 139400);

    ship.SetFuel(150);
    EXPECT_FALSE(ship.Travel());
    EXPECT_EQ(ship.GetFuel(), 0);
}

TEST(Mothership, ClimbingAndDescending) {
    Mothership ship;
    ship.SetDestination(12);
    EXPECT_TRUE(ship.Travel());
    EXPECT_EQ(ship.GetLocation(), 12);
    ship.SetDestination(0);
    EXPECT_TRUE(ship.Travel());
    EXPECT_EQ(ship.GetLocation(), 0);
    EXPECT_EQ(ship.GetFuel(), 130000);

    ship.SetFuel(5000);
    ship.SetDestination(3);
    EXPECT_TRUE(ship.Travel());
    EXPECT_EQ(ship.GetFuel(), 0);
    EXPECT_EQ(ship.GetLocation(), 3);

    // There is nowhere else to go.
    EXPECT_EQ(ship.SetDestination(25), 3);
    EXPECT_EQ(ship.SetDestination(-1), 3);
    EXPECT_EQ(ship.SetDestination(407), 3);
}

// Brings the ship to `from`, then flies to `to` and lists the sectors it is over each evening.
std::vector<int> Route(Mothership& ship, int from, int to) {
    ship.SetDestination(from);
    while (ship.GetLocation() != from) {
        ship.Travel();
    }
    ship.SetDestination(to);
    std::vector<int> route;
    while (ship.GetLocation() != to && route.size() < 10) {
        EXPECT_TRUE(ship.Travel());
        route.push_back(ship.GetLocation());
    }
    return route;
}

TEST(Mothership, FliesDiagonallyOverTheGrid) {
    Mothership ship;
    EXPECT_EQ(Route(ship, 1, 24), (std::vector<int>{8, 15, 22, 23, 24}));
    EXPECT_EQ(ship.GetFuel(), 150000 - 10000 - 5 * 1000);
    EXPECT_EQ(Route(ship, 24, 1), (std::vector<int>{17, 10, 3, 2, 1}));
    EXPECT_EQ(Route(ship, 6, 19), (std::vector<int>{11, 16, 21, 20, 19}));
    EXPECT_EQ(Route(ship, 19, 20), (std::vector<int>{20}));
}

TEST(Mothership, FasterEnginesNeverOvershoot) {
    Mothership ship;
    for (int i = 0; i < 7; ++i) {
        ship.UpgradeEngine();
    }
    EXPECT_EQ(ship.GetEngineLevel(), 5);
    // Six squares a day per axis, but each axis stops at the target.
    EXPECT_EQ(Route(ship, 1, 24), (std::vector<int>{24}));
    EXPECT_EQ(ship.GetFuel(), 150000 - 10000 - 6000);
    EXPECT_EQ(Route(ship, 24, 22), (std::vector<int>{22}));
    EXPECT_EQ(Route(ship, 22, 4), (std::vector<int>{4}));

    Mothership slower;
    slower.UpgradeEngine();  // two squares a day
    EXPECT_EQ(Route(slower, 1, 18), (std::vector<int>{15, 17, 18}));
    EXPECT_EQ(Route(slower, 18, 13), (std::vector<int>{16, 14, 13}));
}

TEST(Mothership, ResetKeepsTheWorkRateAndLists) {
    Mothership ship;
    Globals::StartingLoadout(ship);
    ship.SetWorkRate(4);
    ship.ChangeFuel(-50000);
    ship.ToggleShields();
    ship.UpgradeEngine();
    ship.SetDestination(5);
    ship.Travel();
    ship.UpdateMorale();
    ship.Reset();
    EXPECT_EQ(ship.GetFuel(), 150000);
    EXPECT_EQ(ship.GetLocation(), 0);
    EXPECT_EQ(ship.GetDestination(), 0);
    EXPECT_EQ(ship.GetMorale(), 100);
    EXPECT_EQ(ship.GetEngineLevel(), 0);
    EXPECT_FALSE(ship.GetShields());
    EXPECT_EQ(ship.GetWorkRate(), 4);
    EXPECT_EQ(ship.GetCrewQueue()->GetTotal(), 33);
    EXPECT_EQ(ship.GetDock(), 350000);
}

TEST(Mothership, Dump) {
    Mothership ship;
    std::ostringstream fresh;
    fresh << ship;
    EXPECT_EQ(fresh.str(), "0 0 2 0 100 1000 150000 10000 80000 161000 0 0 0 0 ");

    ship.GetHiveQueue()->enqueue(RACE_POVOLNIAN, 100);
    ship.GetAirQueue()->enqueue(STEALTH_FIGHTER, 100000, 0);
    std::ostringstream loaded;
    loaded << ship;
    std::ostringstream craft;
    craft << ship.GetAirQueue()->GetNode(0)->aircraft;
    EXPECT_EQ(loaded.str(), "0 0 2 0 100 1000 150000 10000 110000 161020 0 1 Povolnian Eggs 90 1  0 1 " +
                                craft.str() + " ");
}

TEST(Mothership, DumpListsAtMostTwentyFourOfEach) {
    Mothership ship;
    Globals::StartingLoadout(ship);  // 33 crew, four craft
    std::ostringstream expected;
    expected << "0 0 2 0 100 1000 150000 10000 350000 161000 0 0 33 ";
    for (int i = 0; i < 24; ++i) {
        expected << ship.GetCrewQueue()->GetCrewNode(i)->crew << ' ';
    }
    expected << "4 ";
    for (int i = 0; i < 4; ++i) {
        expected << ship.GetAirQueue()->GetNode(i)->aircraft << ' ';
    }
    std::ostringstream dump;
    dump << ship;
    EXPECT_EQ(dump.str(), expected.str());
}

}  // namespace
