#include <gtest/gtest.h>
#include <string>

#include "tests/screens/ScreenSnapshot.h"
#include "tests/support/ScreenHarness.h"

#include "game/art/ShipArt.h"
#include "game/screens/MainDeck.h"
#include "game/screens/RoomTags.h"
#include "platform/VirtualConsole.h"

namespace {

using testing_support::Out;

TEST(ShipPicture, PlainPictureInWhiteWithTheCursorHidden) {
    con::ScopedVirtualConsole vc;
    vc->Fill('#', 78);
    DrawShipPicture(Out(), false, false);
    for (int y = 0; y < kShipPictureRows; ++y) {
        for (int x = 0; x < 80; ++x) {
            ASSERT_EQ(vc->ByteAt(x, y), static_cast<uint8_t>(ShipPictureRow(false, y)[x])) << x << "," << y;
            ASSERT_EQ(vc->AttrAt(x, y), 15);
        }
    }
    EXPECT_EQ(vc->Text(19), std::string(80, ' ')) << "the console was cleared";
    EXPECT_EQ(vc->AttrAt(0, 24), 15);
    EXPECT_FALSE(vc->Model().cursorInfo.visible);
    EXPECT_EQ(vc->Model().cursorInfo.size, 100u);
    EXPECT_EQ(vc->Text(16, 3, 22), std::string(19, ' ')) << "no freighter in orbit";
}

TEST(ShipPicture, ATagDrawnInWhiteOverThePlainPictureChangesNothing) {
    con::ScopedVirtualConsole vc;
    DrawShipPicture(Out(), false, false);
    ScreenSnapshot const picture(*vc);
    for (int room = 0; room < 7; ++room) {
        DrawRoomTag(static_cast<DeckRoom>(room), 15);
        EXPECT_TRUE(ScreenSnapshot(*vc).ChangedFrom(picture).empty()) << "room " << room;
        DrawRoomTag(static_cast<DeckRoom>(room), 14);
        std::vector<std::pair<int, int>> const changed = ScreenSnapshot(*vc).ChangedFrom(picture);
        EXPECT_FALSE(changed.empty());
        for (auto [x, y] : changed) {
            EXPECT_EQ(vc->AttrAt(x, y), 14) << "a highlight only recolours, room " << room;
        }
        DrawRoomTag(static_cast<DeckRoom>(room), 15);
    }
}

TEST(ShipPicture, TheFreighterInOrbitStandsInTheLowerLeftCorner) {
    con::ScopedVirtualConsole vc;
    DrawShipPicture(Out(), false, true);
    EXPECT_EQ(vc->Picture(3, 15, 19, 3),
              "╔═════════════════╗\n"
              "║ SUPER FREIGHTER ║\n"
              "╚═════════════════╝");
    EXPECT_EQ(vc->AttrAt(3, 15), 15);
}

TEST(ShipPicture, ShieldsShowAGreenHullWithWhiteRooms) {
    con::ScopedVirtualConsole vc;
    DrawShipPicture(Out(), true, false);
    EXPECT_EQ(vc->Text(7, 14, 46), "║ SCIENTIFIC RESEARCH STATION  ║");
    EXPECT_EQ(vc->AttrAt(14, 7), 15) << "room tags in white";
    EXPECT_EQ(vc->AttrAt(5, 9), 10) << "the hull in green";
    EXPECT_EQ(vc->ByteAt(18, 9), 223) << "passages stay";
    EXPECT_EQ(vc->AttrAt(18, 9), 10);
    // Apart from colours, the shielded ship with its tags looks like the plain one.
    ScreenSnapshot const shielded(*vc);
    DrawShipPicture(Out(), false, false);
    EXPECT_EQ(ScreenSnapshot(*vc).bytes, shielded.bytes);
}

TEST(RoomDescription, HeaderAndThreeLinesFillRows19To22) {
    con::ScopedVirtualConsole vc;
    vc->Fill('#', 7);
    DrawRoomDescription(DeckRoom::Navigation);
    EXPECT_EQ(vc->Text(19), " NAVIGATION:" + std::string(68, ' '));
    EXPECT_EQ(vc->Text(20, 2, 78),
              "This is the bridge of the super mothership. You can navigate the mothership ");
    EXPECT_EQ(vc->Text(22, 2, 78), "ground below." + std::string(63, ' '));
    for (int x = 0; x < 80; ++x) {
        EXPECT_EQ(vc->AttrAt(x, 19), 32);
        for (int y = 20; y <= 22; ++y) {
            EXPECT_EQ(vc->AttrAt(x, y), x < 2 || x >= 78 ? 32 : 128) << x << "," << y;
            EXPECT_NE(vc->ByteAt(x, y), '#');
        }
    }
    EXPECT_EQ(vc->Text(18), std::string(80, '#'));
    EXPECT_EQ(vc->Text(23), std::string(80, '#'));
}

TEST(RoomDescription, EachRoomCoversTheLastOneWhole) {
    con::ScopedVirtualConsole vc;
    DrawRoomDescription(DeckRoom::Library);  // the longest lines
    DrawRoomDescription(DeckRoom::Cargo);    // "more!" on its last line
    EXPECT_EQ(vc->Text(19), " CARGO:" + std::string(73, ' '));
    EXPECT_EQ(vc->Text(22, 2, 78), "more!" + std::string(71, ' '));
    DrawRoomDescription(DeckRoom::SuperFreighter);
    EXPECT_EQ(vc->Text(21, 2, 78),
              "recruit new mercinaries. You can also schmooz with the sleeze of the galaxy.");
    ScreenSnapshot const before(*vc);
    DrawRoomDescription(static_cast<DeckRoom>(9));
    EXPECT_TRUE(ScreenSnapshot(*vc).ChangedFrom(before).empty());
}

// Every cell of the deck plan is walked through the deck loop itself, in
// MainDeckLoopTest.cpp.
TEST(DeckMoves, OtherKeysAndUnknownRoomsStayPut) {
    EXPECT_EQ(DeckRoomAfterMove(DeckRoom::Research, con::VK_RETURN, true), DeckRoom::Research);
    EXPECT_EQ(DeckRoomAfterMove(DeckRoom::Research, con::VK_PRIOR, true), DeckRoom::Research);
    EXPECT_EQ(DeckRoomAfterMove(static_cast<DeckRoom>(12), con::VK_LEFT, true), static_cast<DeckRoom>(12));
}

}  // namespace
