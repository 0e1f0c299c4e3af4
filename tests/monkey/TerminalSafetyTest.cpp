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

#include "tests/support/Tmux.h"

namespace {

using namespace testing_support;

// A shell command line that starts the game in that folder.
std::string GameIn(std::string const& folder) {
    return "sh -c " + Quote("cd " + Quote(folder) + " && exec " + Quote(MOTHERSHIP_BINARY));
}

std::string Game() { return GameIn(MOTHERSHIP_DATA_DIR); }

bool TitleShown(std::string const& text) {
    return text.find("NEW GAME") != std::string::npos && text.find("EXIT") != std::string::npos;
}

// The main deck with that room's description: its header on row 19.
std::function<bool(std::string const&)> DeckAt(char const* header) {
    return [header](std::string const& text) { return Tmux::RowOf(text, 19).starts_with(header); };
}

std::function<bool(std::string const&)> Shows(std::string const& wanted) {
    return [wanted](std::string const& text) { return text.find(wanted) != std::string::npos; };
}

// Screens drop keys that come while they are busy, as a player's keys come one
// at a time: each key is sent once the last one has shown.
void Press(Tmux& tmux, std::string const& key, std::function<bool(std::string const&)> const& shown,
           std::string const& what) {
    tmux.Keys({key});
    ASSERT_TRUE(tmux.WaitFor(shown)) << "after " << key << ": " << what << "\n" << tmux.Text();
}

// A room menu's item n (1-5) is highlighted: its text, at (43, 4n), stands on white.
bool RoomItemHighlighted(Tmux const& tmux, int item) {
    Pane const pane = tmux.Cells();
    std::size_t const row = static_cast<std::size_t>(4 * item);
    return row < pane.size() && pane[row].size() > 43 && pane[row][43].background == 15;
}

void ChooseRoomItem(Tmux& tmux, int item) {
    for (int n = 1; n < item; ++n) {
        tmux.Keys({"Down"});
        ASSERT_TRUE(tmux.WaitFor([&](std::string const&) { return RoomItemHighlighted(tmux, n + 1); }))
            << "item " << n + 1 << " highlighted\n"
            << tmux.Text();
    }
    tmux.Keys({"Enter"});
}

void ToTitle(Tmux& tmux) { ASSERT_TRUE(tmux.WaitFor(TitleShown)) << tmux.Text(); }

void TitleToBridgeMenu(Tmux& tmux) {
    ToTitle(tmux);
    Press(tmux, "Enter", DeckAt(" NAVIGATION:"), "the main deck on the bridge");
    Press(tmux, "Enter", Shows("Navigate Mothership"), "the bridge's menu");
    ASSERT_TRUE(tmux.WaitFor([&](std::string const&) { return RoomItemHighlighted(tmux, 1); }));
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
    ChooseRoomItem(tmux, 2);
    ASSERT_TRUE(tmux.WaitForText("Highlighted Selection")) << tmux.Text();
    Press(
        tmux, "Enter",
        [](std::string const& text) { return text.find("There is currently no") == std::string::npos; },
        "sector 1 chosen");
    Press(tmux, "Escape", Shows("Navigate Mothership"), "the bridge's menu again");
    Press(tmux, "Escape", DeckAt(" NAVIGATION:"), "the main deck");
    Press(tmux, "Right", DeckAt(" RESEARCH:"), "the research station highlighted");
    Press(tmux, "Down", DeckAt(" LIBRARY:"), "the library highlighted");
    Press(tmux, "Enter", Shows("Interglactanet"), "the library's menu");
    ChooseRoomItem(tmux, 2);
    ASSERT_TRUE(tmux.WaitForText("End Day?")) << tmux.Text();
    tmux.Keys({"y"});
    // The morning report, when the day brought news, is read through first.
    for (int page = 0; page < 10 && !tmux.WaitFor(DeckAt(" LIBRARY:")); ++page) {
        tmux.Keys({"Escape"});
    }
    ASSERT_TRUE(tmux.WaitFor(DeckAt(" LIBRARY:"))) << tmux.Text();
    Press(tmux, "Up", DeckAt(" RESEARCH:"), "the research station highlighted");
    Press(tmux, "Left", DeckAt(" NAVIGATION:"), "the bridge highlighted");
    Press(tmux, "Enter", Shows("Super Ion Cannon Control"), "the bridge's menu");
    ASSERT_TRUE(tmux.WaitFor([&](std::string const&) { return RoomItemHighlighted(tmux, 1); }));
    ChooseRoomItem(tmux, 4);
    ASSERT_TRUE(tmux.WaitFor([](std::string const& text) {
        return text.find("Super Ion Cannon Control") == std::string::npos;
    })) << "the square grid of sector 1\n"
        << tmux.Text();
    // The first shot leaves the square mapped, so the second plays the live
    // feed with its long charge, during which the game is ended.
    Press(tmux, "Enter", Shows("Fire Ion Cannon?"), "the Fire prompt");
    Press(tmux, "y", Shows("<<FIRE COMPLETED>>"), "the first shot");
    tmux.Keys({"x"});
    ASSERT_TRUE(tmux.WaitFor([](std::string const& text) {
        return text.find("CHARGING") == std::string::npos;
    })) << "the live feed closed\n"
        << tmux.Text();
    Press(tmux, "Enter", Shows("Fire Ion Cannon?"), "the Fire prompt");
    Press(tmux, "y", Charging, "the cannon charging");
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
            Game(), "EXIT",
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
    tmux.Start(Game());
    TitleToBridgeMenu(tmux);
    ChooseRoomItem(tmux, 2);
    ASSERT_TRUE(tmux.WaitForText("Highlighted Selection")) << tmux.Text();
    Press(tmux, "Right", Shows("Sector: L"), "sector 2 highlighted");
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
    Press(tmux, "Right", Shows("Sector: V"), "sector 3 highlighted");
    Press(tmux, "Escape", Shows("Navigate Mothership"), "the bridge's menu");
    Press(tmux, "Escape", DeckAt(" NAVIGATION:"), "the main deck");
    EXPECT_EQ(tmux.Row(23).substr(0, 18), " DAY:    1 of 5500");
}

TEST(GameAwayFromItsData, WithoutTheArtifactsFileTheCargoHoldNamesThemAndTheGameGoesOn) {
    REQUIRE_TMUX();
    char folder[] = "/tmp/mothership-elsewhere-XXXXXX";
    ASSERT_NE(mkdtemp(folder), nullptr);
    {
        Tmux tmux;
        tmux.Start(GameIn(folder));
        ToTitle(tmux);
        Press(tmux, "Enter", DeckAt(" NAVIGATION:"), "the main deck");
        Press(tmux, "Right", DeckAt(" RESEARCH:"), "the research station highlighted");
        Press(tmux, "Right", DeckAt(" CARGO:"), "the cargo hold highlighted");
        Press(tmux, "Enter", Shows("View your Artifacts"), "the cargo hold's menu");
        ASSERT_TRUE(tmux.WaitFor([&](std::string const&) { return RoomItemHighlighted(tmux, 1); }));
        Press(tmux, "Enter", Shows("Unknown Artifact"), "the artifacts, named without the file");
        EXPECT_NE(tmux.Text().find("Total Artifacts:"), std::string::npos);
        Press(tmux, "Escape", Shows("View your Artifacts"), "the cargo hold's menu again");
        Press(tmux, "Escape", DeckAt(" CARGO:"), "the main deck");
        Press(tmux, "Left", DeckAt(" RESEARCH:"), "the deck still moves");
        EXPECT_EQ(tmux.Show("#{pane_dead}"), "0") << "the game is still running";
    }
    rmdir(folder);
}

}  // namespace
