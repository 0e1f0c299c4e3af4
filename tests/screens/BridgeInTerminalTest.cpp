// The bridge in the real game in a terminal: a destination set in
// navigation, the day ended and the ship over its sector, the Super Ion
// Cannon fired at a square there, and its report read the next morning.
#include <gtest/gtest.h>
#include <string>

#include "tests/support/GameInTmux.h"

#include "game/art/GroundPictures.h"
#include "game/screens/EarthMapWidgets.h"
#include "game/screens/GroundCampaign.h"
#include "platform/Cp437.h"
#include "platform/TerminalConsole.h"
#include "platform/VirtualConsole.h"

namespace {

using namespace testing_support;

// Navigation's two panels: the highlighted sector's letter (at 3, 19) and the
// destination's (at 49, 19), "" where the panel shows no sector.
constexpr int kPanelRow = 19;

std::string PanelSector(Tmux const& tmux, int x) {
    std::string const field = CellText(tmux.Cells(), kPanelRow, x, 9);
    return field.starts_with("Sector: ") ? field.substr(8) : "";
}

// The pane shows the rubble tile on the first square as the game draws it.
void ExpectRubbleOnTheFirstSquare(Pane const& pane) {
    int const x = SubSectorBoxX(kSquareTileX, 0);
    int const y = SubSectorBoxY(kSquareTileY, 0);
    con::ScopedVirtualConsole vc;
    RubbleTile(x, y);
    for (int row = y; row < y + 4; ++row) {
        ASSERT_LT(static_cast<std::size_t>(row), pane.size());
        for (int column = x; column < x + 9; ++column) {
            ASSERT_LT(static_cast<std::size_t>(column), pane[row].size());
            PaneCell const& cell = pane[row][column];
            uint16_t const attribute = vc->AttrAt(column, row);
            EXPECT_EQ(cell.glyph, con::Cp437ToUtf8(vc->ByteAt(column, row))) << column << "," << row;
            EXPECT_EQ(cell.foreground, con::AnsiColour(attribute & 15)) << column << "," << row;
            EXPECT_EQ(cell.background, con::AnsiColour(attribute >> 4)) << column << "," << row;
        }
    }
}

TEST(BridgeInTerminal, TheShipFliesToItsDestinationAndTheCannonsShotIsInTheNextMorningsReport) {
    REQUIRE_TMUX();
    Tmux tmux;
    ASSERT_TRUE(StartNewGame(tmux));
    long const startFuel = Stock(tmux.Row(kStockRow), "FUEL");
    ASSERT_GT(startFuel, 100000) << tmux.Text();

    // Navigation, from orbit: the sector right of the first one.
    ASSERT_TRUE(ChooseInRoom(
        tmux, "Navigate Mothership", 2,
        [](std::string const& t) { return NavigationShown(t) && Shows(t, "destination selected."); },
        "navigation with no destination"));
    std::string const first = PanelSector(tmux, 3);
    ASSERT_EQ(first.size(), 1u) << tmux.Text();
    std::string target;
    ASSERT_TRUE(Press(
        tmux, "Right",
        [&](std::string const&) {
            target = PanelSector(tmux, 3);
            return target.size() == 1 && target != first;
        },
        "the next sector highlighted"));
    ASSERT_TRUE(Press(
        tmux, "Enter", [&](std::string const&) { return PanelSector(tmux, 49) == target; },
        "the sector as the destination"));
    Pane const panel = tmux.Cells();
    EXPECT_EQ(CellText(panel, kPanelRow + 1, 49, 6), "ETA: 1") << tmux.Text();
    EXPECT_EQ(CellText(panel, kPanelRow + 2, 49, 16), "Fuel Req: 10,000") << tmux.Text();
    ASSERT_TRUE(Press(tmux, "Escape", MenuWith(tmux, "Navigate Mothership", 2), "the bridge's menu"));
    ASSERT_TRUE(Press(tmux, "Escape", OnDeckAt(" NAVIGATION:"), "the main deck"));

    // The first day's flight leaves orbit for the sector.
    std::string report;
    ASSERT_TRUE(EndTheDayFromTheBridge(tmux, 2, report));
    long const flownFuel = Stock(tmux.Row(kStockRow), "FUEL");
    EXPECT_EQ(flownFuel, startFuel - 10000) << tmux.Text();

    // Back to the bridge and the cannon, over the sector now.
    ASSERT_TRUE(Press(tmux, "Up", OnDeckAt(" RESEARCH:"), "the research station"));
    ASSERT_TRUE(Press(tmux, "Left", OnDeckAt(" NAVIGATION:"), "the bridge on the deck"));
    ASSERT_TRUE(ChooseInRoom(
        tmux, "Super Ion Cannon Control", 4,
        [](std::string const& t) { return SquareGridShown(t) || Shows(t, "You are currently in orbit."); },
        "the cannon's grid"));
    ASSERT_TRUE(SquareGridShown(tmux.Text())) << "the ship is over its sector\n" << tmux.Text();
    ASSERT_TRUE(Shows(tmux.Text(), "Sector: ???")) << "a new world has no square mapped\n" << tmux.Text();

    ASSERT_TRUE(Press(
        tmux, "Enter",
        [&](std::string const& t) {
            Pane const pane = tmux.Cells();
            // " No " (at 50, 11) black on white: the careful answer first.
            return Shows(t, "Fire Ion Cannon?") && pane.size() > 11 && pane[11].size() > 51 &&
                   pane[11][51].background == 15;
        },
        "the question Fire Ion Cannon?"));
    // The charge, the static of an unmapped square and the blast take their
    // time in real sleeps; the game then waits for a key.
    ASSERT_TRUE(Press(
        tmux, "y", [](std::string const& t) { return Shows(t, "<<FIRE COMPLETED>>"); }, "the shot's end"));
    std::string const fired = tmux.Text();
    EXPECT_TRUE(Shows(fired, "<<LIVE FEED>>")) << fired;
    EXPECT_TRUE(Shows(fired, "Sector: Rubble")) << fired;
    EXPECT_TRUE(Shows(fired, "Known Enemy Pop: 0")) << fired;
    ExpectRubbleOnTheFirstSquare(tmux.Cells());
    ASSERT_TRUE(Press(
        tmux, "x",
        [&](std::string const& t) { return Stock(Tmux::RowOf(t, kStockRow), "FUEL") == flownFuel - 50000; },
        "the shot's fuel charged"));
    ASSERT_TRUE(Press(tmux, "Escape", MenuWith(tmux, "Super Ion Cannon Control", 4), "the bridge's menu"));
    ASSERT_TRUE(Press(tmux, "Escape", OnDeckAt(" NAVIGATION:"), "the main deck"));

    // The next morning.
    ASSERT_TRUE(EndTheDayFromTheBridge(tmux, 3, report));
    EXPECT_TRUE(
        Shows(report, "A SubSector of an unknown land type in Sector " + target +
                          " has been leveled by your Ion Cannon. Whatever was there before isn't there now."))
        << report;
}

}  // namespace
