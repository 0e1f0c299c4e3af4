#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

#include "tests/screens/DockingBayWorld.h"

#include "game/screens/AircraftMissions.h"
#include "game/screens/CraftList.h"
#include "game/screens/DockingBayMenu.h"
#include "game/screens/LoadCargoAndCrew.h"
#include "game/screens/SpaceCapsule.h"
#include "game/ui/GuiFunctions.h"

namespace {

using namespace dock_test;
using testing_support::ExpectRoomMenu;

char const* const kItems[] = {"  View Ships in Dock       ", "  Load Cargo And Crew      ",
                              "  Assign Aircraft Missions ", "  Launch Space Capsule     ",
                              "  Return to Main Deck      "};

bool Menu() {
    return RunScreen([] { DockingBayMenu(Out(), In(), DeckRoom::Docking); });
}

std::string CapsuleLine(con::VirtualConsole& vc) { return vc.Text(16, 4, 34); }

TEST(DockingBayMenu, OpensOnTheFirstItemWithTheEscapeHint) {
    con::ScopedVirtualConsole vc;
    EXPECT_FALSE(Menu());
    ExpectRoomMenu(*vc, kItems, 1);
    EXPECT_EQ(vc->Text(0, 21, 60), "Press Escape To Return To Previous Menu");
    EXPECT_EQ(vc->AttrAt(0, 12), 78);
}

TEST(DockingBayMenu, TheCapsuleCountStandsBesideItemFourOnly) {
    con::ScopedVirtualConsole vc;
    Ship().ChangeCapsules(1);  // three ready
    std::string const shown = "Ready Space Capsules: 3       ";
    std::string const blank(30, ' ');
    // Each step: a key, the item it highlights and the side text after it.
    struct Step {
        uint16_t key;
        int item;
        std::string const& text;
    };
    Step const steps[] = {{con::VK_DOWN, 2, blank}, {con::VK_DOWN, 3, blank}, {con::VK_DOWN, 4, shown},
                          {con::VK_DOWN, 5, blank}, {con::VK_DOWN, 1, blank}, {con::VK_UP, 5, blank},
                          {con::VK_UP, 4, shown},   {con::VK_UP, 3, blank}};
    for (Step const& step : steps) {
        vc->Press(step.key);
        Menu();
        ExpectRoomMenu(*vc, kItems, step.item);
        EXPECT_EQ(CapsuleLine(*vc), step.text) << "on item " << step.item;
        // The next run opens the room afresh: walk back to where this one stood.
        for (int item = 1; item < step.item; ++item) {
            vc->Down();
        }
    }
}

TEST(DockingBayMenu, WrappingRoundTheEndsLeavesTheSideTextAlone) {
    con::ScopedVirtualConsole vc;
    bool marked = false;
    vc->onWait = [&marked](con::VirtualConsole&) {
        if (!marked) {
            PrintAt("##############################", 4, 16, 15);
            marked = true;
        }
    };
    vc->Up().Down();  // 1 to 5 and back to 1
    Menu();
    vc->onWait = nullptr;
    ExpectRoomMenu(*vc, kItems, 1);
    EXPECT_EQ(CapsuleLine(*vc), std::string(30, '#'));
}

TEST(DockingBayMenu, EachItemHasItsPainter) {
    con::ScopedVirtualConsole vc;
    void (*const painters[])(int) = {DockItemViewShips, DockItemLoad, DockItemMissions, DockItemCapsule,
                                     DockItemReturn};
    for (int item = 1; item <= 5; ++item) {
        painters[item - 1](item == 2 ? 241 : 31);
    }
    ExpectRoomMenu(*vc, kItems, 2);
}

TEST(DockingBayMenu, WithNoReadyCapsuleItemFourIgnoresEnter) {
    con::ScopedVirtualConsole vc;
    Ship().ChangeCapsules(-Ship().GetCapsules());
    vc->Up().Up().Enter();
    Menu();
    ExpectRoomMenu(*vc, kItems, 4);
    EXPECT_EQ(CapsuleLine(*vc), "Ready Space Capsules: 0       ");
}

TEST(DockingBayMenu, ASubScreenReturnsToTheMenuWithoutTheHint) {
    con::ScopedVirtualConsole vc;
    vc->Enter().Escape();
    Menu();
    EXPECT_EQ(vc->Text(0), std::string(80, ' '));
    ExpectRoomMenu(*vc, kItems, 1);
    vc->Down().Down().Down().Down().Enter();
    EXPECT_TRUE(Menu()) << "item 5 leaves the room";
    vc->Escape();
    EXPECT_TRUE(Menu());
}

// ---- The craft list ---------------------------------------------------------

TEST(CraftList, ThePanelShowsOnTheReleaseOfTheEnterThatOpenedIt) {
    con::ScopedVirtualConsole vc;
    vc->Enter();  // its release is the craft list's first record
    Menu();
    EXPECT_EQ(vc->Text(0, 12, 30), "SELECT AN AIRCRAFT");
    EXPECT_EQ(vc->Picture(3, 3, 39, 3),
              "╔═════════════╗         ╔═════════════╗\n"
              "║  CraftName  ║         ║  CraftStats ║\n"
              "╠═════════════╩═════════╬═════════════╩");
    EXPECT_EQ(vc->Picture(4, 6, 20, 4),
              "Saucer Transport    \n"
              "Cargo Barge         \n"
              "Stealth Fighter     \n"
              "Hulk Bomber         ");
    EXPECT_EQ(vc->AttrAt(4, 6), 241);
    EXPECT_EQ(vc->Picture(28, 6, 42, 10),
              "Saucer Transport                          \n"
              "Resources:                                \n"
              "Food: 0                                   \n"
              "Fuel: 0                                   \n"
              "Materials: 0                              \n"
              "Crew-0 <OPEN> Artifacts-0 Bombs-0         \n"
              "Cargo Space Used: 0                       \n"
              "Current Location:                         \n"
              "Current Destination: Not Moving this turn \n"
              "Current Mission: Inactive                 ");
    EXPECT_EQ(vc->AttrAt(28, 6), 14);
}

TEST(CraftList, ThePanelFollowsTheCursorAndEnterReturnsItsIndex) {
    con::ScopedVirtualConsole vc;
    Docked(3).SetMission(MISSION_BOMB);
    vc->Down().Down().Down();
    int chosen = -2;
    RunScreen([&] { chosen = SelectAircraft(Out(), In(), 0); });
    EXPECT_EQ(vc->Text(6, 28, 39), "Hulk Bomber");
    EXPECT_EQ(vc->Text(11, 28, 70), "Crew-0 <OPEN> Artifacts-0 Bombs-1         ");
    EXPECT_EQ(vc->Text(12, 28, 50), "Cargo Space Used: 2000");
    EXPECT_EQ(vc->Text(15, 28, 64), "Current Mission: No Job yet Assigned")
        << "bombing has no text in the dock";
    vc->Down().Down().Up().Enter();
    RunScreen([&] { chosen = SelectAircraft(Out(), In(), 0); });
    EXPECT_EQ(chosen, 1);
    vc->Escape();
    RunScreen([&] { chosen = SelectAircraft(Out(), In(), 0); });
    EXPECT_EQ(chosen, -1);
}

TEST(CraftList, ABunkerCraftShowsItsSectorsAndTheBunkersMissionTexts) {
    con::ScopedVirtualConsole vc;
    AirQueue& bunker = *BunkerOf(2).GetAirQueue();
    ASSERT_TRUE(bunker.enqueue(STEALTH_FIGHTER, 1000000, 2));
    Aircraft& fighter = bunker.GetNode(0)->aircraft;
    testing_support::FillCrew(*fighter.GetCrewQueue());
    testing_support::Order(fighter, MISSION_ESCORT, 24);
    ShowCraftStats(2, 0);
    EXPECT_EQ(vc->Text(11, 28, 70), "Crew-2 <FULL>                             ") << "no counts when full";
    EXPECT_EQ(vc->Text(13, 28, 47), "Current Location: L");
    EXPECT_EQ(vc->Text(14, 28, 50), "Current Destination: K");
    EXPECT_EQ(vc->Text(15, 28, 70), "Current Mission: Inactive*                ");
    fighter.SetMission(MISSION_SHUTTLE_CARGO);
    fighter.SetDestination(0);  // the ship: no letter, and none looked up
    ShowCraftStats(2, 0);
    EXPECT_EQ(vc->Text(14, 28, 70), "Current Destination:                      ");
    EXPECT_EQ(vc->Text(15, 28, 70), "Current Mission: Shuttling                ");
}

TEST(CraftList, APlaceWithoutCraftSaysSoAndReturnsAfterAKey) {
    con::ScopedVirtualConsole vc;
    vc->Type("x");
    int chosen = 0;
    EXPECT_TRUE(RunScreen([&] { chosen = SelectAircraft(Out(), In(), 7); }));
    EXPECT_EQ(chosen, -1);
    EXPECT_EQ(vc->Text(17, 3, 26), "You have no ships here!");
    EXPECT_EQ(vc->AttrAt(3, 17), 14);
    char name[20] = "unchanged";
    GetCraftName(7, name, 0);
    EXPECT_STREQ(name, "");
}

TEST(CraftList, ADockOfTwoHundredFightersIsListedToItsLastCraft) {
    con::ScopedVirtualConsole vc;
    Dock().KillAllCraft();
    Ship().ChangeCapsules(-Ship().GetCapsules());  // capsules take dock space too
    while (Dock().enqueue(STEALTH_FIGHTER, Mothership::kDockSpace - Ship().GetDock(), 0)) {
    }
    ASSERT_EQ(Dock().GetTotal(), 200);
    for (int i = 0; i < 20; ++i) {
        vc->PageDown();
    }
    vc->Enter();
    int chosen = 0;
    EXPECT_TRUE(RunScreen([&] { chosen = SelectAircraft(Out(), In(), 0); }));
    EXPECT_EQ(chosen, 188) << "the last page's first row";
    EXPECT_EQ(vc->Text(17, 4, 19), "Stealth Fighter");
}

// ---- The frames of the room's screens ---------------------------------------

// A line's joints: the glyph at each column of a row; "x:glyph" pairs.
struct Joints {
    int row;
    std::vector<std::pair<int, char const*>> at;
};

void ExpectJoints(con::VirtualConsole& vc, std::vector<Joints> const& lines, int colour) {
    for (Joints const& line : lines) {
        for (auto const& [x, glyph] : line.at) {
            EXPECT_EQ(vc.Text(line.row, x, x + 1), glyph) << "(" << x << ", " << line.row << ")";
            EXPECT_EQ(vc.AttrAt(x, line.row), colour) << "(" << x << ", " << line.row << ")";
        }
    }
}

// Rows first..last with the same glyph at each column.
void ExpectSides(con::VirtualConsole& vc, int first, int last, std::vector<int> const& columns, int colour) {
    std::vector<Joints> lines;
    for (int row = first; row <= last; ++row) {
        lines.push_back({row, {}});
        for (int x : columns) {
            lines.back().at.emplace_back(x, "║");
        }
    }
    ExpectJoints(vc, lines, colour);
}

TEST(DockingBayFrames, TheCraftList) {
    con::ScopedVirtualConsole vc;
    vc->Escape();
    RunScreen([] { SelectAircraft(Out(), In(), 0); });
    ExpectJoints(*vc,
                 {{3, {{3, "╔"}, {17, "╗"}, {27, "╔"}, {41, "╗"}}},
                  {5, {{3, "╠"}, {17, "╩"}, {27, "╬"}, {41, "╩"}, {76, "╗"}, {50, "═"}}},
                  {18, {{3, "╠"}, {27, "╩"}, {76, "╣"}}},
                  {22, {{3, "╚"}, {40, "═"}, {76, "╝"}}}},
                 15);
    EXPECT_EQ(vc->Text(4, 3, 42), "║  CraftName  ║         ║  CraftStats ║");
    ExpectSides(*vc, 6, 17, {3, 27, 76}, 15);
    ExpectSides(*vc, 19, 21, {3, 76}, 15);
    EXPECT_EQ(vc->Text(2, 30, 65), "Press Escape to return to Dock menu");
}

TEST(DockingBayFrames, LoadingCargoAndCrew) {
    con::ScopedVirtualConsole vc;
    DrawLoadFrame(Out());
    ExpectJoints(
        *vc,
        {{1, {{3, "╔"}, {14, "╗"}, {18, "╔"}, {29, "╗"}, {36, "╔"}, {47, "╗"}, {56, "╔"}, {67, "╗"}}},
         {2, {{3, "║"}, {14, "║"}, {18, "║"}, {29, "║"}, {36, "║"}, {47, "║"}, {56, "║"}, {67, "║"}}},
         {3,
          {{3, "╠"}, {14, "╩"}, {18, "╬"}, {29, "╩"}, {36, "╬"}, {47, "╩"}, {56, "╬"}, {67, "╩"}, {76, "╗"}}},
         {18, {{3, "╠"}, {18, "╩"}, {36, "╩"}, {56, "╩"}, {76, "║"}}},
         {22, {{3, "╚"}, {76, "╝"}}}},
        2);
    ExpectSides(*vc, 4, 17, {3, 18, 36, 56, 76}, 2);
    ExpectSides(*vc, 19, 21, {3, 76}, 2);
    EXPECT_EQ(vc->Text(0, 21, 60), "Press Escape To Return To Previous Menu");
}

TEST(DockingBayFrames, AircraftMissions) {
    con::ScopedVirtualConsole vc;
    DrawMissionFrame(Out());
    ExpectJoints(*vc,
                 {{1, {{3, "╔"}, {14, "╗"}, {18, "╔"}, {29, "╗"}, {41, "╔"}, {52, "╗"}}},
                  {2, {{3, "║"}, {14, "║"}, {18, "║"}, {29, "║"}, {41, "║"}, {52, "║"}}},
                  {3, {{3, "╠"}, {14, "╩"}, {18, "╬"}, {29, "╩"}, {41, "╬"}, {52, "╩"}, {76, "╗"}}},
                  {18, {{3, "╠"}, {18, "╩"}, {41, "╩"}, {76, "╣"}}},
                  {22, {{3, "╚"}, {76, "╝"}}}},
                 2);
    ExpectSides(*vc, 4, 17, {3, 18, 41, 76}, 2);
    ExpectSides(*vc, 19, 21, {3, 76}, 2);
    EXPECT_EQ(vc->Text(0, 21, 60), "Press Escape To Return To Previous Menu");
}

TEST(DockingBayFrames, TheSpaceCapsule) {
    con::ScopedVirtualConsole vc;
    DrawCapsuleFrame(Out());
    ExpectJoints(*vc,
                 {{1, {{3, "╔"}, {14, "╗"}, {26, "╔"}, {37, "╗"}, {49, "╔"}, {60, "╗"}}},
                  {3, {{3, "╠"}, {14, "╩"}, {26, "╬"}, {37, "╩"}, {49, "╬"}, {60, "╩"}, {76, "╗"}}},
                  {6, {{49, "╠"}, {60, "═"}, {76, "╝"}}},
                  {7, {{51, "╔"}, {62, "╗"}}},
                  {8, {{51, "║"}, {62, "║"}}},
                  {9, {{51, "╠"}, {62, "╩"}, {76, "╗"}}},
                  {17, {{51, "╚"}, {76, "╝"}}},
                  {18, {{3, "╠"}, {26, "╩"}, {49, "╩"}, {76, "╗"}}},
                  {22, {{3, "╚"}, {76, "╝"}}}},
                 2);
    ExpectSides(*vc, 4, 17, {3, 26}, 2);
    ExpectSides(*vc, 4, 5, {49, 76}, 2);
    ExpectSides(*vc, 7, 17, {49}, 2);
    ExpectSides(*vc, 10, 16, {51, 76}, 2);
    ExpectSides(*vc, 19, 21, {3, 76}, 2);
    EXPECT_EQ(vc->Text(7, 63, 78), std::string(15, ' ')) << "the LAUNCH tab stands alone";
}

}  // namespace
