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

// The title's runners never stop, so a key's effect is awaited without
// waiting for a still pane.
::testing::AssertionResult PressDownTo(Tmux& tmux, int item) {
    return PressUntil(
        tmux, "Down", [&](std::string const&) { return HighlightedItem(tmux) == item; },
        "item " + std::to_string(item) + " highlighted");
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
                ASSERT_TRUE(PressDownTo(tmux, item));
            }
            tmux.Keys({"Enter"});
        },
        "0");
}

TEST(GameInTerminal, NewGameShowsTheShipTheBridgeAndTheStatusBar) {
    REQUIRE_TMUX();
    Tmux tmux;
    ASSERT_TRUE(StartNewGame(tmux));
    EXPECT_EQ(tmux.Row(kDayRow).substr(0, 18), " DAY:    1 of 5500");
    EXPECT_TRUE(Shows(tmux.Text(), "SCIENTIFIC RESEARCH STATION")) << tmux.Text();
    EXPECT_TRUE(Press(tmux, "Right", OnDeckAt(" RESEARCH:"), "the research station"));
}

TEST(GameInTerminal, TheCargoHoldListsArtifactsNamedByTheDataFile) {
    REQUIRE_TMUX();
    std::string name;
    std::getline(std::ifstream(std::string(MOTHERSHIP_DATA_DIR) + "/artifacts.txt"), name);
    ASSERT_FALSE(name.empty());

    Tmux tmux;
    ASSERT_TRUE(StartNewGame(tmux));
    ASSERT_TRUE(Press(tmux, "Right", OnDeckAt(" RESEARCH:"), "the research station"));
    ASSERT_TRUE(Press(tmux, "Right", OnDeckAt(" CARGO:"), "the cargo hold"));
    ASSERT_TRUE(Press(tmux, "Enter", MenuWith(tmux, "View your Artifacts", 1), "the cargo hold's menu"));
    EXPECT_TRUE(Shows(tmux.Text(), "Visit The Incinerator"));

    ASSERT_TRUE(Press(tmux, "Enter", Showing("Total Artifacts: 5"), "the artifacts"));
    std::string const text = tmux.Text();
    for (int row = 3; row < 8; ++row) {
        EXPECT_TRUE(Tmux::RowOf(text, row).starts_with("  " + name + " ")) << row << "\n" << text;
    }
    EXPECT_TRUE(Tmux::RowOf(text, 8).starts_with("   ")) << "five artifacts on the first visit\n" << text;

    ASSERT_TRUE(Press(tmux, "Escape", Showing("Visit The Incinerator"), "the cargo hold's menu again"));
    ASSERT_TRUE(Press(tmux, "Escape", OnDeckAt(" CARGO:"), "back on the deck, the cargo hold highlighted"));
}

}  // namespace
