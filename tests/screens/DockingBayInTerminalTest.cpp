// The docking bay in the real game in a terminal: a crew member goes aboard
// the saucer, the saucer is sent scouting, the day ends in the library and
// the morning's report tells what the saucer mapped.
#include <gtest/gtest.h>
#include <string>

#include "tests/support/Tmux.h"

namespace {

using namespace testing_support;

std::string GameCommand() {
    return "sh -c " + Quote("cd " + Quote(MOTHERSHIP_DATA_DIR) + " && exec " + Quote(MOTHERSHIP_BINARY));
}

// Screens read a key at a time and throw away what waits behind it: each key
// goes in once the one before has shown its effect.
void PressUntil(Tmux& tmux, std::string const& key, std::string const& shown) {
    tmux.Keys({key});
    ASSERT_TRUE(tmux.WaitForText(shown)) << "after " << key << ", waiting for " << shown << "\n"
                                         << tmux.Text();
}

// Console colours as the terminal shows them: blue and red swap places.
int TerminalColour(int consoleColour) {
    int const swapped[] = {0, 4, 2, 6, 1, 5, 3, 7};
    return swapped[consoleColour & 7] + (consoleColour & 8);
}

// Until the cell at (x, y) shows in the console colour (background x 16 +
// foreground): a lit title (225) or a highlighted row or item (241).
void PressUntilLit(Tmux& tmux, std::string const& key, int x, int y, int colour) {
    tmux.Keys({key});
    int const foreground = TerminalColour(colour & 15);
    int const background = TerminalColour(colour >> 4);
    ASSERT_TRUE(tmux.WaitFor([&](std::string const&) {
        Pane const pane = tmux.Cells();
        if (static_cast<std::size_t>(y) >= pane.size() || static_cast<std::size_t>(x) >= pane[y].size()) {
            return false;
        }
        PaneCell const& cell = pane[y][x];
        return cell.foreground == foreground && cell.background == background;
    })) << "after "
        << key << ", waiting for colour " << colour << " at " << x << "," << y << "\n"
        << tmux.Text();
}

constexpr int kLit = 225;
constexpr int kHighlight = 241;

bool RowStartsWith(Tmux& tmux, int row, std::string const& text) {
    return tmux.WaitFor([&](std::string const& pane) { return Tmux::RowOf(pane, row).starts_with(text); });
}

// The cells of a row between two columns.
std::string Cells(Tmux& tmux, int row, int from, int to) {
    Pane const pane = tmux.Cells();
    std::string out;
    for (int x = from; x < to && static_cast<std::size_t>(row) < pane.size(); ++x) {
        out += static_cast<std::size_t>(x) < pane[row].size() ? pane[row][x].glyph : " ";
    }
    return out;
}

TEST(DockingBayInTerminal, ASaucerWithCrewScoutsAndTheMorningReportSaysSo) {
    REQUIRE_TMUX();
    Tmux tmux;
    tmux.Start(GameCommand());
    ASSERT_TRUE(tmux.WaitForText("NEW GAME")) << tmux.Text();
    tmux.Keys({"Enter"});
    ASSERT_TRUE(RowStartsWith(tmux, 19, " NAVIGATION:")) << tmux.Text();

    // Bridge, research, cargo, docking bay.
    tmux.Keys({"Right"});
    ASSERT_TRUE(RowStartsWith(tmux, 19, " RESEARCH:")) << tmux.Text();
    tmux.Keys({"Right"});
    ASSERT_TRUE(RowStartsWith(tmux, 19, " CARGO:")) << tmux.Text();
    tmux.Keys({"Down"});
    ASSERT_TRUE(RowStartsWith(tmux, 19, " DOCKING:")) << tmux.Text();
    PressUntil(tmux, "Enter", "View Ships in Dock");

    // Loading: the ship, its saucer, the ship's first crew member aboard.
    PressUntilLit(tmux, "Down", 43, 8, kHighlight);
    PressUntil(tmux, "Enter", " ONBOARD ");
    PressUntilLit(tmux, "Enter", 19, 2, kLit);
    PressUntilLit(tmux, "Enter", 37, 2, kLit);
    std::string const member = Cells(tmux, 4, 37, 55);
    ASSERT_NE(member.find_first_not_of(' '), std::string::npos) << tmux.Text();
    tmux.Keys({"Enter"});
    ASSERT_TRUE(tmux.WaitFor([&](std::string const&) { return Cells(tmux, 4, 57, 75) == member; }))
        << member << " aboard the saucer\n"
        << tmux.Text();
    PressUntilLit(tmux, "Escape", 19, 2, kLit);
    PressUntilLit(tmux, "Escape", 4, 2, kLit);
    PressUntil(tmux, "Escape", "Assign Aircraft Missions");

    // Missions: the saucer scouts sector V, just below the DOCK box.
    PressUntilLit(tmux, "Down", 43, 12, kHighlight);
    PressUntil(tmux, "Enter", " MISSION ");
    PressUntilLit(tmux, "Enter", 19, 2, kLit);
    PressUntilLit(tmux, "Enter", 42, 2, kLit);
    PressUntilLit(tmux, "Down", 42, 5, kHighlight);
    PressUntilLit(tmux, "Down", 42, 6, kHighlight);
    PressUntil(tmux, "Enter", "SELECT A TARGET SECTOR FOR THIS AIRCRAFT");
    PressUntil(tmux, "Down", "Sector: V");
    tmux.Keys({"Enter"});
    ASSERT_TRUE(tmux.WaitFor([](std::string const& text) {
        return Tmux::RowOf(text, 19).find("Sector: V", 40) != std::string::npos;
    })) << "the saucer's target\n"
        << tmux.Text();
    PressUntil(tmux, "Escape", " MISSION ");
    PressUntilLit(tmux, "Escape", 4, 2, kLit);
    PressUntil(tmux, "Escape", "View Ships in Dock");
    PressUntilLit(tmux, "Up", 43, 8, kHighlight);
    PressUntilLit(tmux, "Up", 43, 4, kHighlight);
    PressUntil(tmux, "Enter", "SELECT AN AIRCRAFT");  // the craft list shows the order
    ASSERT_TRUE(tmux.WaitForText("Current Mission: Scouting")) << tmux.Text();
    PressUntil(tmux, "Escape", "Launch Space Capsule");
    tmux.Keys({"Escape"});
    ASSERT_TRUE(RowStartsWith(tmux, 19, " DOCKING:")) << tmux.Text();

    // The library: end the day.
    tmux.Keys({"Left"});
    ASSERT_TRUE(RowStartsWith(tmux, 19, " ENGINEERING:")) << tmux.Text();
    tmux.Keys({"Left"});
    ASSERT_TRUE(RowStartsWith(tmux, 19, " LIBRARY:")) << tmux.Text();
    PressUntil(tmux, "Enter", "End Turn Factor 6");
    PressUntilLit(tmux, "Down", 43, 8, kHighlight);
    PressUntil(tmux, "Enter", "End Day?");
    tmux.Type("y");
    EXPECT_TRUE(tmux.WaitForText("Saucer located in Mothership has successfully mapped a new sub-sector"))
        << tmux.Text();
}

}  // namespace
