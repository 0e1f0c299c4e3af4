// The game itself in a real terminal: the built program runs in tmux from
// the data folder, keys go in as a player types them, and the tests read the
// pane.
#include <fstream>
#include <gtest/gtest.h>
#include <string>

#include "tests/support/Tmux.h"

namespace {

using namespace testing_support;

// A shell command line that starts the game in its data folder.
std::string GameCommand() {
    return "sh -c " + Quote("cd " + Quote(MOTHERSHIP_DATA_DIR) + " && exec " + Quote(MOTHERSHIP_BINARY));
}

// The title item whose text shows highlighted (white on red), 0 for none.
int HighlightedItem(Tmux const& tmux) {
    constexpr int kTextColumn[] = {0, 17, 16, 15, 15, 19};
    Pane const pane = tmux.Cells();
    for (int item = 1; item <= 5; ++item) {
        std::size_t const row = static_cast<std::size_t>(13 + 2 * item);
        if (row < pane.size() && pane[row].size() > static_cast<std::size_t>(kTextColumn[item])) {
            PaneCell const& cell = pane[row][static_cast<std::size_t>(kTextColumn[item])];
            if (cell.foreground == 15 && cell.background == 1) {
                return item;
            }
        }
    }
    return 0;
}

// A polling screen reads one key per pass and drops the rest, as a player's
// keys come one at a time: each key is sent once the last one has shown.
void PressDownTo(Tmux& tmux, int item) {
    tmux.Keys({"Down"});
    ASSERT_TRUE(tmux.WaitFor([&](std::string const&) { return HighlightedItem(tmux) == item; }))
        << "item " << item << " highlighted\n"
        << tmux.Text();
}

bool TitleShown(std::string const& text) {
    for (char const* item : {"NEW GAME", "LOAD  GAME", "GAME OPTIONS", "VIEW CREDITS", "EXIT"}) {
        if (text.find(item) == std::string::npos) {
            return false;
        }
    }
    return true;
}

TEST(GameInTerminal, TheTitleAppearsAndExitEndsWithStatusZeroAndTheTerminalGivenBack) {
    REQUIRE_TMUX();
    ExpectTerminalGivenBack(
        GameCommand(), "EXIT",
        [](Tmux& tmux) {
            ASSERT_TRUE(tmux.WaitFor(TitleShown)) << tmux.Text();
            EXPECT_EQ(HighlightedItem(tmux), 1);
            EXPECT_TRUE(Tmux::RowOf(tmux.Text(), 15).starts_with("  ·")) << "the dotted frame";
            EXPECT_EQ(tmux.Show("#{cursor_flag}"), "0") << "the cursor is hidden";
            for (int item = 2; item <= 5; ++item) {
                PressDownTo(tmux, item);
            }
            tmux.Keys({"Enter"});
        },
        "0");
}

TEST(GameInTerminal, NewGameShowsTheShipTheBridgeAndTheStatusBar) {
    REQUIRE_TMUX();
    Tmux tmux;
    tmux.Start(GameCommand());
    ASSERT_TRUE(tmux.WaitFor(TitleShown)) << tmux.Text();
    tmux.Keys({"Enter"});
    ASSERT_TRUE(tmux.WaitFor([](std::string const& text) {
        return Tmux::RowOf(text, 19).starts_with(" NAVIGATION:");
    })) << tmux.Text();
    EXPECT_EQ(tmux.Row(23).substr(0, 18), " DAY:    1 of 5500");
    EXPECT_NE(tmux.Text().find("SCIENTIFIC RESEARCH STATION"), std::string::npos);
    tmux.Keys({"Right"});
    EXPECT_TRUE(tmux.WaitFor([](std::string const& text) {
        return Tmux::RowOf(text, 19).starts_with(" RESEARCH:");
    })) << tmux.Text();
}

// The deck's description header on row 19 names the highlighted room.
void MoveToRoom(Tmux& tmux, char const* key, std::string const& header) {
    tmux.Keys({key});
    ASSERT_TRUE(tmux.WaitFor([&](std::string const& text) {
        return Tmux::RowOf(text, 19).starts_with(header);
    })) << header
        << "\n"
        << tmux.Text();
}

TEST(GameInTerminal, TheCargoHoldListsArtifactsNamedByTheDataFile) {
    REQUIRE_TMUX();
    std::string name;
    std::getline(std::ifstream(std::string(MOTHERSHIP_DATA_DIR) + "/artifacts.txt"), name);
    ASSERT_FALSE(name.empty());

    Tmux tmux;
    tmux.Start(GameCommand());
    ASSERT_TRUE(tmux.WaitFor(TitleShown)) << tmux.Text();
    tmux.Keys({"Enter"});
    ASSERT_TRUE(tmux.WaitForText(" NAVIGATION:")) << tmux.Text();
    MoveToRoom(tmux, "Right", " RESEARCH:");
    MoveToRoom(tmux, "Right", " CARGO:");
    tmux.Keys({"Enter"});
    ASSERT_TRUE(tmux.WaitForText("View your Artifacts")) << tmux.Text();
    EXPECT_NE(tmux.Text().find("Visit The Incinerator"), std::string::npos);

    tmux.Keys({"Enter"});
    ASSERT_TRUE(tmux.WaitForText("Total Artifacts: 5")) << tmux.Text();
    std::string const text = tmux.Text();
    for (int row = 3; row < 8; ++row) {
        EXPECT_TRUE(Tmux::RowOf(text, row).starts_with("  " + name + " ")) << row << "\n" << text;
    }
    EXPECT_TRUE(Tmux::RowOf(text, 8).starts_with("   ")) << "five artifacts on the first visit\n" << text;

    tmux.Keys({"Escape"});
    ASSERT_TRUE(tmux.WaitForText("Visit The Incinerator")) << tmux.Text();
    tmux.Keys({"Escape"});
    ASSERT_TRUE(tmux.WaitFor([](std::string const& t) { return Tmux::RowOf(t, 19).starts_with(" CARGO:"); }))
        << "back on the deck, the cargo hold highlighted\n"
        << tmux.Text();
}

}  // namespace
