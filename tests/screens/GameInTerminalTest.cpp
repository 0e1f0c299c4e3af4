// The game itself in a real terminal: the built program runs in tmux from
// the data folder, keys go in as a player types them, and the tests read the
// pane.
#include <fstream>
#include <gtest/gtest.h>
#include <string>

#include "tests/support/GameInTmux.h"

#include "game/screens/TitleMenu.h"
#include "platform/Cp437.h"

namespace {

using namespace testing_support;

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

// The dotted frame round the items, 38 x 11 cells: every cell of its edge a
// dot, or one of the bright dots running round it.
bool DottedFrameShown(Tmux const& tmux) {
    constexpr int kWidth = 38;
    constexpr int kHeight = 11;
    std::string const dot = con::Cp437ToUtf8(250);
    std::string const runner = con::Cp437ToUtf8(249);
    Pane const pane = tmux.Cells();
    for (int y = kMenuFrameY; y < kMenuFrameY + kHeight; ++y) {
        for (int x = kMenuFrameX; x < kMenuFrameX + kWidth; ++x) {
            bool const edge = y == kMenuFrameY || y == kMenuFrameY + kHeight - 1 || x == kMenuFrameX ||
                              x == kMenuFrameX + kWidth - 1;
            std::string const glyph = CellText(pane, y, x, 1);
            if (edge && glyph != dot && glyph != runner) {
                return false;
            }
        }
    }
    return true;
}

// A polling screen reads one key per pass and drops the rest, as a player's
// keys come one at a time: each key is sent once the last one has shown.
void PressDownTo(Tmux& tmux, int item) {
    tmux.Keys({"Down"});
    ASSERT_TRUE(tmux.WaitFor([&](std::string const&) { return HighlightedItem(tmux) == item; }))
        << "item " << item << " highlighted\n"
        << tmux.Text();
}

TEST(GameInTerminal, TheTitleAppearsAndExitEndsWithStatusZeroAndTheTerminalGivenBack) {
    REQUIRE_TMUX();
    ExpectTerminalGivenBack(
        GameCommand(), "EXIT",
        [](Tmux& tmux) {
            ASSERT_TRUE(tmux.WaitFor(TitleShown)) << tmux.Text();
            EXPECT_EQ(HighlightedItem(tmux), 1);
            // Drawn below the items, so it may reach the pane a moment later.
            EXPECT_TRUE(tmux.WaitFor([&](std::string const&) { return DottedFrameShown(tmux); }))
                << "the dotted frame\n"
                << tmux.Text();
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
    ASSERT_TRUE(Press(tmux, "Enter", OnDeckAt(" NAVIGATION:"), "the main deck"));
    EXPECT_EQ(tmux.Row(kDayRow).substr(0, 18), " DAY:    1 of 5500");
    EXPECT_TRUE(Shows(tmux.Text(), "SCIENTIFIC RESEARCH STATION")) << tmux.Text();
    EXPECT_TRUE(Press(tmux, "Right", OnDeckAt(" RESEARCH:"), "the research station"));
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
