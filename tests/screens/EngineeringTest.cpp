#include <gtest/gtest.h>
#include <string>

#include "tests/screens/ScreenSnapshot.h"
#include "tests/support/ScreenHarness.h"
#include "tests/support/WorldHelpers.h"

#include "game/screens/Engineering.h"
#include "game/world/Globals.h"
#include "platform/VirtualConsole.h"

namespace {

using testing_support::ExpectRoomMenu;
using testing_support::In;
using testing_support::MenuItemText;
using testing_support::Out;
using testing_support::RunScreen;
using testing_support::Ship;

bool RunEngineering() {
    return RunScreen([] { EngineeringMenu(Out(), In(), DeckRoom::Engineering); });
}

// Down three times to the shield switch.
con::VirtualConsole& ToShields(con::VirtualConsole& vc) { return vc.Down().Down().Down(); }

TEST(Engineering, OpensOnTheFirstItemWithTheShieldsOff) {
    con::ScopedVirtualConsole vc;
    EXPECT_FALSE(RunEngineering());
    char const* const items[] = {"  Engineering Assignments  ", "  View Completed Projects  ",
                                 "  Chat with Scruggs        ", " Shields (Current:OFF)     ",
                                 "  Return to Main Deck      "};
    ExpectRoomMenu(*vc, items, 1);
    EXPECT_EQ(vc->Text(0, 21, 60), "Press Escape To Return To Previous Menu");
    EXPECT_EQ(vc->Text(24, 2, 21), "    FUEL: 150,000  ");
    EXPECT_EQ(vc->AttrAt(12, 24), 78);
}

TEST(Engineering, SwitchingOnAtFiftyOneLeavesOne) {
    Ship().SetFuel(51);
    con::ScopedVirtualConsole vc;
    ToShields(*vc).Enter();
    EXPECT_FALSE(RunEngineering()) << "the game goes on in the room";
    EXPECT_EQ(Ship().GetFuel(), 1);
    EXPECT_TRUE(Ship().GetShields());
    EXPECT_FALSE(Globals::GetGameOver());
    EXPECT_EQ(MenuItemText(*vc, 4), " Shields (Current:ON)      ");
    EXPECT_EQ(vc->AttrAt(43, 16), 241);
    EXPECT_EQ(vc->Text(24, 12, 21), "1        ") << "the fuel field follows";
    EXPECT_EQ(vc->AttrAt(12, 24), 78);
}

TEST(Engineering, SwitchingOnTheLastFiftyEndsTheGame) {
    Ship().SetFuel(50);
    con::ScopedVirtualConsole vc;
    ToShields(*vc).Enter().Escape();  // Escape is the key the game-over screen waits for
    EXPECT_TRUE(RunEngineering());
    EXPECT_EQ(Ship().GetFuel(), 0);
    EXPECT_TRUE(Globals::GetGameOver());
    EXPECT_EQ(vc->Text(1, 1, 35), "Your ship has no fuel and you die.");
    EXPECT_EQ(vc->Text(21, 0, 48), "YOU ARE DEAD CAPTAIN! YOUR SHIP RAN OUT OF FUEL!");
    // Nothing of the room is painted over the game-over screen.
    EXPECT_EQ(vc->Text(24), std::string(80, ' '));
    EXPECT_EQ(vc->AttrAt(12, 24), 15);
    EXPECT_EQ(vc->Text(16, 38, 80), std::string(42, ' '));
    EXPECT_EQ(vc->ScriptLeft(), 0u);
}

TEST(Engineering, BelowFiftyTheFuelGoesToNothing) {
    Ship().SetFuel(20);
    con::ScopedVirtualConsole vc;
    ToShields(*vc).Enter().Enter();
    EXPECT_TRUE(RunEngineering());
    EXPECT_EQ(Ship().GetFuel(), 0);
    EXPECT_TRUE(Globals::GetGameOver());
}

TEST(Engineering, SwitchingOffIsFreeAndOnAgainCostsAgain) {
    Ship().SetFuel(1000);
    con::ScopedVirtualConsole vc;
    ToShields(*vc).Enter().Enter();
    EXPECT_FALSE(RunEngineering());
    EXPECT_EQ(Ship().GetFuel(), 950);
    EXPECT_FALSE(Ship().GetShields());
    EXPECT_EQ(MenuItemText(*vc, 4), " Shields (Current:OFF)     ");
    EXPECT_EQ(vc->AttrAt(43, 16), 241);

    con::ScopedVirtualConsole again;
    ToShields(*again).Enter();
    EXPECT_FALSE(RunEngineering());
    EXPECT_EQ(Ship().GetFuel(), 900);
    EXPECT_EQ(again->Text(24, 12, 21), "900      ");
}

TEST(Engineering, TheFirstThreeItemsDoNothing) {
    con::ScopedVirtualConsole vc;
    EXPECT_FALSE(RunEngineering());
    ScreenSnapshot const opened(*vc);
    con::ScopedVirtualConsole pressed;
    pressed->Enter().Down().Enter().Down().Enter().Up().Up();
    EXPECT_FALSE(RunEngineering());
    EXPECT_TRUE(ScreenSnapshot(*pressed).ChangedFrom(opened).empty());
    EXPECT_EQ(Ship().GetFuel(), 150000);
    EXPECT_FALSE(Ship().GetShields());
}

TEST(Engineering, TheShieldSwitchIsPaintedAsTheFlagItIsGiven) {
    con::ScopedVirtualConsole vc;
    EngineeringItemShields(31, true);
    EXPECT_EQ(MenuItemText(*vc, 4), " Shields (Current:ON)      ");
    EXPECT_EQ(vc->AttrAt(43, 16), 31);
    EngineeringItemShields(241, false);
    EXPECT_EQ(MenuItemText(*vc, 4), " Shields (Current:OFF)     ");
    EXPECT_EQ(vc->AttrAt(43, 16), 241);
    EXPECT_FALSE(Ship().GetShields()) << "painting switches nothing";
}

TEST(Engineering, TheHighlightWrapsBothWays) {
    con::ScopedVirtualConsole vc;
    vc->Up();
    EXPECT_FALSE(RunEngineering());
    EXPECT_EQ(vc->AttrAt(43, 20), 241);
    EXPECT_EQ(vc->AttrAt(43, 4), 31);
    con::ScopedVirtualConsole down;
    down->Up().Down();
    EXPECT_FALSE(RunEngineering());
    EXPECT_EQ(down->AttrAt(43, 4), 241);
    EXPECT_EQ(down->AttrAt(43, 20), 31);
}

TEST(Engineering, EscapeOrTheLastItemLeaveTheShieldsAsTheyAre) {
    con::ScopedVirtualConsole vc;
    ToShields(*vc).Enter().Escape();
    EXPECT_TRUE(RunEngineering());
    EXPECT_TRUE(Ship().GetShields());
    EXPECT_FALSE(Globals::GetGameOver());
    EXPECT_EQ(vc->Text(16), std::string(80, ' ')) << "the console cleared for the deck";
    con::ScopedVirtualConsole back;
    back->Up().Enter();
    EXPECT_TRUE(RunEngineering());
    EXPECT_TRUE(Ship().GetShields());
}

}  // namespace
