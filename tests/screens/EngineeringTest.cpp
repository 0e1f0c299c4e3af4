#include <gtest/gtest.h>
#include <string>

#include "tests/screens/ScreenSnapshot.h"
#include "tests/support/ScreenHarness.h"

#include "game/screens/Engineering.h"
#include "game/world/Globals.h"
#include "platform/VirtualConsole.h"

namespace {

using testing_support::RunScreen;

constexpr con::Handle hIn = con::kInputHandle;
constexpr con::Handle hOut = con::kOutputHandle;

bool RunEngineering() {
    return RunScreen([] { EngineeringMenu(hOut, hIn, DeckRoom::Engineering); });
}

Mothership& Ship() { return *Globals::GetMothership(); }

// Down three times to the shield switch.
con::VirtualConsole& ToShields(con::VirtualConsole& vc) { return vc.Down().Down().Down(); }

// The item texts as the menu shows them, items 1-5.
std::string ItemText(con::VirtualConsole& vc, int item) { return vc.Text(4 * item, 43, 70); }

TEST(Engineering, OpensOnTheFirstItemWithTheShieldsOff) {
    con::ScopedVirtualConsole vc;
    EXPECT_FALSE(RunEngineering());
    EXPECT_EQ(ItemText(*vc, 1), "  Engineering Assignments  ");
    EXPECT_EQ(ItemText(*vc, 2), "  View Completed Projects  ");
    EXPECT_EQ(ItemText(*vc, 3), "  Chat with Scruggs        ");
    EXPECT_EQ(ItemText(*vc, 4), " Shields (Current:OFF)     ");
    EXPECT_EQ(ItemText(*vc, 5), "  Return to Main Deck      ");
    EXPECT_EQ(vc->AttrAt(43, 4), 241);
    for (int item = 2; item <= 5; ++item) {
        EXPECT_EQ(vc->AttrAt(43, 4 * item), 31) << item;
    }
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
    EXPECT_EQ(ItemText(*vc, 4), " Shields (Current:ON)      ");
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
    EXPECT_EQ(ItemText(*vc, 4), " Shields (Current:OFF)     ");
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
    EXPECT_EQ(ItemText(*vc, 4), " Shields (Current:ON)      ");
    EXPECT_EQ(vc->AttrAt(43, 16), 31);
    EngineeringItemShields(241, false);
    EXPECT_EQ(ItemText(*vc, 4), " Shields (Current:OFF)     ");
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
