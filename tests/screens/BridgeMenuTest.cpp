#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "tests/screens/ScreenSnapshot.h"
#include "tests/support/ScreenHarness.h"
#include "tests/support/WorldHelpers.h"

#include "game/screens/BridgeMenu.h"
#include "game/screens/EndDay.h"
#include "game/world/Globals.h"
#include "platform/VirtualConsole.h"

namespace {

using testing_support::ExpectRoomMenu;
using testing_support::In;
using testing_support::MenuItemColour;
using testing_support::MenuItemText;
using testing_support::Out;
using testing_support::PlaceShipAbove;
using testing_support::RunScreen;
using testing_support::Ship;

bool RunBridge() {
    return RunScreen([] { BridgeMenu(Out(), In(), DeckRoom::Navigation); });
}

std::string HintRow(con::VirtualConsole& vc) { return vc.Text(0, 0, 80); }

char const* const kLabels[] = {"  Ground Campaign Status   ", "  Navigate Mothership      ",
                               "  Radio Communications     ", "  Super Ion Cannon Control ",
                               "  Return to Main Deck      "};

constexpr char kHint[] = "                     Press Escape To Return To Previous Menu                    ";

}  // namespace

TEST(BridgeMenuTest, OpensOnTheFirstItemWithTheEscapeHint) {
    con::ScopedVirtualConsole vc;
    vc->Idle(1);  // nothing pressed: the script ends while the menu waits
    EXPECT_FALSE(RunBridge());
    EXPECT_EQ(HintRow(*vc), kHint);
    EXPECT_EQ(vc->AttrAt(0, 0), 78);
    EXPECT_EQ(vc->AttrAt(0, 10), 78);  // the side bars
    ExpectRoomMenu(*vc, kLabels, 1);
}

TEST(BridgeMenuTest, EachPainterPaintsItsOwnBar) {
    con::ScopedVirtualConsole vc;
    BridgeItemIonCannon(241);
    // Item 4: rows 13 to 17, the label on row 16.
    EXPECT_EQ(vc->Picture(38, 13, 40, 5),
              "                                        \n"
              "                                      ░ \n"
              "▄░░▒▒▓▓▓▓▓▓▓▓▓▓▓▓▓▓▓▓▓▓▓▓▓▓▓▓▓▓▓▒▒░░░░░ \n"
              "░▒▒▓▓  Super Ion Cannon Control ▓▓▒▒░░  \n"
              "▀░░▒▒▓▓▓▓▓▓▓▓▓▓▓▓▓▓▓▓▓▓▓▓▓▓▓▓▓▓▓▒▒░░    ");
    EXPECT_EQ(vc->AttrAt(43, 16), 241);
    EXPECT_EQ(vc->AttrAt(77, 13), 78);
    EXPECT_EQ(vc->AttrAt(38, 15), 4);
    EXPECT_EQ(vc->AttrAt(39, 15), 65);
    EXPECT_EQ(vc->AttrAt(38, 17), 4);
    EXPECT_EQ(vc->Text(12, 0, 80), std::string(80, ' '));
    EXPECT_EQ(vc->Text(18, 0, 80), std::string(80, ' '));

    void (*const painters[])(int) = {BridgeItemStatus, BridgeItemNavigate, BridgeItemRadio,
                                     BridgeItemIonCannon, BridgeItemReturn};
    for (int item = 1; item <= 5; ++item) {
        painters[item - 1](31);
        EXPECT_EQ(MenuItemText(*vc, item), kLabels[item - 1]) << item;
        EXPECT_EQ(MenuItemColour(*vc, item), 31) << item;
    }
}

TEST(BridgeMenuTest, SelectionWrapsAtBothEnds) {
    con::ScopedVirtualConsole vc;
    vc->Up();
    EXPECT_FALSE(RunBridge());
    EXPECT_EQ(MenuItemColour(*vc, 5), 241);
    EXPECT_EQ(MenuItemColour(*vc, 1), 31);

    con::ScopedVirtualConsole again;
    again->Up().Down();  // 5, then Down from 5 to 1
    EXPECT_FALSE(RunBridge());
    EXPECT_EQ(MenuItemColour(*again, 1), 241);
    EXPECT_EQ(MenuItemColour(*again, 5), 31);
    EXPECT_EQ(MenuItemColour(*again, 4), 31);
}

