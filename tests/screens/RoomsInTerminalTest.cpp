// Rooms of the ship in a real terminal: the built game runs in tmux from its
// data folder and the player's keys go in one at a time, each once the last
// one has shown.
#include <gtest/gtest.h>
#include <string>

#include "tests/support/Tmux.h"

namespace {

using namespace testing_support;

std::string GameCommand() {
    return "sh -c " + Quote("cd " + Quote(MOTHERSHIP_DATA_DIR) + " && exec " + Quote(MOTHERSHIP_BINARY));
}

// Sends one key and waits until row `row` of the pane starts with `text`.
void KeyUntilRow(Tmux& tmux, char const* key, int row, std::string const& text) {
    tmux.Keys({key});
    ASSERT_TRUE(tmux.WaitFor([&](std::string const& pane) {
        return Tmux::RowOf(pane, row).starts_with(text);
    })) << key
        << " should show \"" << text << "\" on row " << row << "\n"
        << tmux.Text();
}

// Whether the status bar shows this much fuel.
bool FuelShown(std::string const& pane, std::string const& fuel) {
    return Tmux::RowOf(pane, 24).find("    FUEL: " + fuel + "   ") != std::string::npos;
}

// Whether room menu item `item` shows highlighted (blue on white).
bool ItemHighlighted(Tmux const& tmux, int item) {
    Pane const pane = tmux.Cells();
    std::size_t const row = static_cast<std::size_t>(4 * item);
    return row < pane.size() && pane[row].size() > 45 && pane[row][45].background == 15;
}

TEST(RoomsInTerminal, SwitchingTheShieldsOnBurnsFuel) {
    REQUIRE_TMUX();
    Tmux tmux;
    tmux.Start(GameCommand());
    ASSERT_TRUE(tmux.WaitForText("NEW GAME")) << tmux.Text();
    // To engineering: the bridge, then by research and the library.
    KeyUntilRow(tmux, "Enter", 19, " NAVIGATION:");
    KeyUntilRow(tmux, "Right", 19, " RESEARCH:");
    KeyUntilRow(tmux, "Down", 19, " LIBRARY:");
    KeyUntilRow(tmux, "Right", 19, " ENGINEERING:");
    EXPECT_TRUE(FuelShown(tmux.Text(), "150,000")) << tmux.Text();

    tmux.Keys({"Enter"});
    ASSERT_TRUE(tmux.WaitForText("Shields (Current:OFF)")) << tmux.Text();
    for (int item = 2; item <= 4; ++item) {
        tmux.Keys({"Down"});
        ASSERT_TRUE(tmux.WaitFor([&](std::string const&) { return ItemHighlighted(tmux, item); }))
            << "item " << item << "\n"
            << tmux.Text();
    }
    KeyUntilRow(tmux, "Enter", 16, std::string(38, ' ') + "░▒▒▓▓ Shields (Current:ON)");
    EXPECT_TRUE(tmux.WaitFor([](std::string const& pane) { return FuelShown(pane, "149,950"); }))
        << tmux.Text();

    // Off again costs nothing; on again another 50.
    KeyUntilRow(tmux, "Enter", 16, std::string(38, ' ') + "░▒▒▓▓ Shields (Current:OFF)");
    KeyUntilRow(tmux, "Enter", 16, std::string(38, ' ') + "░▒▒▓▓ Shields (Current:ON)");
    EXPECT_TRUE(tmux.WaitFor([](std::string const& pane) { return FuelShown(pane, "149,900"); }))
        << tmux.Text();

    // Back on the deck the ship shows its shields: a green hull.
    KeyUntilRow(tmux, "Escape", 19, " ENGINEERING:");
    Pane const pane = tmux.Cells();
    ASSERT_GT(pane.size(), 9u);
    ASSERT_GT(pane[9].size(), 5u);
    EXPECT_EQ(pane[9][5].foreground, 10) << tmux.Text();
}

}  // namespace
