// The built game in a real terminal when things go wrong for it: Ctrl-C,
// SIGTERM and SIGHUP on the title, in a room and while the ion cannon fires;
// the terminal shrunk below 80 x 25 and grown back in the middle of a game;
// the game started away from its data folder, without "artifacts.txt".
#include <cstdlib>
#include <dirent.h>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

#include "tests/support/GameInTmux.h"

namespace {

using namespace testing_support;

void ToTitle(Tmux& tmux) { ASSERT_TRUE(tmux.WaitFor(TitleShown)) << tmux.Text(); }

void TitleToBridgeMenu(Tmux& tmux) {
    ToTitle(tmux);
    ASSERT_TRUE(Press(tmux, "Enter", OnDeckAt(" NAVIGATION:"), "the main deck on the bridge"));
    ASSERT_TRUE(Press(tmux, "Enter", MenuWith(tmux, "Navigate Mothership", 1), "the bridge's menu"));
}

// The charge bar's row shows CHARGING with light shades still in the bar.
bool Charging(std::string const& text) {
    for (int y = 0; y < 25; ++y) {
        std::string const row = Tmux::RowOf(text, y);
        if (row.find("CHARGING") != std::string::npos) {
            return row.find("\u2591") != std::string::npos;
        }
    }
    return false;
}

// From the title to the ion cannon's charge: the ship is sent to sector 1, the
// day ended in the library so it flies there, and the cannon fired from the
// bridge on the first square.
void TitleToIonCannonCharging(Tmux& tmux) {
    TitleToBridgeMenu(tmux);
    ASSERT_TRUE(HighlightMenuItem(tmux, 2));
    ASSERT_TRUE(Press(tmux, "Enter", NavigationShown, "navigation"));
    ASSERT_TRUE(Press(
        tmux, "Enter",
        [](std::string const& text) {
            return NavigationShown(text) && !Shows(text, "There is currently no");
        },
        "sector 1 chosen"));
    ASSERT_TRUE(Press(tmux, "Escape", MenuWith(tmux, "Navigate Mothership", 2), "the bridge's menu again"));
    ASSERT_TRUE(Press(tmux, "Escape", OnDeckAt(" NAVIGATION:"), "the main deck"));
    // The morning report, when the day brought news, is read through first.
    std::string report;
    ASSERT_TRUE(EndTheDayFromTheBridge(tmux, 2, report));
    ASSERT_TRUE(Press(tmux, "Up", OnDeckAt(" RESEARCH:"), "the research station highlighted"));
    ASSERT_TRUE(Press(tmux, "Left", OnDeckAt(" NAVIGATION:"), "the bridge highlighted"));
    ASSERT_TRUE(
        ChooseInRoom(tmux, "Super Ion Cannon Control", 4, SquareGridShown, "the square grid of sector 1"));
    // The first shot leaves the square mapped, so the second plays the live
    // feed with its long charge, during which the game is ended.
    ASSERT_TRUE(Press(tmux, "Enter", Showing("Fire Ion Cannon?"), "the Fire prompt"));
    ASSERT_TRUE(Press(tmux, "y", Showing("<<FIRE COMPLETED>>"), "the first shot"));
    ASSERT_TRUE(Press(
        tmux, "x", [](std::string const& text) { return SquareGridShown(text) && !Shows(text, "CHARGING"); },
        "the live feed closed"));
    ASSERT_TRUE(Press(tmux, "Enter", Showing("Fire Ion Cannon?"), "the Fire prompt"));
    // The charge moves on by itself: no still pane to wait for.
    ASSERT_TRUE(PressUntil(tmux, "y", Charging, "the cannon charging"));
}

// The game's process: the child of the pane's shell.
std::string GamePid(Tmux const& tmux) {
    std::string const shell = tmux.Show("#{pane_pid}");
    DIR* proc = opendir("/proc");
    if (proc == nullptr) {
        return {};
    }
    std::string found;
    while (dirent* entry = readdir(proc)) {
        std::string const name = entry->d_name;
        if (name.empty() || name.find_first_not_of("0123456789") != std::string::npos) {
            continue;
        }
        std::ifstream stat("/proc/" + name + "/stat");
        std::string line;
        std::getline(stat, line);
        std::size_t const close = line.rfind(')');
        if (close == std::string::npos) {
            continue;
        }
        // After the name: the state, then the parent's id.
        std::string state, parent;
        std::istringstream rest(line.substr(close + 1));
        rest >> state >> parent;
        if (parent == shell) {
            found = name;
            break;
        }
    }
    closedir(proc);
    return found;
}

struct Ending {
    char const* name;
    std::function<void(Tmux&)> send;
    char const* status;
};

std::vector<Ending> Endings() {
    auto signal = [](char const* name) {
        return [name](Tmux& tmux) {
            std::string const pid = GamePid(tmux);
            ASSERT_FALSE(pid.empty()) << "the game's process";
            ASSERT_EQ(Run({"kill", std::string("-") + name, pid}).status, 0);
        };
    };
    return {{"Ctrl-C", [](Tmux& tmux) { tmux.Keys({"C-c"}); }, "130"},
            {"SIGTERM", signal("TERM"), "143"},
            {"SIGHUP", signal("HUP"), "129"}};
}

// For each way of ending it: the game run from a shell to `place`, ended
// there, and the shell checked to work as before.
void EndEachWayAt(std::function<void(Tmux&)> const& place) {
    for (Ending const& ending : Endings()) {
        SCOPED_TRACE(ending.name);
        ExpectTerminalGivenBack(
            GameCommand(), "EXIT",
            [&](Tmux& tmux) {
                place(tmux);
                ending.send(tmux);
            },
            ending.status);
    }
}

TEST(GameEndedBySignal, OnTheTitleTheTerminalIsGivenBack) {
    REQUIRE_TMUX();
    EndEachWayAt(ToTitle);
}

TEST(GameEndedBySignal, InARoomTheTerminalIsGivenBack) {
    REQUIRE_TMUX();
    EndEachWayAt(TitleToBridgeMenu);
}

TEST(GameEndedBySignal, WhileTheIonCannonFiresTheTerminalIsGivenBack) {
    REQUIRE_TMUX();
    EndEachWayAt(TitleToIonCannonCharging);
}

TEST(GameInSmallTerminal, ShrunkMidGameItWaitsAndGrownBackItGoesOnAsItWas) {
    REQUIRE_TMUX();
    Tmux tmux;
    tmux.Start(GameCommand());
    TitleToBridgeMenu(tmux);
    ASSERT_TRUE(HighlightMenuItem(tmux, 2));
    ASSERT_TRUE(Press(tmux, "Enter", NavigationShown, "navigation"));
    ASSERT_TRUE(Press(tmux, "Right", Showing("Sector: L"), "sector 2 highlighted"));
    std::string const before = tmux.Text();

    tmux.Resize(79, 25);
    ASSERT_TRUE(tmux.WaitForText("The game needs a terminal of at least 80 x 25; this one is 79 x 25."))
        << tmux.Text();
    tmux.Resize(70, 20);
    ASSERT_TRUE(tmux.WaitForText("this one is 70 x 20.")) << tmux.Text();
    EXPECT_EQ(tmux.Text().find("Highlighted Selection"), std::string::npos) << "nothing of the game shows";
    tmux.Resize(80, 25);
    ASSERT_TRUE(tmux.WaitFor([&](std::string const& text) { return text == before; }))
        << "the same screen back\n"
        << tmux.Text();

    // The game went on where it was: the resizes were no keys, and keys act.
    ASSERT_TRUE(Press(tmux, "Right", Showing("Sector: V"), "sector 3 highlighted"));
    ASSERT_TRUE(Press(tmux, "Escape", MenuWith(tmux, "Navigate Mothership", 2), "the bridge's menu"));
    ASSERT_TRUE(Press(tmux, "Escape", OnDeckAt(" NAVIGATION:"), "the main deck"));
    EXPECT_EQ(tmux.Row(kDayRow).substr(0, 18), DayText(1));
}

TEST(GameAwayFromItsData, WithoutTheArtifactsFileTheCargoHoldCountsThemAndTheGameGoesOn) {
    REQUIRE_TMUX();
    char folder[] = "/tmp/mothership-elsewhere-XXXXXX";
    ASSERT_NE(mkdtemp(folder), nullptr);
    {
        Tmux tmux;
        ASSERT_TRUE(StartNewGame(tmux, folder));
        ASSERT_TRUE(Press(tmux, "Right", OnDeckAt(" RESEARCH:"), "the research station highlighted"));
        ASSERT_TRUE(Press(tmux, "Right", OnDeckAt(" CARGO:"), "the cargo hold highlighted"));
        ASSERT_TRUE(ChooseInRoom(tmux, "View your Artifacts", 1, Showing("Total Artifacts: 5"),
                                 "the artifacts, counted without the file"));
        ASSERT_TRUE(Press(tmux, "Escape", Showing("View your Artifacts"), "the cargo hold's menu again"));
        ASSERT_TRUE(Press(tmux, "Escape", OnDeckAt(" CARGO:"), "the main deck"));
        ASSERT_TRUE(Press(tmux, "Left", OnDeckAt(" RESEARCH:"), "the deck still moves"));
        EXPECT_EQ(tmux.Show("#{pane_dead}"), "0") << "the game is still running";
    }
    rmdir(folder);
}

}  // namespace
