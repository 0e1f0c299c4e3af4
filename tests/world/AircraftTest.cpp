#include <gtest/gtest.h>
#include <sstream>
#include <string>

#include "tests/support/WorldHelpers.h"

#include "game/world/AirQueue.h"

namespace {

using testing_support::ChainValues;
using testing_support::Joined;
using testing_support::NameOf;

std::string CrewName(Aircraft& craft, int index) {
    return NameOf(craft.GetCrewQueue()->GetCrewNode(index)->crew);
}

// The list's craft by home, e.g. "3 1 2"; checks that the chain ends at the
// last node.
std::string Homes(AirQueue& list) {
    return Joined(ChainValues(
                      list.GetTotal(), [&list](int i) { return list.GetNode(i); },
                      [](AircraftNode const& node) { return std::to_string(node.aircraft.GetHome()); }),
                  " ");
}

TEST(Aircraft, StartsUntypedWithItsCrewRoom) {
    Aircraft craft(15);
    EXPECT_EQ(NameOf(craft), "BAD!");
    EXPECT_EQ(craft.GetMaxCrew(), 15);
    EXPECT_EQ(craft.GetCrewQueue()->GetMaxCrew(), 15);
    EXPECT_EQ(craft.GetSize(), 0);
    EXPECT_EQ(craft.GetCargo(), 0);
    EXPECT_EQ(craft.GetMission(), MISSION_INACTIVE);
    EXPECT_EQ(craft.GetType(), SAUCER_TRANSPORT);
    EXPECT_EQ(craft.GetBombQueue()->GetTotal(), 0);
}

TEST(Aircraft, EachTypeGetsItsFigures) {
    struct Row {
        AircraftType type;
        char const* name;
        int maxCrew, capacity, size, cargo;
    };
    Row const rows[] = {
        {SAUCER_TRANSPORT, "Saucer Transport", 10, 10000, 40000, 0},
        {STEALTH_FIGHTER, "Stealth Fighter", 2, 3000, 30000, 0},
        {HULK_BOMBER, "Hulk Bomber", 3, 10000, 100000, 2000},
        {CARGO_BARGE, "Cargo Barge", 3, 75000, 100000, 0},
        {static_cast<AircraftType>(7), "BAD!", 0, 0, 0, 0},
        {static_cast<AircraftType>(-1), "BAD!", 0, 0, 0, 0},
    };
    for (Row const& row : rows) {
        Aircraft craft(15);
        craft.SetType(row.type, 6);
        EXPECT_EQ(NameOf(craft), row.name);
        EXPECT_EQ(craft.GetType(), row.type);
        EXPECT_EQ(craft.GetMaxCrew(), row.maxCrew) << row.name;
        EXPECT_EQ(craft.GetCrewQueue()->GetMaxCrew(), row.maxCrew) << row.name;
        EXPECT_EQ(craft.GetCapacity(), row.capacity) << row.name;
        EXPECT_EQ(craft.GetSize(), row.size) << row.name;
        EXPECT_EQ(Aircraft::SizeOf(row.type), row.size) << row.name;
        EXPECT_EQ(craft.GetCargo(), row.cargo) << row.name;
        EXPECT_EQ(craft.GetHome(), 6);
        EXPECT_EQ(craft.GetDestination(), 6);
        EXPECT_EQ(craft.GetFuel() + craft.GetFood() + craft.GetMaterials() + craft.GetArtifacts(), 0);
    }
}

TEST(Aircraft, AHulkBomberCarriesOneFlackBomb) {
    Aircraft bomber(15);
    bomber.SetType(HULK_BOMBER, 0);
    ASSERT_EQ(bomber.GetBombQueue()->GetTotal(), 1);
    EXPECT_EQ(bomber.GetBombQueue()->GetNode(0)->bomb, BOMB_FLACK);
    EXPECT_EQ(bomber.GetCargo(), 2000);
    bomber.GetBombQueue()->enqueue(BOMB_PLASMA_FUSION, 2000);
    bomber.GetBombQueue()->enqueue(BOMB_PLASMA_FUSION, 2000);
    EXPECT_EQ(bomber.GetCargo(), 6000) << "2000 a bomb";
}

TEST(Aircraft, AssignmentCopiesTheCrewDeeplyButNotTheBombs) {
    Aircraft source(15);
    source.SetType(HULK_BOMBER, 4);
    source.SetDestination(9);
    source.SetMission(MISSION_BOMB);
    source.GetCrewQueue()->enqueue(RACE_BLOB, false);
    Aircraft target(15);
    target.GetBombQueue()->enqueue(BOMB_NEURONUTRALIZER_GAS, 2000);
    target = source;
    EXPECT_EQ(NameOf(target), "Hulk Bomber");
    EXPECT_EQ(target.GetHome(), 4);
    EXPECT_EQ(target.GetDestination(), 9);
    EXPECT_EQ(target.GetMission(), MISSION_BOMB);
    EXPECT_EQ(target.GetType(), HULK_BOMBER);
    EXPECT_EQ(target.GetSize(), 100000);
    EXPECT_EQ(target.GetMaxCrew(), 3);
    ASSERT_EQ(target.GetCrewQueue()->GetTotal(), 1);
    EXPECT_NE(target.GetCrewQueue()->GetCrewNode(0), source.GetCrewQueue()->GetCrewNode(0));
    ASSERT_EQ(target.GetBombQueue()->GetTotal(), 1);
    EXPECT_EQ(target.GetBombQueue()->GetNode(0)->bomb, BOMB_NEURONUTRALIZER_GAS)
        << "the target keeps its own";
    EXPECT_EQ(source.GetBombQueue()->GetTotal(), 1);

    Aircraft& alias = target;
    target = alias;
    EXPECT_EQ(target.GetCrewQueue()->GetTotal(), 1);
}

TEST(Aircraft, DumpWritesTheFieldsAndTheCrew) {
    Aircraft fighter(15);
    fighter.SetType(STEALTH_FIGHTER, 3);
    fighter.SetMission(MISSION_ATTACK);
    fighter.SetDestination(12);
    std::ostringstream empty;
    empty << fighter;
    EXPECT_EQ(empty.str(), "Stealth Fighter 30000 2 3 0 0 0 12 0 0 0 ");

    fighter.GetCrewQueue()->enqueue(RACE_BLOB, true);
    std::ostringstream withCrew;
    withCrew << fighter;
    EXPECT_EQ(withCrew.str(), "Stealth Fighter 30000 2 3 0 0 0 12 0 0 1 Blob 12 0 1 1 1 1 1 25  ");
}

TEST(AirQueue, TypedEnqueueNeedsRoomForTheSize) {
    AirQueue dock;
    EXPECT_TRUE(dock.enqueue(SAUCER_TRANSPORT, 40000, 0));
    EXPECT_FALSE(dock.enqueue(SAUCER_TRANSPORT, 39999, 0));
    EXPECT_TRUE(dock.enqueue(HULK_BOMBER, 100000, 0));
    EXPECT_FALSE(dock.enqueue(CARGO_BARGE, 99999, 0));
    EXPECT_TRUE(dock.enqueue(STEALTH_FIGHTER, 30000, 0));
    EXPECT_FALSE(dock.enqueue(STEALTH_FIGHTER, 29999, 0));
    EXPECT_TRUE(dock.enqueue(static_cast<AircraftType>(7), 0, 0)) << "the invalid type has size 0";
    ASSERT_EQ(dock.GetTotal(), 4);
    EXPECT_EQ(dock.GetNode(0)->aircraft.GetType(), SAUCER_TRANSPORT);
    EXPECT_EQ(dock.GetNode(1)->aircraft.GetType(), HULK_BOMBER);
    EXPECT_EQ(dock.GetNode(1)->aircraft.GetBombQueue()->GetTotal(), 1);
    EXPECT_EQ(dock.GetNode(2)->aircraft.GetType(), STEALTH_FIGHTER);
    EXPECT_EQ(NameOf(dock.GetNode(3)->aircraft), "BAD!");
    EXPECT_EQ(dock.GetNode(4), nullptr);
    EXPECT_EQ(dock.GetNode(-1), nullptr);
}

TEST(AirQueue, DequeueHeadMiddleTailAndAbsent) {
    AirQueue dock;
    for (int home = 1; home <= 4; ++home) {
        ASSERT_TRUE(dock.enqueue(SAUCER_TRANSPORT, 6000000, home));
    }
    EXPECT_TRUE(dock.dequeue(dock.GetNode(1)->aircraft));
    EXPECT_EQ(Homes(dock), "1 3 4");
    EXPECT_TRUE(dock.dequeue(dock.GetNode(2)->aircraft));
    EXPECT_EQ(Homes(dock), "1 3");
    ASSERT_TRUE(dock.enqueue(CARGO_BARGE, 6000000, 5));
    EXPECT_EQ(Homes(dock), "1 3 5") << "appended after the new tail";

    Aircraft stranger(15);
    stranger.SetType(SAUCER_TRANSPORT, 1);
    EXPECT_FALSE(dock.dequeue(stranger));
    EXPECT_EQ(Homes(dock), "1 3 5") << "a craft not in the list changes nothing";

    EXPECT_TRUE(dock.dequeue(dock.GetNode(0)->aircraft));
    EXPECT_TRUE(dock.dequeue(dock.GetNode(0)->aircraft));
    EXPECT_FALSE(dock.dequeue(dock.GetNode(0)->aircraft)) << "false: nothing remains";
    EXPECT_EQ(dock.GetTotal(), 0);
    EXPECT_EQ(dock.GetNode(0), nullptr);
    ASSERT_TRUE(dock.enqueue(STEALTH_FIGHTER, 6000000, 7));
    ASSERT_TRUE(dock.enqueue(STEALTH_FIGHTER, 6000000, 8));
    EXPECT_EQ(Homes(dock), "7 8");

    dock.KillAllCraft();
    EXPECT_EQ(dock.GetTotal(), 0);
    ASSERT_TRUE(dock.enqueue(STEALTH_FIGHTER, 6000000, 9));
    EXPECT_EQ(Homes(dock), "9");
}

TEST(AirQueue, AMovedBomberArrivesFirstWithItsCrewAndItsBombs) {
    AirQueue ship;
    AirQueue bunker;
    ASSERT_TRUE(bunker.enqueue(CARGO_BARGE, 6000000, 5));
    ASSERT_TRUE(ship.enqueue(SAUCER_TRANSPORT, 6000000, 0));
    ASSERT_TRUE(ship.enqueue(HULK_BOMBER, 6000000, 0));
    Aircraft& bomber = ship.GetNode(1)->aircraft;
    bomber.SetDestination(5);
    bomber.SetMission(MISSION_TRAVEL);
    bomber.GetBombQueue()->enqueue(BOMB_PLASMA_FUSION, 10000);
    bomber.GetCrewQueue()->enqueue(RACE_MAKO, false);
    bomber.GetCrewQueue()->GetCrewNode(0)->crew.NameCrew("Pilot");

    EXPECT_TRUE(bunker.enqueue(bomber));
    EXPECT_TRUE(ship.dequeue(bomber));

    ASSERT_EQ(ship.GetTotal(), 1);
    EXPECT_EQ(ship.GetNode(0)->aircraft.GetType(), SAUCER_TRANSPORT);
    ASSERT_EQ(bunker.GetTotal(), 2);
    Aircraft& moved = bunker.GetNode(0)->aircraft;
    EXPECT_EQ(moved.GetType(), HULK_BOMBER);
    EXPECT_EQ(moved.GetHome(), 0) << "the transfer step sets the new home";
    EXPECT_EQ(moved.GetDestination(), 5);
    EXPECT_EQ(moved.GetMission(), MISSION_TRAVEL);
    ASSERT_EQ(moved.GetCrewQueue()->GetTotal(), 1);
    EXPECT_EQ(CrewName(moved, 0), "Pilot");
    BombQueue& bombs = *moved.GetBombQueue();
    ASSERT_EQ(bombs.GetTotal(), 2) << "the bombs came along";
    EXPECT_EQ(bombs.GetNode(0)->bomb, BOMB_FLACK);
    EXPECT_EQ(bombs.GetNode(1)->bomb, BOMB_PLASMA_FUSION);
    EXPECT_EQ(moved.GetCargo(), 4000);
    EXPECT_EQ(bunker.GetNode(1)->aircraft.GetType(), CARGO_BARGE);
    EXPECT_EQ(bunker.GetNode(2), nullptr);
}

TEST(AirQueue, AMoveIntoAnEmptyListMakesTheCraftHeadAndTail) {
    AirQueue from;
    AirQueue to;
    ASSERT_TRUE(from.enqueue(HULK_BOMBER, 6000000, 2));
    EXPECT_TRUE(to.enqueue(from.GetNode(0)->aircraft));
    EXPECT_EQ(from.GetNode(0)->aircraft.GetBombQueue()->GetTotal(), 0) << "no copies left behind";
    EXPECT_FALSE(from.dequeue(from.GetNode(0)->aircraft));
    ASSERT_TRUE(to.enqueue(SAUCER_TRANSPORT, 6000000, 3));
    EXPECT_EQ(Homes(to), "2 3");
    EXPECT_EQ(to.GetNode(0)->aircraft.GetBombQueue()->GetTotal(), 1);
}

}  // namespace
