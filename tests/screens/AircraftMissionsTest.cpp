#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "tests/screens/DockingBayWorld.h"
#include "tests/screens/ScreenSnapshot.h"

#include "game/screens/AircraftMissions.h"

namespace {

using namespace dock_test;
using testing_support::Board;

bool Missions() {
    return RunScreen([] { AssignAircraftMissions(Out(), In()); });
}

// Opens the mission list of the dock's craft at that index.
void ToMissionsOf(con::VirtualConsole& vc, int craft) {
    vc.Enter();
    for (int i = 0; i < craft; ++i) {
        vc.Down();
    }
    vc.Enter();
}

// Chooses mission row `row` (the list opens on the craft's mission, here row 0).
void ChooseRow(con::VirtualConsole& vc, int row) {
    for (int i = 0; i < row; ++i) {
        vc.Down();
    }
    vc.Enter();
}

bool PickerShown(con::VirtualConsole& vc) {
    return vc.Text(0, 20, 60) == "SELECT A TARGET SECTOR FOR THIS AIRCRAFT";
}

TEST(AircraftMissions, EachTypeOffersItsOwnMissions) {
    std::vector<std::string> const lists[] = {
        {"Inactive", "Travel", "Scout", "Abduct Large Lifeforms", "Abduct Intelligent Lifeforms"},
        {"Inactive", "Travel", "Shuttle Cargo to Destination"},
        {"Inactive", "Travel", "Attack Destination", "Defend Destination", "Escorting Local Craft"},
        {"Inactive", "Travel", "Bomb Destination"},
    };
    for (int craft = 0; craft < 4; ++craft) {
        con::ScopedVirtualConsole vc;
        vc->Enter();
        for (int i = 0; i < craft; ++i) {
            vc->Down();
        }
        Missions();
        for (int row = 0; row < 6; ++row) {
            std::string expected = row < static_cast<int>(lists[craft].size()) ? lists[craft][row] : "";
            expected.resize(33, ' ');
            EXPECT_EQ(vc->Text(4 + row, 42, 75), expected) << "craft " << craft << " row " << row;
        }
        EXPECT_EQ(vc->AttrAt(42, 4), 241) << "the cursor on the craft's mission, Inactive";
    }
}

TEST(AircraftMissions, TheListOpensOnTheCraftsMission) {
    con::ScopedVirtualConsole vc;
    Docked(2).SetMission(MISSION_ESCORT);
    Docked(1).SetMission(MISSION_TRAVEL);
    vc->Enter().Down().Down();
    Missions();
    EXPECT_EQ(vc->AttrAt(42, 8), 241);
    EXPECT_EQ(vc->AttrAt(42, 4), 15);
    vc->Enter().Down();
    Missions();
    EXPECT_EQ(vc->AttrAt(42, 5), 241) << "travel on row 1";
}

TEST(AircraftMissions, AFighterWithOneCrewCanTravelButNotAttack) {
    con::ScopedVirtualConsole vc;
    Board(Docked(2), {RACE_MAKO});
    ToMissionsOf(*vc, 2);
    ChooseRow(*vc, 2);
    Missions();
    EXPECT_FALSE(PickerShown(*vc));
    EXPECT_EQ(Docked(2).GetMission(), MISSION_INACTIVE);
    EXPECT_EQ(vc->AttrAt(19, 2), 225) << "back in the AIRCRAFT column";
    ToMissionsOf(*vc, 2);
    ChooseRow(*vc, 1);
    Missions();
    EXPECT_TRUE(PickerShown(*vc));
}

TEST(AircraftMissions, TravelNeedsABuiltBunkerOrTheDockElseItStoresInactive) {
    con::ScopedVirtualConsole vc;
    Board(Docked(0), {RACE_MAKO});
    ToMissionsOf(*vc, 0);
    ChooseRow(*vc, 1);
    vc->Down().Enter().Escape();  // DOCK box to sector 3, which has no bunker
    Missions();
    EXPECT_EQ(Docked(0).GetMission(), MISSION_INACTIVE);
    EXPECT_EQ(Docked(0).GetDestination(), 0);
    EXPECT_FALSE(PickerShown(*vc)) << "the frame is back";
    EXPECT_EQ(vc->AttrAt(4, 4), 241) << "with the chosen place marked";

    BuildBunker(3);
    ToMissionsOf(*vc, 0);
    ChooseRow(*vc, 1);
    vc->Down().Enter().Escape();
    Missions();
    EXPECT_EQ(Docked(0).GetMission(), MISSION_TRAVEL);
    EXPECT_EQ(Docked(0).GetDestination(), 3);
}

TEST(AircraftMissions, ScoutingTakesAnySectorAndEscapeLeavesTheCraftAtHome) {
    con::ScopedVirtualConsole vc;
    Board(Docked(0), {RACE_MAKO});
    ToMissionsOf(*vc, 0);
    ChooseRow(*vc, 2);
    vc->Down().Down().Enter().Escape();  // sector 9
    Missions();
    EXPECT_EQ(Docked(0).GetMission(), MISSION_SCOUT);
    EXPECT_EQ(Docked(0).GetDestination(), 9);

    ToMissionsOf(*vc, 0);
    vc->Down().Enter().Escape();  // the list opens on Scout: one down is row 3
    Missions();
    EXPECT_EQ(Docked(0).GetMission(), MISSION_ABDUCT_LARGE) << "stored with no target";
    EXPECT_EQ(Docked(0).GetDestination(), 0);
}

TEST(AircraftMissions, DefendRefusesASectorWithoutABunker) {
    con::ScopedVirtualConsole vc;
    Board(Docked(2), {RACE_MAKO, RACE_MAKO});
    ToMissionsOf(*vc, 2);
    ChooseRow(*vc, 3);
    vc->Down().Enter();
    Missions();
    EXPECT_EQ(Docked(2).GetDestination(), 0);
    EXPECT_EQ(vc->Text(19, 49, 77), " There is currently no      ");
    EXPECT_EQ(vc->Text(20, 49, 72), " target selected.      ");
}

TEST(AircraftMissions, ABunkerCraftSentToTheDockStoresZero) {
    con::ScopedVirtualConsole vc;
    Bunker& bunker = BuildBunker(5);
    ASSERT_TRUE(bunker.GetAirQueue()->enqueue(CARGO_BARGE, 1000000, 5));
    Aircraft& barge = bunker.GetAirQueue()->GetNode(0)->aircraft;
    Board(barge, {RACE_DEORIAN});
    vc->Down().Enter().Enter();
    ChooseRow(*vc, 1);
    vc->Left().Left().Up().Enter().Escape();  // 5, 4, 3, DOCK
    Missions();
    EXPECT_EQ(barge.GetDestination(), 0);
    EXPECT_EQ(barge.GetMission(), MISSION_TRAVEL);
    EXPECT_EQ(barge.GetHome(), 5);
    EXPECT_EQ(bunker.GetAirQueue()->GetTotal(), 1) << "the flight is the day's business";
}

TEST(AircraftMissions, EscortingLocalCraftOpensNoMapAndKeepsTheTarget) {
    con::ScopedVirtualConsole vc;
    Board(Docked(2), {RACE_MAKO, RACE_MAKO});
    Docked(2).SetDestination(7);
    ToMissionsOf(*vc, 2);
    ChooseRow(*vc, 4);
    Missions();
    EXPECT_FALSE(PickerShown(*vc));
    EXPECT_EQ(Docked(2).GetMission(), MISSION_ESCORT);
    EXPECT_EQ(Docked(2).GetDestination(), 7);
}

TEST(AircraftTargetPicker, ArrowsWrapAndCrossTheDockBox) {
    con::ScopedVirtualConsole vc;
    Bunker& bunker = BuildBunker(1);
    ASSERT_TRUE(bunker.GetAirQueue()->enqueue(SAUCER_TRANSPORT, 1000000, 1));
    // Sectors 1-24 are lettered ILVOUCMATBHPQJWRNFEXDGSK.
    struct Move {
        uint16_t key;
        char const* place;
    };
    Move const moves[] = {
        {con::VK_LEFT, "C"},           // 1 wraps to 6
        {con::VK_RIGHT, "I"},          // and back
        {con::VK_RIGHT, "L"},          // 2
        {con::VK_UP, "X"},             // 2 wraps to 20
        {con::VK_RIGHT, "D"},          // 21
        {con::VK_DOWN, "Mothership"},  // 21 down into the DOCK box, on the left
        {con::VK_UP, "D"},             // back to 21
        {con::VK_RIGHT, "G"},          // 22
        {con::VK_DOWN, "Mothership"},  // into the box on the right
        {con::VK_LEFT, "Mothership"},  // Left and Right do nothing there
        {con::VK_DOWN, "O"},           // out on the right, to 4
        {con::VK_LEFT, "V"},           // 3
        {con::VK_UP, "Mothership"},    // up into the box on the left
        {con::VK_UP, "D"},             // out at the bottom left, 21
        {con::VK_RIGHT, "G"},          // 22
        {con::VK_RIGHT, "S"},          // 23
        {con::VK_DOWN, "U"},           // 23 wraps to 5
    };
    std::vector<std::string> seen;
    vc->onWait = [&seen](con::VirtualConsole& v) { seen.push_back(v.Text(19, 3, 21)); };
    for (Move const& move : moves) {
        vc->Press(move.key);
    }
    RunScreen([] { SelectAircraftTarget(Out(), In(), 1, 0, true); });
    // One read a key (the map throws the release away); each shows the place
    // the key before it led to.
    ASSERT_EQ(seen.size(), std::size(moves) + 1);
    EXPECT_EQ(seen[0], "Sector: I         ");
    for (std::size_t i = 0; i < std::size(moves); ++i) {
        std::string expected = std::string("Sector: ") + moves[i].place;
        expected.resize(18, ' ');
        EXPECT_EQ(seen[i + 1], expected) << "move " << i;
    }
}

TEST(AircraftTargetPicker, OpensWithNoTargetAndMarksTheChosenOne) {
    con::ScopedVirtualConsole vc;
    testing_support::Order(Docked(0), MISSION_SCOUT, 12);
    vc->Down().Enter();
    bool moving = false;
    RunScreen([&] { moving = SelectAircraftTarget(Out(), In(), 0, 0, true); });
    EXPECT_EQ(Docked(0).GetDestination(), 3);
    EXPECT_EQ(vc->Text(18, 49, 62), "Ship's Target");
    EXPECT_EQ(vc->Text(19, 49, 67), "Sector: V         ");
    EXPECT_EQ(vc->ByteAt(35, 2), 30) << "the target's arrows round its letter";
    EXPECT_EQ(vc->AttrAt(35, 2), 14);
    EXPECT_EQ(vc->AttrAt(33, 18), 13) << "the home's arrows round the DOCK box";
    vc->Escape();
    RunScreen([&] { moving = SelectAircraftTarget(Out(), In(), 0, 0, true); });
    EXPECT_FALSE(moving);
    EXPECT_EQ(Docked(0).GetDestination(), 0) << "reset when the map opened";
    EXPECT_EQ(vc->AttrAt(31, 18), 12) << "the DOCK box is lit for a craft of the ship";
    EXPECT_FALSE(SelectAircraftTarget(Out(), In(), 0, 9, true)) << "no such craft: nothing shown";
}

TEST(ArrowMarker, FourArrowsRoundTheMiddleOfABox) {
    con::ScopedVirtualConsole vc;
    ScreenSnapshot const before(*vc);
    DrawArrowMarker(23, 5, 13);
    EXPECT_EQ(vc->Picture(26, 6, 3, 3),
              " ▲ \n"
              "◄ ►\n"
              " ▼ ");
    std::vector<std::pair<int, int>> const arrows = {{27, 6}, {26, 7}, {28, 7}, {27, 8}};
    EXPECT_EQ(ScreenSnapshot(*vc).ChangedFrom(before), arrows) << "nothing else is drawn";
    for (auto [x, y] : arrows) {
        EXPECT_EQ(vc->AttrAt(x, y), 13);
    }
}

}  // namespace
