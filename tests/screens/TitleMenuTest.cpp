#include <gtest/gtest.h>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "tests/screens/ScreenSnapshot.h"

#include "game/screens/TitleMenu.h"
#include "platform/VirtualConsole.h"

namespace {

using Cell = std::pair<int, int>;

// A picture's lines with their trailing blanks cut, to compare with a literal.
std::string WithoutTrailingBlanks(std::string const& picture) {
    std::string out;
    std::size_t start = 0;
    while (start <= picture.size()) {
        std::size_t end = picture.find('\n', start);
        if (end == std::string::npos) {
            end = picture.size();
        }
        std::string line = picture.substr(start, end - start);
        line.erase(line.find_last_not_of(' ') + 1);
        out += (start == 0 ? "" : "\n") + line;
        start = end + 1;
    }
    return out;
}

bool Inside(int x, int y, int left, int top, int right, int bottom) {
    return x >= left && x <= right && y >= top && y <= bottom;
}

TEST(TitleEmblem, StaysWithinItsRowsAndColumns) {
    con::ScopedVirtualConsole vc;
    vc->Fill('#', 7);
    ScreenSnapshot const before(*vc);
    DrawTitleEmblem(3, 1);
    std::set<uint8_t> const letters = {' ', 179, 180, 191, 192, 195, 196, 217, 218};
    std::set<uint8_t> const blocks = {' ', 219, 220, 223};
    for (auto [x, y] : ScreenSnapshot(*vc).ChangedFrom(before)) {
        uint8_t const byte = vc->ByteAt(x, y);
        if (Inside(x, y, 51, 8, 71, 12)) {
            EXPECT_EQ(vc->AttrAt(x, y), 10);
            EXPECT_EQ(blocks.count(byte), 1u) << x << "," << y;
        } else {
            bool const upper = Inside(x, y, 3, 1, 72, 6);
            bool const lower = Inside(x, y, 3, 7, 45, 12);
            bool const tail = y == 13 && Inside(x, y, 29, 13, 44, 13);
            EXPECT_TRUE(upper || lower || tail) << "outside the emblem at " << x << "," << y;
            EXPECT_EQ(vc->AttrAt(x, y), 14);
            EXPECT_EQ(letters.count(byte), 1u) << x << "," << y;
        }
    }
    EXPECT_EQ(vc->Text(0), std::string(80, '#'));
    EXPECT_EQ(vc->Text(14), std::string(80, '#'));
}

TEST(TitleEmblem, ReadsAsTheGamesName) {
    con::ScopedVirtualConsole vc;
    DrawTitleEmblem(3, 1);
    EXPECT_EQ(WithoutTrailingBlanks(vc->Picture(3, 7, 69, 7)),
              "┌─┐┌─┐  ┌──┐  ┌────┐ ┌─┐┌─┐ ┌──┐ ┌──┐ ┌───┐\n"
              "│ ││ │ ┌┘┌┐└┐ │ ┌┐ │ │ ││ │ │ ┌┘ │ ┌┘ └┐ ┌┘          ▄▄███████▄▄\n"
              "│ └┘ │ │ └┘ │ │ └┘┌┘ │ ││ │ │ └┐ │ └┐  │ │      ▄▄█████████████████▄▄\n"
              "│ ┌┐ │ │ ┌┐ │ │ ┌┐└┐ └┐└┘┌┘ │ ┌┘ └┐ │  │ │      ▀▄▄██▄▄██▄▄██▄▄██▄▄█▀\n"
              "│ ││ │ │ ││ │ │ ││ │  └┐┌┘  │ └┐ ┌┘ │  │ │          ▄▀ ▄▄▄▄▄█▄ ▀▄\n"
              "└─┘└─┘ └─┘└─┘ └─┘└─┘   └┘   └──┘ └──┘  └─┤        ▄▀   █▀█▀██ ▀  ▀▄\n"
              "                          ───────────────┘");
    EXPECT_EQ(vc->Text(1, 3, 13), "┌─┐   ┌─┐ ") << "the M of MOTHERSHIP";
}

TEST(TitleItems, HighlightedNewGameBetweenRedShades) {
    con::ScopedVirtualConsole vc;
    DrawTitleItems(1);
    EXPECT_EQ(vc->Picture(3, 15, 36, 9),
              "░░░░░░░░░░░░░░NEW GAME░░░░░░░░░░░░░░\n"
              "                                    \n"
              "░░░░░░░░░░░░░LOAD  GAME░░░░░░░░░░░░░\n"
              "                                    \n"
              "░░░░░░░░░░░░GAME OPTIONS░░░░░░░░░░░░\n"
              "                                    \n"
              "░░░░░░░░░░░░VIEW CREDITS░░░░░░░░░░░░\n"
              "                                    \n"
              "░░░░░░░░░░░░░░░░EXIT░░░░░░░░░░░░░░░░");
    struct Row {
        int y;
        int shade;
        int textLength;
        int colour;
    };
    for (Row const row : {Row{15, 14, 8, 79}, Row{17, 13, 10, 78}, Row{19, 12, 12, 78}, Row{21, 12, 12, 78},
                          Row{23, 16, 4, 78}}) {
        for (int x = 3; x <= 38; ++x) {
            bool const text = x >= 3 + row.shade && x < 3 + row.shade + row.textLength;
            EXPECT_EQ(vc->AttrAt(x, row.y), text ? row.colour : 12) << x << "," << row.y;
        }
    }
}

TEST(TitleItems, EachDrawerTakesItsAnchorAndColour) {
    con::ScopedVirtualConsole vc;
    vc->Fill('#', 7);
    MainMenuItemExit(0, 0, 31);
    EXPECT_EQ(vc->Text(22, 0, 37), "░░░░░░░░░░░░░░░░EXIT░░░░░░░░░░░░░░░░#");
    EXPECT_EQ(vc->AttrAt(16, 22), 31);
    MainMenuItemLoadGame(1, 0, 31);
    EXPECT_EQ(vc->Text(16, 0, 38), "#░░░░░░░░░░░░░LOAD  GAME░░░░░░░░░░░░░#");
    ScreenSnapshot const before(*vc);
    DrawTitleItem(0, 79);
    DrawTitleItem(6, 79);
    EXPECT_TRUE(ScreenSnapshot(*vc).ChangedFrom(before).empty());
}

TEST(MenuFrame, DottedRectangleAroundTheItems) {
    con::ScopedVirtualConsole vc;
    vc->Fill('#', 7);
    ScreenSnapshot const before(*vc);
    DrawMenuFrame(2, 14);
    std::vector<Cell> const changed = ScreenSnapshot(*vc).ChangedFrom(before);
    EXPECT_EQ(changed.size(), 94u);
    for (auto [x, y] : changed) {
        EXPECT_TRUE(x == 2 || x == 39 || y == 14 || y == 24) << x << "," << y;
        EXPECT_EQ(vc->ByteAt(x, y), 250);
        EXPECT_EQ(vc->AttrAt(x, y), 8);
    }
}

TEST(BorderRunners, GoRoundTheFrameIn94Steps) {
    con::ScopedVirtualConsole vc;
    vc->Fill('#', 7);
    DrawMenuFrame(2, 14);
    BorderRunner runner{2, 14, 14};
    std::set<Cell> visited;
    for (int step = 0; step < kBorderPathLength; ++step) {
        visited.emplace(runner.x, runner.y);
        EXPECT_EQ(vc->ByteAt(runner.x, runner.y), 250) << "on the frame at " << runner.x << "," << runner.y;
        runner = StepBorderRunner(runner);
        EXPECT_EQ(runner.colour, 14);
    }
    EXPECT_EQ(visited.size(), 94u);
    EXPECT_EQ(runner.x, 2);
    EXPECT_EQ(runner.y, 14);
}

TEST(BorderRunners, TurnTheCornersClockwise) {
    auto step = [](int x, int y) {
        BorderRunner const next = StepBorderRunner({x, y, 8});
        return Cell{next.x, next.y};
    };
    EXPECT_EQ(step(2, 14), Cell(2, 15)) << "top-left, by the ordinary rules";
    EXPECT_EQ(step(2, 24), Cell(3, 24)) << "bottom-left";
    EXPECT_EQ(step(39, 24), Cell(39, 23)) << "bottom-right";
    EXPECT_EQ(step(39, 14), Cell(38, 14)) << "top-right";
    EXPECT_EQ(step(3, 14), Cell(2, 14));
    EXPECT_EQ(step(20, 24), Cell(21, 24));
    EXPECT_EQ(step(39, 20), Cell(39, 19));
}

TEST(BorderRunners, SetUpSpacesEachChainSevenStepsApart) {
    con::ScopedVirtualConsole vc;
    vc->Fill('#', 7);
    ScreenSnapshot const before(*vc);
    TitleMenuState state;
    SetUpBorderRunners(state);
    EXPECT_TRUE(ScreenSnapshot(*vc).ChangedFrom(before).empty()) << "nothing is drawn";
    for (int k = 0; k < kRunnersPerChain; ++k) {
        BorderRunner expected{2, 14, 14};
        for (int s = 0; s < 7 * (13 - k); ++s) {
            expected = StepBorderRunner(expected);
        }
        EXPECT_EQ(state.chainA[k].x, expected.x) << k;
        EXPECT_EQ(state.chainA[k].y, expected.y) << k;
        EXPECT_EQ(state.chainA[k].colour, 14);
        EXPECT_EQ(state.chainB[k].colour, 8);
        BorderRunner const behind = StepBorderRunner(state.chainB[k]);
        EXPECT_EQ(behind.x, state.chainA[k].x) << "chain B one cell behind, runner " << k;
        EXPECT_EQ(behind.y, state.chainA[k].y);
    }
    // Runner 0 is 91 steps on: three cells before the start, on the top row.
    EXPECT_EQ(state.chainA[0].x, 5);
    EXPECT_EQ(state.chainA[0].y, 14);
    // Runner 12 is 7 steps on, down the left side.
    EXPECT_EQ(state.chainA[12].x, 2);
    EXPECT_EQ(state.chainA[12].y, 21);
}

TEST(TitleAnimation, EveryThirtiethPassMovesTheNextPairOfRunners) {
    con::ScopedVirtualConsole vc;
    vc->Fill('#', 7);
    TitleMenuState state;
    SetUpBorderRunners(state);
    BorderRunner const a0 = state.chainA[0];
    BorderRunner const b0 = state.chainB[0];
    ScreenSnapshot const before(*vc);
    for (int pass = 0; pass < 29; ++pass) {
        AnimateTitle(state);
    }
    EXPECT_TRUE(ScreenSnapshot(*vc).ChangedFrom(before).empty());
    AnimateTitle(state);
    EXPECT_EQ(vc->ByteAt(a0.x, a0.y), 249);
    EXPECT_EQ(vc->AttrAt(a0.x, a0.y), 14);
    EXPECT_EQ(vc->ByteAt(b0.x, b0.y), 250);
    EXPECT_EQ(vc->AttrAt(b0.x, b0.y), 8);
    EXPECT_EQ(state.runnerIndex, 1);
    EXPECT_EQ(state.chainA[0].x, StepBorderRunner(a0).x);
    EXPECT_EQ(ScreenSnapshot(*vc).ChangedFrom(before).size(), 2u);
    for (int pass = 0; pass < 12 * 30; ++pass) {
        AnimateTitle(state);
    }
    EXPECT_EQ(state.runnerIndex, 0) << "after runner 12 comes runner 0 again";
}

TEST(TitleAnimation, TheMarkerSweepsEXITsShadesAndBack) {
    con::ScopedVirtualConsole vc;
    TitleMenuState state;
    state.selected = 5;
    DrawTitleItems(5);
    std::vector<int> positions;
    for (int step = 0; step < 32; ++step) {
        for (int pass = 0; pass < 600; ++pass) {
            AnimateTitle(state);
        }
        // Exactly one dark shade on each side: the marker and its mirror.
        std::vector<int> dark;
        for (int x = 3; x <= 38; ++x) {
            if (vc->ByteAt(x, 23) == 178) {
                dark.push_back(x);
            }
        }
        ASSERT_EQ(dark.size(), 2u) << "step " << step;
        EXPECT_EQ(dark[0] + dark[1], 41);
        positions.push_back(dark[0]);
    }
    std::vector<int> expected;
    for (int x = 3; x <= 18; ++x) {
        expected.push_back(x);
    }
    for (int x = 17; x >= 3; --x) {
        expected.push_back(x);
    }
    expected.push_back(4);
    EXPECT_EQ(positions, expected);
    EXPECT_EQ(vc->Text(23, 19, 23), "EXIT");
}

TEST(TitleAnimation, ThePassCountWrapsWithoutChangingTheRhythm) {
    con::ScopedVirtualConsole vc;
    TitleMenuState state;
    SetUpBorderRunners(state);
    state.passes = 599;
    AnimateTitle(state);
    EXPECT_EQ(state.passes, 600);
    EXPECT_EQ(vc->ByteAt(3, 15), 178) << "the 600th pass steps the marker";
    EXPECT_EQ(state.runnerIndex, 1) << "and moves runners";
    AnimateTitle(state);
    EXPECT_EQ(state.passes, 1);
    for (int pass = 0; pass < 29; ++pass) {
        AnimateTitle(state);
    }
    EXPECT_EQ(state.runnerIndex, 2) << "the 30th pass after the wrap moves the next pair";
}

TEST(TitleSelection, UpFromNewGameWrapsToExitLeavingTheCreditsAlone) {
    con::ScopedVirtualConsole vc;
    vc->Fill('#', 7);
    DrawTitleItems(1);
    TitleMenuState state;
    state.markerPosition = 9;
    state.markerPrevious = 8;
    MoveTitleSelection(state, -1);
    EXPECT_EQ(state.selected, 5);
    EXPECT_EQ(state.markerPosition, 3);
    EXPECT_EQ(state.markerPrevious, 3);
    EXPECT_EQ(vc->AttrAt(17, 15), 78);
    EXPECT_EQ(vc->AttrAt(19, 23), 79);
    EXPECT_EQ(vc->Text(15, 43, 78), std::string(35, '#'));
    MoveTitleSelection(state, +1);
    EXPECT_EQ(state.selected, 1);
    EXPECT_EQ(vc->AttrAt(17, 15), 79);
    EXPECT_EQ(vc->Text(15, 43, 78), std::string(35, '#'));
}

TEST(TitleSelection, TheCreditsPanelShowsOnlyWhileViewCreditsIsHighlighted) {
    con::ScopedVirtualConsole vc;
    vc->Fill('#', 7);
    DrawTitleItems(1);
    TitleMenuState state;
    state.selected = 3;
    DrawTitleItem(1, 78);
    DrawTitleItem(3, 79);
    ScreenSnapshot const menu(*vc);
    MoveTitleSelection(state, +1);  // 3 -> 4
    for (int y = 15; y <= 23; ++y) {
        for (int x = 43; x <= 77; ++x) {
            EXPECT_EQ(vc->AttrAt(x, y), 14) << x << "," << y;
        }
        EXPECT_EQ(vc->ByteAt(42, y), '#');
        EXPECT_EQ(vc->ByteAt(78, y), '#');
    }
    EXPECT_EQ(vc->Text(15, 43, 78), "GAME DESIGN             MIRA QUENBY");
    EXPECT_EQ(vc->ByteAt(43, 14), '#');
    EXPECT_EQ(vc->ByteAt(43, 24), '#');

    MoveTitleSelection(state, +1);  // 4 -> 5 clears it
    std::set<Cell> panel;
    for (int y = 15; y <= 23; ++y) {
        for (int x = 43; x <= 77; ++x) {
            panel.emplace(x, y);
            EXPECT_EQ(vc->ByteAt(x, y), ' ');
            EXPECT_EQ(vc->AttrAt(x, y), 15);
        }
    }
    for (auto [x, y] : ScreenSnapshot(*vc).ChangedFrom(menu)) {
        bool const itemRow = x >= 3 && x <= 38 && (y == 19 || y == 23);
        EXPECT_TRUE(panel.count({x, y}) == 1 || itemRow) << x << "," << y;
    }

    MoveTitleSelection(state, -1);  // 5 -> 4 shows it again
    EXPECT_EQ(vc->Text(23, 43, 78), "CATERING                  CANCELLED");
    MoveTitleSelection(state, -1);  // 4 -> 3 clears it
    EXPECT_EQ(vc->Text(23, 43, 78), std::string(35, ' '));
}

}  // namespace
