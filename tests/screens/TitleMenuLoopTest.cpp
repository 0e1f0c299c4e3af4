// The title menu's loop as the player drives it on the virtual console.
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "tests/screens/ScreenSnapshot.h"
#include "tests/support/ScreenHarness.h"

#include "game/screens/MainDeck.h"
#include "game/screens/TitleMenu.h"
#include "game/world/Globals.h"
#include "platform/VirtualConsole.h"

namespace {

using testing_support::In;
using testing_support::Out;
using testing_support::RunScreen;
using Cell = std::pair<int, int>;

// Runs the title until its script is used up; the loop ends at the first
// poll after that.
bool RunTitle(con::VirtualConsole& vc) {
    vc.pollsAfterScript = 0;
    return RunScreen([] { MainMenu(In(), Out()); });
}

// The screen just before each scripted entry is taken, by the number of
// entries then left (0: after the last one was acted on).
struct BeforeEachKey {
    std::map<std::size_t, ScreenSnapshot> screens;
    explicit BeforeEachKey(con::VirtualConsole& vc) {
        vc.onWait = [this](con::VirtualConsole& console) {
            screens.try_emplace(console.ScriptLeft(), console);
        };
    }
};

// The cells the runners travel: the dotted frame round the menu.
bool OnFramePath(int x, int y) { return ((x == 2 || x == 39) && y >= 14 && y <= 24) || y == 14 || y == 24; }

std::set<Cell> ChangedOffTheFrame(ScreenSnapshot const& after, ScreenSnapshot const& before) {
    std::set<Cell> cells;
    for (Cell const& cell : after.ChangedFrom(before)) {
        if (!OnFramePath(cell.first, cell.second)) {
            cells.insert(cell);
        }
    }
    return cells;
}

std::set<Cell> CreditsPanelCells() {
    std::set<Cell> cells;
    for (int y = 15; y <= 23; ++y) {
        for (int x = 43; x <= 77; ++x) {
            cells.emplace(x, y);
        }
    }
    return cells;
}

// The colour of an item's text: 79 highlighted, 78 not.
uint16_t ItemColour(con::VirtualConsole const& vc, int item) {
    constexpr int kTextColumn[] = {0, 17, 16, 15, 15, 19};
    return vc.AttrAt(kTextColumn[item], 13 + 2 * item);
}

class TitleMenuLoop : public testing::Test {
protected:
    con::ScopedVirtualConsole vc;
};

TEST_F(TitleMenuLoop, TheTitleIsDrawnOverWhatTheConsoleShows) {
    vc->Fill('#', 7);
    EXPECT_FALSE(RunTitle(*vc));
    EXPECT_EQ(vc->Text(15, 3, 39), "░░░░░░░░░░░░░░NEW GAME░░░░░░░░░░░░░░");
    EXPECT_EQ(vc->Attributes(16, 15, 3, 1), "12 79 79");
    EXPECT_EQ(vc->Attributes(15, 17, 3, 1), "12 78 78");
    std::string dots;
    for (int i = 0; i < 38; ++i) {
        dots += "·";
    }
    EXPECT_EQ(vc->Text(14, 2, 40), dots) << "the dotted frame";
    EXPECT_EQ(vc->ByteAt(2, 20), 250);
    EXPECT_EQ(vc->AttrAt(2, 20), 8);
    EXPECT_EQ(vc->ByteAt(79, 0), '#') << "nothing cleared";
    EXPECT_EQ(vc->ByteAt(43, 15), '#') << "no credits panel";
}

TEST_F(TitleMenuLoop, TheFirstUpHighlightsExitAndDownComesBackLeavingTheCreditsAlone) {
    vc->Fill('#', 7);
    vc->Up();
    EXPECT_FALSE(RunTitle(*vc));
    EXPECT_EQ(ItemColour(*vc, 5), 79);
    EXPECT_EQ(ItemColour(*vc, 1), 78);
    EXPECT_EQ(vc->Text(23, 43, 78), std::string(35, '#'));

    vc->Up().Down();
    EXPECT_FALSE(RunTitle(*vc));
    EXPECT_EQ(ItemColour(*vc, 1), 79);
    EXPECT_EQ(ItemColour(*vc, 5), 78);
    EXPECT_EQ(vc->Text(15, 43, 78), std::string(35, '#'));
}

TEST_F(TitleMenuLoop, AKeyMovesTheHighlightOnceThoughItsReleaseFollows) {
    con::KeyRecord downUp{con::KEY_EVENT, false, con::VK_DOWN, 0};
    vc->Down().Record(downUp).Idle(3);
    EXPECT_FALSE(RunTitle(*vc));
    EXPECT_EQ(ItemColour(*vc, 1), 78);
    EXPECT_EQ(ItemColour(*vc, 2), 79);
    EXPECT_EQ(ItemColour(*vc, 3), 78);
}

TEST_F(TitleMenuLoop, MovingOntoViewCreditsShowsThePanelAndMovingOffBlanksExactlyIt) {
    vc->Fill('#', 7);
    BeforeEachKey screens(*vc);
    vc->Down().Down().Down().Down();  // 1 -> 2 -> 3 -> 4 -> 5
    EXPECT_FALSE(RunTitle(*vc));
    std::set<Cell> shown = ChangedOffTheFrame(screens.screens.at(1), screens.screens.at(2));
    std::set<Cell> blanked = ChangedOffTheFrame(screens.screens.at(0), screens.screens.at(1));
    // Apart from the two items whose colours changed:
    for (int y : {19, 21, 23}) {
        for (int x = 3; x <= 38; ++x) {
            shown.erase({x, y});
            blanked.erase({x, y});
        }
    }
    EXPECT_EQ(shown, CreditsPanelCells());
    EXPECT_EQ(blanked, CreditsPanelCells());
    for (Cell const& cell : CreditsPanelCells()) {
        EXPECT_EQ(vc->ByteAt(cell.first, cell.second), ' ');
        EXPECT_EQ(vc->AttrAt(cell.first, cell.second), 15);
    }
}

TEST_F(TitleMenuLoop, FromExitUpShowsTheCreditsAndUpAgainBlanksThem) {
    vc->Up().Up();  // 1 -> 5 -> 4
    EXPECT_FALSE(RunTitle(*vc));
    EXPECT_EQ(vc->Text(15, 43, 78), "GAME DESIGN             MIRA QUENBY");
    EXPECT_EQ(vc->AttrAt(43, 15), 14);
    vc->Up().Up().Up();  // 1 -> 5 -> 4 -> 3
    EXPECT_FALSE(RunTitle(*vc));
    for (int y = 15; y <= 23; ++y) {
        EXPECT_EQ(vc->Text(y, 43, 78), std::string(35, ' '));
    }
}

TEST_F(TitleMenuLoop, EnterOnLoadGameOptionsOrCreditsChangesNothing) {
    for (int item = 2; item <= 4; ++item) {
        con::ScopedVirtualConsole console;
        BeforeEachKey screens(*console);
        for (int i = 1; i < item; ++i) {
            console->Down();
        }
        console->Enter();
        EXPECT_FALSE(RunTitle(*console)) << "item " << item;
        EXPECT_TRUE(ChangedOffTheFrame(screens.screens.at(0), screens.screens.at(1)).empty())
            << "item " << item;
        EXPECT_EQ(ItemColour(*console, item), 79);
    }
}

TEST_F(TitleMenuLoop, AfterThirtyIdlePollsTheFirstRunnersMoveAndAfterSixHundredTheMarker) {
    TitleMenuState placed;
    SetUpBorderRunners(placed);
    BorderRunner const a = placed.chainA[0];
    BorderRunner const b = placed.chainB[0];
    std::map<int, ScreenSnapshot> atPoll;
    int polls = 0;
    vc->onWait = [&](con::VirtualConsole& console) {
        ++polls;
        if (polls == 1 || polls == 29 || polls == 30 || polls == 599 || polls == 600) {
            atPoll.try_emplace(polls, console);
        }
    };
    vc->Idle(600);
    EXPECT_FALSE(RunTitle(*vc));
    ASSERT_EQ(atPoll.size(), 5u);
    EXPECT_TRUE(atPoll.at(29).ChangedFrom(atPoll.at(1)).empty());
    std::vector<Cell> const moved = atPoll.at(30).ChangedFrom(atPoll.at(29));
    EXPECT_EQ(std::set<Cell>(moved.begin(), moved.end()), (std::set<Cell>{{a.x, a.y}}))
        << "the bullet covers a frame dot; the dot behind it is drawn where a dot already was";
    ScreenSnapshot const& thirty = atPoll.at(30);
    EXPECT_EQ(thirty.bytes[a.y * 80 + a.x], 249);
    EXPECT_EQ(thirty.attributes[a.y * 80 + a.x], 14);
    EXPECT_EQ(thirty.bytes[b.y * 80 + b.x], 250);
    EXPECT_EQ(thirty.attributes[b.y * 80 + b.x], 8);

    int const marker = 15 * 80 + 3;
    int const mirror = 15 * 80 + 38;
    EXPECT_EQ(atPoll.at(599).bytes[marker], 176);
    EXPECT_EQ(atPoll.at(600).bytes[marker], 178);
    EXPECT_EQ(atPoll.at(600).bytes[mirror], 178);
    EXPECT_EQ(atPoll.at(600).attributes[marker], 12);
}

TEST_F(TitleMenuLoop, NewGamePlaysUntilTheGameIsOverThenShowsTheTitleAgain) {
    Globals::SetGameOver(true);  // as a lost game leaves it
    std::vector<DeckRoom> entered;
    ScopedRoomScreens rooms([&](DeckRoom room) {
        entered.push_back(room);
        EXPECT_EQ(vc->Text(19, 0, 12), " NAVIGATION:") << "the ship was drawn with the bridge highlighted";
        Globals::SetGameOver(true);
    });
    vc->Enter().Enter();  // NEW GAME, then into the bridge, where the game ends
    EXPECT_FALSE(RunTitle(*vc));
    EXPECT_EQ(entered, std::vector<DeckRoom>{DeckRoom::Navigation}) << "NEW GAME cleared the flag";

    std::string emblem;
    {
        con::ScopedVirtualConsole fresh;
        DrawTitleEmblem(3, 1);
        emblem = fresh->Picture(0, 0, 80, 14);
    }
    EXPECT_EQ(vc->Picture(0, 0, 80, 14), emblem);
    EXPECT_EQ(ItemColour(*vc, 1), 79);
    EXPECT_EQ(ItemColour(*vc, 5), 78);
    EXPECT_EQ(vc->Text(20, 40, 80), std::string(40, ' ')) << "the ship's description is gone" << vc->Dump();
    EXPECT_EQ(vc->Text(23, 40, 80), std::string(40, ' ')) << "and its status bar";
    int dots = 0;
    for (int x = 2; x <= 39; ++x) {
        dots += vc->ByteAt(x, 24) == 250 ? 1 : 0;
    }
    EXPECT_LT(dots, 3) << "the frame comes back only as the runners pass";
}

TEST_F(TitleMenuLoop, ASecondGameCarriesOnWithTheFirstGamesWorld) {
    Mothership& ship = *Globals::GetMothership();
    SubSector& square = *Globals::GetMap()->GetSector(7)->GetSubSector(5, -1);
    int games = 0;
    ScopedRoomScreens rooms([&](DeckRoom) {
        ++games;
        if (games == 1) {  // the first game: a day passes, the ship changes, and the game is lost
            Globals::NextDay();
            ship.ChangeFood(-400);
            ship.GetCrewQueue()->enqueue(RACE_HUMAN, true);
            square.SetVisible();
        } else {
            EXPECT_EQ(Globals::GetDay(), 2);
            EXPECT_EQ(ship.GetFood(), 600);
            EXPECT_EQ(ship.GetCrewQueue()->GetTotal(), 34);
            EXPECT_EQ(ship.GetCrewQueue()->GetCrewNode(33)->crew.GetRace(), RACE_HUMAN);
            EXPECT_TRUE(square.GetVisible());
        }
        Globals::SetGameOver(true);
    });
    vc->Enter().Enter().Enter().Enter();  // NEW GAME into the bridge, twice
    EXPECT_FALSE(RunTitle(*vc));
    EXPECT_EQ(games, 2);
}

TEST_F(TitleMenuLoop, AfterAGameTheFrameComesBackBehindTheRunners) {
    ScopedRoomScreens rooms([](DeckRoom) { Globals::SetGameOver(true); });
    vc->Enter().Enter().Idle(13 * 30);  // a game, then one round of the thirteen runner pairs
    EXPECT_FALSE(RunTitle(*vc));
    // Each pair has left its bullet and, one cell behind it, a dark dot of the frame.
    int bullets = 0;
    int frameDots = 0;
    for (int y = 14; y <= 24; ++y) {
        for (int x = 2; x <= 39; ++x) {
            if (OnFramePath(x, y)) {
                bullets += vc->ByteAt(x, y) == 249 ? 1 : 0;
                frameDots += vc->ByteAt(x, y) == 250 && vc->AttrAt(x, y) == 8 ? 1 : 0;
            }
        }
    }
    EXPECT_EQ(bullets, 13);
    EXPECT_EQ(frameDots, 13);
}

TEST_F(TitleMenuLoop, EnterOnExitReturns) {
    vc->Down().Down().Down().Down().Enter().Down();
    EXPECT_TRUE(RunTitle(*vc));
    EXPECT_EQ(vc->ScriptLeft(), 1u);
    con::ScopedVirtualConsole again;
    again->Up().Enter();
    EXPECT_TRUE(RunTitle(*again));
}

}  // namespace