TEST(BridgeMenuTest, RadioCommunicationsChangesNothing) {
    con::ScopedVirtualConsole vc;
    std::vector<ScreenSnapshot> waits;
    vc->onWait = [&waits](con::VirtualConsole& v) { waits.emplace_back(v); };
    vc->Down().Down().Enter().Down();
    EXPECT_FALSE(RunBridge());
    // At the wait before Enter and at the wait after it the screen is the same.
    ASSERT_GE(waits.size(), 4u);
    EXPECT_TRUE(waits[3].ChangedFrom(waits[2]).empty());
    EXPECT_EQ(MenuItemColour(*vc, 4), 241);
}

TEST(BridgeMenuTest, ReturningFromAScreenRedrawsWithoutTheHint) {
    con::ScopedVirtualConsole vc;
    vc->Down().Enter().Escape();  // navigation and back
    EXPECT_FALSE(RunBridge());
    EXPECT_EQ(HintRow(*vc), std::string(80, ' '));
    EXPECT_EQ(vc->AttrAt(0, 0), 78);
    EXPECT_EQ(MenuItemColour(*vc, 2), 241);
    EXPECT_EQ(MenuItemColour(*vc, 1), 31);

    con::ScopedVirtualConsole status;
    status->Enter().Escape();
    EXPECT_FALSE(RunBridge());
    EXPECT_EQ(HintRow(*status), std::string(80, ' '));
    EXPECT_EQ(MenuItemColour(*status, 1), 241);
}

TEST(BridgeMenuTest, ReturnAndEscapeLeaveTheBridge) {
    con::ScopedVirtualConsole vc;
    vc->Up().Enter();
    EXPECT_TRUE(RunBridge());
    EXPECT_EQ(vc->Text(20, 43, 70), std::string(27, ' '));  // the screen was cleared
    vc->Escape();
    EXPECT_TRUE(RunBridge());
    EXPECT_EQ(vc->Text(0, 0, 80), std::string(80, ' '));
    EXPECT_EQ(vc->Text(4, 43, 70), std::string(27, ' '));
}

TEST(BridgeMenuTest, NavigationSetsTheDestinationAndTheEndOfTheDayFlies) {
    con::ScopedVirtualConsole vc;
    Mothership* ship = Globals::GetMothership();
    auto const endDay = [] { EXPECT_TRUE(RunScreen([] { EndDay(In(), Out()); })); };
    // Navigate: the cursor from sector 1 to 8, Enter, back to the bridge.
    vc->Down().Enter().Right().Down().Enter().Escape();
    EXPECT_FALSE(RunBridge());
    EXPECT_EQ(ship->GetDestination(), 8);
    EXPECT_EQ(ship->GetLocation(), 0);
    int fuel = ship->GetFuel();
    endDay();
    EXPECT_EQ(ship->GetLocation(), 8);  // down from orbit in one day
    EXPECT_EQ(ship->GetFuel(), fuel - 10000);

    // Then to sector 24 (Left to 6, Up to 24): one square a day along each
    // axis, 1000 fuel a day.
    vc->Down().Enter().Left().Up().Enter().Escape();
    EXPECT_FALSE(RunBridge());
    EXPECT_EQ(ship->GetDestination(), 24);
    fuel = ship->GetFuel();
    endDay();
    EXPECT_EQ(ship->GetLocation(), 15);
    EXPECT_EQ(ship->GetFuel(), fuel - 1000);
}

TEST(BridgeMenuTest, TheCannonInOrbitRefusesAndTheBridgeComesBack) {
    con::ScopedVirtualConsole vc;
    vc->Up().Up().Enter().Type("x");
    EXPECT_FALSE(RunBridge());
    EXPECT_FALSE(Globals::GetGameOver());
    EXPECT_EQ(MenuItemColour(*vc, 4), 241);
    EXPECT_EQ(HintRow(*vc), std::string(80, ' '));
}

TEST(BridgeMenuTest, AShotThatEndsTheGameLeavesWithoutRedrawing) {
    con::ScopedVirtualConsole vc;
    PlaceShipAbove(13);
    Ship().SetFuel(40000);
    // Cannon, fire, yes, a key after the shot, a key on the game-over screen.
    vc->Up().Up().Enter().Enter().Type("y").Type("x").Type("x");
    EXPECT_TRUE(RunBridge());
    EXPECT_TRUE(Globals::GetGameOver());
    EXPECT_EQ(Ship().GetFuel(), 0);
    EXPECT_EQ(Globals::GetMessages()->GetTotal(), 1);
    EXPECT_NE(vc->Dump().find("AT LEAST YA WENT OUT WITH A BANG!"), std::string::npos);
    EXPECT_EQ(vc->Dump().find("Super Ion Cannon Control"), std::string::npos);
}
