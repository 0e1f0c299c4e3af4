// Rooms of the ship in a real terminal: the built game runs in tmux from its
// data folder and the player's keys go in one at a time, each once the last
// one has shown.
#include <gtest/gtest.h>
#include <string>

#include "tests/support/GameInTmux.h"

namespace {

using namespace testing_support;

// Whether the status bar shows this much fuel.
ScreenTest FuelShown(std::string const& fuel) {
    return [fuel](std::string const& text) {
        return Shows(Tmux::RowOf(text, kStockRow), "    FUEL: " + fuel + "   ");
    };
}

// The shield switch, item 4 of engineering's menu.
ScreenTest ShieldsRead(std::string const& state) {
    return RowStartsWith(16, std::string(38, ' ') + "░▒▒▓▓ Shields (Current:" + state + ")");
}

TEST(RoomsInTerminal, SwitchingTheShieldsOnBurnsFuel) {
    REQUIRE_TMUX();
    Tmux tmux;
    ASSERT_TRUE(StartNewGame(tmux));
    // To engineering: by research and the library.
    ASSERT_TRUE(Press(tmux, "Right", OnDeckAt(" RESEARCH:"), "the research station"));
    ASSERT_TRUE(Press(tmux, "Down", OnDeckAt(" LIBRARY:"), "the library"));
    ASSERT_TRUE(Press(tmux, "Right", OnDeckAt(" ENGINEERING:"), "engineering"));
    EXPECT_TRUE(FuelShown("150,000")(tmux.Text())) << tmux.Text();

    ASSERT_TRUE(Press(tmux, "Enter", MenuWith(tmux, "Shields (Current:OFF)", 1), "engineering's menu"));
    ASSERT_TRUE(HighlightMenuItem(tmux, 4));
    ASSERT_TRUE(Press(tmux, "Enter", ShieldsRead("ON"), "the shields on"));
    EXPECT_TRUE(tmux.WaitFor(FuelShown("149,950"))) << tmux.Text();

    // Off again costs nothing; on again another 50.
    ASSERT_TRUE(Press(tmux, "Enter", ShieldsRead("OFF"), "the shields off"));
    ASSERT_TRUE(Press(tmux, "Enter", ShieldsRead("ON"), "the shields on again"));
    EXPECT_TRUE(tmux.WaitFor(FuelShown("149,900"))) << tmux.Text();

    // Back on the deck the ship shows its shields: a green hull.
    ASSERT_TRUE(Press(tmux, "Escape", OnDeckAt(" ENGINEERING:"), "the main deck"));
    Pane const pane = tmux.Cells();
    ASSERT_GT(pane.size(), 9u);
    ASSERT_GT(pane[9].size(), 5u);
    EXPECT_EQ(pane[9][5].foreground, 10) << tmux.Text();
}

}  // namespace
