// The docking bay in the real game in a terminal: a crew member goes aboard
// the saucer, the saucer is sent scouting, the day ends in the library and
// the morning's report tells what the saucer mapped.
#include <gtest/gtest.h>
#include <string>

#include "tests/support/GameInTmux.h"

namespace {

using namespace testing_support;

// The column title that has the keys (blue on yellow), and a highlighted row
// or menu item (blue on white).
constexpr int kLit = 225;
constexpr int kHighlight = 241;

TEST(DockingBayInTerminal, ASaucerWithCrewScoutsAndTheMorningReportSaysSo) {
    REQUIRE_TMUX();
    Tmux tmux;
    ASSERT_TRUE(StartNewGame(tmux));

    // Bridge, research, cargo, docking bay.
    ASSERT_TRUE(Press(tmux, "Right", OnDeckAt(" RESEARCH:"), "the research station"));
    ASSERT_TRUE(Press(tmux, "Right", OnDeckAt(" CARGO:"), "the cargo hold"));
    ASSERT_TRUE(Press(tmux, "Down", OnDeckAt(" DOCKING:"), "the docking bay"));

    // Loading: the ship, its saucer, the ship's first crew member aboard.
    ASSERT_TRUE(ChooseInRoom(tmux, "View Ships in Dock", 2, Showing(" ONBOARD "), "loading cargo and crew"));
    ASSERT_TRUE(Press(tmux, "Enter", LitAt(tmux, 19, 2, kLit), "the ship's craft"));
    ASSERT_TRUE(Press(tmux, "Enter", LitAt(tmux, 37, 2, kLit), "the ship's crew"));
    std::string const member = CellText(tmux.Cells(), 4, 37, 18);
    ASSERT_NE(member.find_first_not_of(' '), std::string::npos) << tmux.Text();
    ASSERT_TRUE(Press(
        tmux, "Enter", [&](std::string const&) { return CellText(tmux.Cells(), 4, 57, 18) == member; },
        member + " aboard the saucer"));
    ASSERT_TRUE(Press(tmux, "Escape", LitAt(tmux, 19, 2, kLit), "the ship's craft again"));
    ASSERT_TRUE(Press(tmux, "Escape", LitAt(tmux, 4, 2, kLit), "the places"));
    ASSERT_TRUE(
        Press(tmux, "Escape", MenuWith(tmux, "Assign Aircraft Missions", 2), "the docking bay's menu"));

    // Missions: the saucer scouts sector V, just below the DOCK box.
    ASSERT_TRUE(HighlightMenuItem(tmux, 3));
    ASSERT_TRUE(Press(tmux, "Enter", Showing(" MISSION "), "the missions"));
    ASSERT_TRUE(Press(tmux, "Enter", LitAt(tmux, 19, 2, kLit), "the ship's craft"));
    ASSERT_TRUE(Press(tmux, "Enter", LitAt(tmux, 42, 2, kLit), "the saucer's missions"));
    ASSERT_TRUE(Press(tmux, "Down", LitAt(tmux, 42, 5, kHighlight), "the second mission"));
    ASSERT_TRUE(Press(tmux, "Down", LitAt(tmux, 42, 6, kHighlight), "the third mission"));
    ASSERT_TRUE(
        Press(tmux, "Enter", Showing("SELECT A TARGET SECTOR FOR THIS AIRCRAFT"), "the target picker"));
    ASSERT_TRUE(Press(tmux, "Down", Showing("Sector: V"), "sector V highlighted"));
    ASSERT_TRUE(Press(
        tmux, "Enter",
        [](std::string const& text) {
            return Tmux::RowOf(text, 19).find("Sector: V", 40) != std::string::npos;
        },
        "the saucer's target"));
    ASSERT_TRUE(Press(tmux, "Escape", Showing(" MISSION "), "the missions again"));
    ASSERT_TRUE(Press(tmux, "Escape", LitAt(tmux, 4, 2, kLit), "the places"));
    ASSERT_TRUE(Press(tmux, "Escape", MenuWith(tmux, "View Ships in Dock", 3), "the docking bay's menu"));
    ASSERT_TRUE(Press(tmux, "Up", MenuWith(tmux, "View Ships in Dock", 2), "the second item"));
    ASSERT_TRUE(Press(tmux, "Up", MenuWith(tmux, "View Ships in Dock", 1), "the first item"));
    // The craft list shows the order.
    ASSERT_TRUE(Press(
        tmux, "Enter",
        [](std::string const& text) {
            return Shows(text, "SELECT AN AIRCRAFT") && Shows(text, "Current Mission: Scouting");
        },
        "the craft list with the saucer scouting"));
    ASSERT_TRUE(Press(tmux, "Escape", Showing("Launch Space Capsule"), "the docking bay's menu"));
    ASSERT_TRUE(Press(tmux, "Escape", OnDeckAt(" DOCKING:"), "the main deck"));

    // The library: end the day.
    ASSERT_TRUE(Press(tmux, "Left", OnDeckAt(" ENGINEERING:"), "engineering"));
    ASSERT_TRUE(Press(tmux, "Left", OnDeckAt(" LIBRARY:"), "the library"));
    std::string report;
    ASSERT_TRUE(EndTheDayFromTheLibrary(tmux, 2, report));
    EXPECT_TRUE(Shows(report, "Saucer located in Mothership has successfully mapped a new sub-sector"))
        << report;
}

}  // namespace
