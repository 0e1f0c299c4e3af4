#include <array>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "tests/screens/ScreenSnapshot.h"
#include "tests/support/ScreenHarness.h"

#include "game/art/FreighterArt.h"
#include "game/screens/SuperFreighterMenu.h"
#include "game/world/Globals.h"
#include "platform/VirtualConsole.h"

namespace {

using testing_support::In;
using testing_support::Out;
using testing_support::RunScreen;

bool RunFreighter() {
    return RunScreen([] { SuperFreighterMenu(In(), Out()); });
}

// One cell of each place that is drawn in the place's colour.
struct PlaceCell {
    int x;
    int y;
};
constexpr std::array<PlaceCell, 7> kPlaceCell = {
    {{0, 0}, {7, 2}, {59, 3}, {18, 8}, {46, 8}, {4, 18}, {37, 14}}};

int PlaceColour(con::VirtualConsole& vc, int place) {
    return vc.AttrAt(kPlaceCell[static_cast<std::size_t>(place)].x,
                     kPlaceCell[static_cast<std::size_t>(place)].y);
}

// The colours of places 1-6 as the screen shows them.
std::vector<int> PlaceColours(con::VirtualConsole& vc) {
    std::vector<int> colours;
    for (int place = 1; place <= 6; ++place) {
        colours.push_back(PlaceColour(vc, place));
    }
    return colours;
}

TEST(FreighterPicture, PlacesStandWhereThePlayerLooksForThem) {
    con::ScopedVirtualConsole vc;
    DrawSuperFreighter(1);
    EXPECT_EQ(vc->Picture(7, 1, 20, 6),
              "    ╔══════════╗    \n"
              "╔═══╝          ╚═══╗\n"
              "║   ASTRONOMICAL   ║\n"
              "║  AUCTION  HOUSE  ║\n"
              "║                  ║\n"
              "╚══════════════════╝");
    EXPECT_EQ(vc->Picture(46, 8, 25, 4),
              "╔══════════╗ ╔══════════╗\n"
              "║          ╚═╝          ║\n"
              "║  MERCENARY    MARKET  ║\n"
              "╚═══════════════════════╝");
    EXPECT_EQ(vc->Picture(3, 17, 15, 4),
              "     ___       \n"
              " ___/[o]\\____  \n"
              "<____________>=\n"
              "   \\_/   \\_/   ");
    // The labels on their rows.
    EXPECT_EQ(vc->Text(4, 59, 73), "║   COSMIC   ║");
    EXPECT_EQ(vc->Text(5, 59, 73), "║    CAFE    ║");
    EXPECT_EQ(vc->Text(9, 18, 31), "║   BOB'S   ║");
    EXPECT_EQ(vc->Text(11, 18, 31), "║  BIZARRE  ║");
    EXPECT_EQ(vc->Text(13, 18, 31), "║  BAZAAR   ║");
    EXPECT_EQ(vc->Text(16, 37, 68), "║  SAL'S  SELECT  SPACECRAFT  ║");
    EXPECT_EQ(vc->Text(20, 37, 68), "╚══╝     ╚══╝     ╚══╝     ╚══╝");
    EXPECT_EQ(PlaceColours(*vc), (std::vector<int>{14, 15, 15, 15, 15, 15}));
}

TEST(FreighterPicture, EachPlaceKeepsToItsRowsAndItsOwnColour) {
    struct Rows {
        int first;
        int last;
    };
    constexpr std::array<Rows, 6> rows = {{{1, 6}, {2, 7}, {8, 14}, {8, 11}, {17, 20}, {13, 20}}};
    void (*const drawers[6])(int) = {DrawAuctionHouse,    DrawCosmicCafe,    DrawBizarreBazaar,
                                     DrawMercenaryMarket, DrawReturnShuttle, DrawSalsSpacecraft};
    for (int place = 1; place <= 6; ++place) {
        con::ScopedVirtualConsole vc;
        vc->Fill(1, 0x55);
        ScreenSnapshot const before(*vc);
        drawers[place - 1](12);
        auto const changed = ScreenSnapshot(*vc).ChangedFrom(before);
        ASSERT_FALSE(changed.empty());
        for (auto [x, y] : changed) {
            EXPECT_GE(y, rows[static_cast<std::size_t>(place - 1)].first) << "place " << place;
            EXPECT_LE(y, rows[static_cast<std::size_t>(place - 1)].last) << "place " << place;
            EXPECT_EQ(vc->AttrAt(x, y), 12);
        }
    }
}

TEST(FreighterPicture, HullInItsColoursAboveTheStatusBar) {
    con::ScopedVirtualConsole vc;
    vc->Fill(1, 0x55);
    DrawFreighterHull(0, 0);
    for (int y = 1; y <= 3; ++y) {
        EXPECT_EQ(vc->Text(y, 0, 2), "==");
        EXPECT_EQ(vc->AttrAt(0, y), 12) << "the exhaust";
    }
    EXPECT_EQ(vc->Text(10, 2, 16), std::string(14, '#'));
    for (int x = 2; x < 16; ++x) {
        EXPECT_EQ(vc->AttrAt(x, 10), 4);
    }
    int plating = 0;
    for (int y = 0; y < art::kFreighterHullRows; ++y) {
        for (int x = 0; x < 80; ++x) {
            uint8_t const byte = vc->ByteAt(x, y);
            if (byte == ':') {
                ++plating;
                EXPECT_EQ(vc->AttrAt(x, y), 8);
            } else if (byte == 219 || byte == 220 || byte == 223) {
                EXPECT_EQ(vc->AttrAt(x, y), 15) << "joints";
            }
        }
    }
    EXPECT_GT(plating, 300);
    for (int x = 0; x < 80; ++x) {
        EXPECT_EQ(vc->ByteAt(x, 23), 1);
        EXPECT_EQ(vc->ByteAt(x, 24), 1);
    }
}

TEST(FreighterPicture, ASelectionOutsideThePlacesShowsTheErrorLine) {
    con::ScopedVirtualConsole vc;
    DrawSuperFreighter(7);
    EXPECT_EQ(vc->Text(0, 0, 55), "BIG FAT ERROR ERROR ERROR ERROR ERROR ERROR ERROR ERROR");
    EXPECT_EQ(vc->AttrAt(0, 0), 14);
    EXPECT_EQ(vc->Text(10, 46, 71), std::string(25, ' ')) << "no places";
    EXPECT_EQ(vc->ByteAt(30, 3), '|') << "the hull";
}

TEST(FreighterMoves, TheWholeTable) {
    // Left, Up, Right, Down from places 1-6; 0 stays.
    constexpr std::array<std::array<int, 4>, 6> table = {{
        {0, 0, 2, 3},
        {1, 0, 0, 4},
        {0, 1, 4, 5},
        {3, 2, 0, 6},
        {0, 3, 6, 0},
        {5, 4, 0, 0},
    }};
    for (int place = 1; place <= 6; ++place) {
        for (int k = 0; k < 4; ++k) {
            int const expected = table[static_cast<std::size_t>(place - 1)][static_cast<std::size_t>(k)];
            EXPECT_EQ(FreighterPlaceAfterMove(place, static_cast<uint16_t>(con::VK_LEFT + k)),
                      expected == 0 ? place : expected)
                << "place " << place << " key " << k;
        }
        EXPECT_EQ(FreighterPlaceAfterMove(place, con::VK_RETURN), place);
    }
    EXPECT_EQ(FreighterPlaceAfterMove(9, con::VK_UP), 9);
}

TEST(FreighterScreen, OpensOnTheShuttleAndEnterBlinksItAndReturns) {
    con::ScopedVirtualConsole vc;
    std::vector<int> frames;
    vc->onSleep = [&frames](con::VirtualConsole& console, uint32_t ms) {
        EXPECT_EQ(ms, 80u);
        frames.push_back(console.AttrAt(4, 18));
    };
    vc->Idle(5).Enter();
    EXPECT_TRUE(RunFreighter());
    EXPECT_EQ(frames, (std::vector<int>{12, 14, 12, 14, 12, 14, 12}));
    EXPECT_EQ(vc->NowMs(), 560u) << "no pause but the blink";
    EXPECT_EQ(PlaceColour(*vc, 5), 12) << "left red";
    EXPECT_EQ(PlaceColours(*vc)[0], 15);
    EXPECT_EQ(vc->Text(23, 0, 10), " DAY:    1");
    EXPECT_EQ(vc->AttrAt(0, 23), 32);
    EXPECT_EQ(vc->AttrAt(40, 24), 32);
}

TEST(FreighterScreen, EscapeAndOtherKeysDoNothing) {
    con::ScopedVirtualConsole vc;
    vc->Escape().Type("x ").Press(con::VK_PRIOR);
    EXPECT_FALSE(RunFreighter()) << "still on the freighter";
    EXPECT_EQ(PlaceColours(*vc), (std::vector<int>{15, 15, 15, 15, 14, 15}));
    EXPECT_EQ(vc->NowMs(), 0u);
}

TEST(FreighterScreen, ArrowsFollowTheTableWithoutWrapping) {
    con::ScopedVirtualConsole vc;
    // From the shuttle: Up to 3, Up to 1, Right to 2, then Right and Up lead nowhere, Down to 4 and 6.
    vc->Up().Up().Right().Right().Up().Down().Down();
    EXPECT_FALSE(RunFreighter());
    EXPECT_EQ(PlaceColours(*vc), (std::vector<int>{15, 15, 15, 15, 15, 14}));
}

TEST(FreighterScreen, TheShuttleShowsGreenWhileTheShieldsAreUp) {
    {
        con::ScopedVirtualConsole vc;
        vc->Right();
        EXPECT_FALSE(RunFreighter());
        EXPECT_EQ(PlaceColour(*vc, 5), 15);
        EXPECT_EQ(PlaceColour(*vc, 6), 14);
    }
    Globals::GetMothership()->ToggleShields();
    con::ScopedVirtualConsole vc;
    vc->Right();
    EXPECT_FALSE(RunFreighter());
    EXPECT_EQ(PlaceColours(*vc), (std::vector<int>{15, 15, 15, 15, 10, 14}));
}

TEST(FreighterScreen, AChosenPlaceStaysRedUntilTheHighlightMovesOn) {
    con::ScopedVirtualConsole vc;
    vc->Up().Up().Enter();
    EXPECT_FALSE(RunFreighter()) << "only the shuttle leaves";
    EXPECT_EQ(PlaceColour(*vc, 1), 12);
    EXPECT_EQ(vc->NowMs(), 560u);

    con::ScopedVirtualConsole again;
    again->Up().Up().Enter().Right().Left().Down().Down().Enter();
    EXPECT_TRUE(RunFreighter());
    EXPECT_EQ(PlaceColours(*again), (std::vector<int>{15, 15, 15, 15, 12, 15}));
    EXPECT_EQ(again->NowMs(), 1120u);
}

}  // namespace
