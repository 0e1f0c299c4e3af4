#include <gtest/gtest.h>
#include <string>

#include "tests/support/ScreenHarness.h"
#include "tests/support/WorldHelpers.h"

#include "game/screens/EarthMapWidgets.h"
#include "game/screens/Navigation.h"
#include "game/world/Globals.h"
#include "platform/VirtualConsole.h"

namespace {

using testing_support::In;
using testing_support::Out;
using testing_support::PlaceShipAbove;
using testing_support::RunScreen;

constexpr int kMapX = 15;
constexpr int kMapY = 1;

void RunNavigation() {
    ASSERT_TRUE(RunScreen([] { NavigateMothership(Out(), In(), DeckRoom::Navigation); }));
}

int BoxFrame(con::VirtualConsole& vc, int sector) {
    return vc.AttrAt(SectorBoxX(kMapX, sector), SectorBoxY(kMapY, sector));
}
int OrbitFrame(con::VirtualConsole& vc) { return vc.AttrAt(kMapX + 16, kMapY + 17); }

}  // namespace

TEST(NavigationCursorTest, OrbitSitsBelowTheBottomRowAndAboveTheTop) {
    bool fromLeft = false;
    EXPECT_EQ(NavigationAfterArrow(1, con::VK_UP, fromLeft), 19);
    EXPECT_EQ(NavigationAfterArrow(3, con::VK_UP, fromLeft), kShipBoxCode);
    EXPECT_TRUE(fromLeft);
    EXPECT_EQ(NavigationAfterArrow(kShipBoxCode, con::VK_UP, fromLeft), 21);
    EXPECT_EQ(NavigationAfterArrow(4, con::VK_UP, fromLeft), kShipBoxCode);
    EXPECT_FALSE(fromLeft);
    EXPECT_EQ(NavigationAfterArrow(kShipBoxCode, con::VK_DOWN, fromLeft), 4);
    EXPECT_EQ(NavigationAfterArrow(21, con::VK_DOWN, fromLeft), kShipBoxCode);
    EXPECT_EQ(NavigationAfterArrow(kShipBoxCode, con::VK_DOWN, fromLeft), 3);
    EXPECT_EQ(NavigationAfterArrow(kShipBoxCode, con::VK_LEFT, fromLeft), kShipBoxCode);
    EXPECT_EQ(NavigationAfterArrow(kShipBoxCode, con::VK_RIGHT, fromLeft), kShipBoxCode);
    EXPECT_EQ(NavigationAfterArrow(21, con::VK_UP, fromLeft), 15);
    EXPECT_EQ(NavigationAfterArrow(23, con::VK_DOWN, fromLeft), 5);
    EXPECT_EQ(NavigationAfterArrow(3, con::VK_DOWN, fromLeft), 9);
}

TEST(NavigationTest, AtTheStartTheShipIsInOrbitWithNoDestination) {
    con::ScopedVirtualConsole vc;
    vc->Escape();
    RunNavigation();
    EXPECT_EQ(vc->Picture(kMapX + 16, kMapY + 17, 17, 3),
              "╓ ▲  ▲  ▲  ▲  ▲ ╖\n"
              "║ O  R  B  I  T ║\n"
              "╙ ▼  ▼  ▼  ▼  ▼ ╜");
    EXPECT_EQ(vc->AttrAt(kMapX + 18, kMapY + 17), 13);
    EXPECT_EQ(vc->Text(18, 49, 77), "Mothership's Destination    ");
    EXPECT_EQ(vc->Text(19, 49, 77), " There is currently no      ");
    EXPECT_EQ(vc->Text(20, 49, 77), " destination selected.      ");
    EXPECT_EQ(vc->AttrAt(49, 19), 14);
    EXPECT_EQ(vc->Text(18, 3, 24), "Highlighted Selection");
    EXPECT_EQ(vc->Text(19, 3, 16), "Sector: I    ");
    EXPECT_EQ(vc->Text(20, 3, 20), "ETA: 1           ");
    EXPECT_EQ(vc->Text(21, 3, 20), "Fuel Req: 10,000 ");
    EXPECT_EQ(BoxFrame(*vc, 1), 12);
    EXPECT_EQ(OrbitFrame(*vc), 2);
}

