#include <functional>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "tests/screens/ScreenSnapshot.h"

#include "game/screens/MainDeck.h"
#include "game/screens/RoomTags.h"
#include "platform/VirtualConsole.h"

namespace {

// Box bytes by their code page 437 numbers, so the expected tags below are
// built the way the rooms' tags are described: corners and runs of bars.
std::string Run(int byte, int count) {
    return std::string(static_cast<std::size_t>(count), static_cast<char>(byte));
}
constexpr int kTopLeft = 201, kTopRight = 187, kBottomLeft = 200, kBottomRight = 188, kBar = 205, kSide = 186;
std::string B(int byte) { return Run(byte, 1); }

struct Piece {
    int x;
    int y;
    std::string bytes;
};

struct ExpectedTag {
    char const* name;
    std::function<void(int)> draw;
    std::vector<Piece> pieces;
};

std::vector<ExpectedTag> ExpectedTags() {
    return {
        {"navigation",
         DrawNavigationTag,
         {{3, 2, B(kTopLeft) + Run(kBar, 7) + B(kTopRight)},
          {3, 3, B(kSide) + "  NAV  " + B(kSide)},
          {3, 4, B(kSide) + "  COM  " + B(kSide)},
          {3, 5, B(kBottomLeft) + Run(kBar, 7) + B(kBottomRight)}}},
        {"library",
         DrawLibraryTag,
         {{13, 9, B(kTopLeft) + Run(kBar, 4)},
          {19, 9, Run(kBar, 3) + B(kTopRight)},
          {13, 10, B(kSide) + " LIBRARY" + B(kSide)},
          {13, 11, B(kBottomLeft) + B(kBar) + B(kTopRight) + "      " + B(kSide)},
          {13, 12, "  " + B(kBottomLeft) + Run(kBar, 6) + B(kBottomRight)}}},
        {"research",
         DrawResearchTag,
         {{14, 4, B(kTopLeft) + Run(kBar, 8) + B(kTopRight)},
          {14, 5, B(kSide) + Run(' ', 8) + B(kSide)},
          {14, 6, B(kSide) + Run(' ', 8) + B(kBottomLeft) + Run(kBar, 12)},
          {37, 6, Run(kBar, 8) + B(kTopRight)},
          {14, 7, B(kSide) + " SCIENTIFIC RESEARCH STATION  " + B(kSide)},
          {14, 8, B(kBottomLeft) + Run(kBar, 3)},
          {19, 8, Run(kBar, 26) + B(kBottomRight)}}},
        {"engineering",
         DrawEngineeringTag,
         {{25, 10, B(kTopLeft) + Run(kBar, 19) + B(kTopRight)},
          {25, 11, B(kSide) + "    ENGINEERING    " + B(kSide)},
          {25, 12, B(kBottomLeft) + Run(kBar, 19) + B(kBottomRight)}}},
        {"living quarters",
         DrawLivingQuartersTag,
         {{30, 1, B(kTopLeft) + Run(kBar, 13) + B(kTopRight)},
          {28, 2,
           B(kTopLeft) + B(kBar) + B(kBottomRight) + "   LIVING    " + B(kBottomLeft) + B(kBar) +
               B(kTopRight)},
          {26, 3,
           B(kTopLeft) + B(kBar) + B(kBottomRight) + "    QUARTERS     " + B(kBottomLeft) + B(kBar) +
               B(kTopRight)},
          {26, 4, B(kSide) + Run(' ', 21) + B(kSide)},
          {26, 5, B(kBottomLeft) + Run(kBar, 9)},
          {37, 5, Run(kBar, 11) + B(kBottomRight)}}},
        {"cargo",
         DrawCargoTag,
         {{48, 7, B(kTopLeft) + Run(kBar, 26) + B(kTopRight)},
          {48, 8, B(kSide) + "           CARGO          " + B(kSide)},
          {48, 9, B(kSide) + "           SPACE          " + B(kSide)},
          {48, 10, B(kBottomLeft) + Run(kBar, 13)},
          {63, 10, Run(kBar, 12) + B(kBottomRight)}}},
        {"docking bay",
         DrawDockingTag,
         {{48, 11, B(kTopLeft) + Run(kBar, 13)},
          {63, 11, Run(kBar, 12) + B(kTopRight)},
          {48, 12, B(kSide) + Run(' ', 26) + B(kSide)},
          {48, 13, B(kSide) + "        DOCKING BAY       " + B(kSide)},
          {48, 14, B(kSide) + Run(' ', 26) + B(kSide)},
          {48, 15, B(kBottomLeft) + Run(kBar, 26) + B(kBottomRight)}}},
        {"super freighter",
         DrawSuperFreighterTag,
         {{3, 15, B(kTopLeft) + Run(kBar, 17) + B(kTopRight)},
          {3, 16, B(kSide) + " SUPER FREIGHTER " + B(kSide)},
          {3, 17, B(kBottomLeft) + Run(kBar, 17) + B(kBottomRight)}}},
    };
}

std::set<std::pair<int, int>> CellsOf(std::vector<Piece> const& pieces) {
    std::set<std::pair<int, int>> cells;
    for (Piece const& piece : pieces) {
        for (std::size_t i = 0; i < piece.bytes.size(); ++i) {
            cells.emplace(piece.x + static_cast<int>(i), piece.y);
        }
    }
    return cells;
}

TEST(RoomTags, EachTagPaintsItsBoxAndLabelAndNothingElse) {
    for (ExpectedTag const& tag : ExpectedTags()) {
        con::ScopedVirtualConsole vc;
        vc->Fill('#', 7);
        ScreenSnapshot const before(*vc);
        tag.draw(14);
        for (Piece const& piece : tag.pieces) {
            for (std::size_t i = 0; i < piece.bytes.size(); ++i) {
                int const x = piece.x + static_cast<int>(i);
                EXPECT_EQ(vc->ByteAt(x, piece.y), static_cast<uint8_t>(piece.bytes[i]))
                    << tag.name << " at (" << x << ", " << piece.y << ")";
                EXPECT_EQ(vc->AttrAt(x, piece.y), 14) << tag.name;
            }
        }
        using Cells = std::set<std::pair<int, int>>;
        std::vector<std::pair<int, int>> const changed = ScreenSnapshot(*vc).ChangedFrom(before);
        EXPECT_EQ(Cells(changed.begin(), changed.end()), CellsOf(tag.pieces)) << tag.name;
    }
}

TEST(RoomTags, PassagesBetweenRoomsAreLeftUnpainted) {
    con::ScopedVirtualConsole vc;
    vc->Fill('#', 7);
    for (int room = 0; room < kDeckRooms; ++room) {
        DrawRoomTag(static_cast<DeckRoom>(room), 15);
    }
    // Library-research, research-living quarters, cargo-docking bay.
    for (auto [x, y] : {std::pair{18, 9}, {18, 8}, {36, 6}, {36, 5}, {62, 10}, {62, 11}}) {
        EXPECT_EQ(vc->ByteAt(x, y), '#') << "(" << x << ", " << y << ")";
    }
}

TEST(RoomTags, TheLibraryAsThePlayerSeesIt) {
    con::ScopedVirtualConsole vc;
    vc->Fill('.', 7);
    DrawLibraryTag(15);
    EXPECT_EQ(vc->Picture(12, 8, 12, 6),
              "............\n"
              ".╔════.═══╗.\n"
              ".║ LIBRARY║.\n"
              ".╚═╗      ║.\n"
              ".  ╚══════╝.\n"
              "............");
}

TEST(RoomTags, TheLivingQuartersAsThePlayerSeesIt) {
    con::ScopedVirtualConsole vc;
    vc->Fill('.', 7);
    DrawLivingQuartersTag(15);
    EXPECT_EQ(vc->Picture(25, 0, 25, 7),
              ".........................\n"
              ".....╔═════════════╗.....\n"
              "...╔═╝   LIVING    ╚═╗...\n"
              ".╔═╝    QUARTERS     ╚═╗.\n"
              ".║                     ║.\n"
              ".╚═════════.═══════════╝.\n"
              ".........................");
}

TEST(RoomTags, AnUnknownRoomHasNoTag) {
    con::ScopedVirtualConsole vc;
    vc->Fill('#', 7);
    ScreenSnapshot const before(*vc);
    DrawRoomTag(static_cast<DeckRoom>(8), 14);
    DrawRoomTag(static_cast<DeckRoom>(-1), 14);
    EXPECT_TRUE(ScreenSnapshot(*vc).ChangedFrom(before).empty());
}

TEST(RoomTags, EnteringARoomBlinksItsTagAndLeavesItRed) {
    con::ScopedVirtualConsole vc;
    std::vector<std::pair<uint16_t, uint32_t>> frames;  // tag colour at each pause, pause length
    vc->onSleep = [&frames](con::VirtualConsole& console, uint32_t ms) {
        frames.emplace_back(console.AttrAt(48, 7), ms);
    };
    uint64_t const start = vc->NowMs();
    BlinkRoomTag(DeckRoom::Cargo);
    std::vector<std::pair<uint16_t, uint32_t>> const expected = {{12, 80}, {14, 80}, {12, 80}, {14, 80},
                                                                 {12, 80}, {14, 80}, {12, 80}};
    EXPECT_EQ(frames, expected);
    EXPECT_EQ(vc->NowMs() - start, 560u);
    EXPECT_EQ(vc->AttrAt(75, 10), 12) << "the whole tag is left red";
    EXPECT_EQ(vc->AttrAt(60, 8), 12);
}

}  // namespace