TEST(NavigationTest, CrossingIntoOrbitAndBackHighlightsTheRightBoxes) {
    con::ScopedVirtualConsole vc;
    // 1 -> 2 -> 3, Up to ORBIT, Left and Right do nothing, Up to 21.
    vc->Right().Right().Up().Left().Right();
    vc->Escape();
    RunNavigation();
    EXPECT_EQ(OrbitFrame(*vc), 12);
    EXPECT_EQ(BoxFrame(*vc, 3), 2);
    EXPECT_EQ(vc->Text(19, 3, 16), "Sector: Orbit");

    con::ScopedVirtualConsole again;
    again->Right().Right().Up().Up().Escape();
    RunNavigation();
    EXPECT_EQ(OrbitFrame(*again), 2);
    EXPECT_EQ(BoxFrame(*again, 21), 12);
    EXPECT_EQ(again->Text(19, 3, 16), "Sector: D    ");
}

TEST(NavigationTest, EnterOnOrbitStoresZeroAndShowsTheOrbitTrip) {
    con::ScopedVirtualConsole vc;
    PlaceShipAbove(7);
    // 1 -> 2 -> 3 -> 4, Up to ORBIT, Enter.
    vc->Right().Right().Right().Up().Enter().Escape();
    RunNavigation();
    EXPECT_EQ(Globals::GetMothership()->GetDestination(), 0);
    EXPECT_EQ(vc->Text(19, 49, 77), "Sector: Orbit               ");
    EXPECT_EQ(vc->Text(20, 49, 77), "ETA: 1                      ");
    EXPECT_EQ(vc->Text(21, 49, 77), "Fuel Req: 10,000            ");
    // The destination arrows round ORBIT in yellow, the location's round sector 7 in magenta.
    EXPECT_EQ(vc->AttrAt(kMapX + 18, kMapY + 17), 14);
    EXPECT_EQ(vc->Picture(kMapX + 3, kMapY + 5, 3, 3), " ▲ \n◄M►\n ▼ ");
    EXPECT_EQ(vc->AttrAt(kMapX + 4, kMapY + 5), 13);
}

TEST(NavigationTest, ChoosingASectorShowsItsTripAndTheDaysMoveTheShip) {
    con::ScopedVirtualConsole vc;
    PlaceShipAbove(1);
    int const fuel = Globals::GetMothership()->GetFuel();
    // Cursor to 24 (Left: 6, Up: 24), choose it.
    vc->Left().Up().Enter().Escape();
    RunNavigation();
    Mothership* ship = Globals::GetMothership();
    EXPECT_EQ(ship->GetDestination(), 24);
    EXPECT_EQ(vc->Text(20, 3, 20), "ETA: 5           ");
    EXPECT_EQ(vc->Text(21, 3, 20), "Fuel Req: 5,000  ");
    EXPECT_EQ(vc->Text(19, 49, 77), "Sector: K                   ");
    EXPECT_EQ(vc->Text(21, 49, 77), "Fuel Req: 5,000             ");
    // Each day one square along each axis, 1000 fuel a day: 8, 15, 22, 23, 24.
    int const route[] = {8, 15, 22, 23, 24};
    for (int day = 0; day < 5; ++day) {
        EXPECT_TRUE(ship->Travel());
        EXPECT_EQ(ship->GetLocation(), route[day]);
    }
    EXPECT_EQ(ship->GetFuel(), fuel - 5000);
}

TEST(NavigationTest, ChoosingTheShipsOwnSectorClearsTheDestination) {
    con::ScopedVirtualConsole vc;
    PlaceShipAbove(1);
    Globals::GetMothership()->SetDestination(9);
    vc->Enter().Escape();
    RunNavigation();
    EXPECT_EQ(Globals::GetMothership()->GetDestination(), 1);
    EXPECT_EQ(vc->Text(19, 49, 77), " There is currently no      ");
    EXPECT_EQ(vc->Text(21, 49, 77), std::string(28, ' '));
    // The old destination's arrows went with the mini-maps; the ship's stay.
    EXPECT_EQ(vc->ByteAt(SectorBoxX(kMapX, 9) + 4, SectorBoxY(kMapY, 9) + 1), ' ');
    EXPECT_EQ(vc->AttrAt(kMapX + 4, kMapY + 1), 13);
    EXPECT_EQ(vc->Text(20, 3, 20), "ETA: 0           ");
}
