#include <gtest/gtest.h>
#include <map>
#include <string>

#include "tests/support/ScreenHarness.h"

#include "game/ui/RoomMenuBar.h"
#include "game/ui/ScreenFrame.h"
#include "platform/VirtualConsole.h"

namespace {

using testing_support::ExpectRoomMenu;
using testing_support::Out;

// A rectangle's colours as one letter a cell: '.' the cleared console (15),
// 'f' the frame (78), 's' the shades (65), 'h' the half blocks (4), 't' a
// plain item's text (31), 'H' a highlighted one (241), '?' anything else.
std::string Colours(con::VirtualConsole const& vc, int x, int y, int width, int height) {
    std::map<int, char> const letters = {{15, '.'}, {78, 'f'}, {65, 's'}, {4, 'h'}, {31, 't'}, {241, 'H'}};
    std::string out;
    for (int row = y; row < y + height; ++row) {
        if (row > y) {
            out += '\n';
        }
        for (int col = x; col < x + width; ++col) {
            auto const found = letters.find(vc.AttrAt(col, row));
            out += found != letters.end() ? found->second : '?';
        }
    }
    return out;
}

TEST(RoomMenuBar, OneItemOnTheRoomFrame) {
    con::ScopedVirtualConsole vc;
    ClearScreen(Out(), 78, false);
    PaintRoomMenuItem(2, "  Load Cargo And Crew      ", 31);
    // Columns 36-79 of rows 5-9: the bar reaches into the frame's right side
    // bar (columns 78-79).
    EXPECT_EQ(vc->Picture(36, 5, 44, 5),
              "                                            \n"
              "                                        ░   \n"
              "  ▄░░▒▒▓▓▓▓▓▓▓▓▓▓▓▓▓▓▓▓▓▓▓▓▓▓▓▓▓▓▓▒▒░░░░░   \n"
              "  ░▒▒▓▓  Load Cargo And Crew      ▓▓▒▒░░    \n"
              "  ▀░░▒▒▓▓▓▓▓▓▓▓▓▓▓▓▓▓▓▓▓▓▓▓▓▓▓▓▓▓▓▒▒░░      ");
    EXPECT_EQ(Colours(*vc, 36, 5, 44, 5),
              ".........................................fff\n"
              "........................................ssff\n"
              "..hsssssssssssssssssssssssssssssssssssssssff\n"
              "..ssssstttttttttttttttttttttttttttssssss..ff\n"
              "..hsssssssssssssssssssssssssssssssssss....ff");
    EXPECT_EQ(vc->ByteAt(38, 7), 220);
    EXPECT_EQ(vc->ByteAt(38, 9), 223);
    EXPECT_EQ(vc->Text(4, 2, 78), std::string(76, ' ')) << "nothing above the item's rows";
    EXPECT_EQ(vc->Text(10, 2, 78), std::string(76, ' ')) << "nothing below them";
}

TEST(RoomMenuBar, FiveItemsStackWithTheHighlightOnOne) {
    con::ScopedVirtualConsole vc;
    ClearScreen(Out(), 78, true);
    char const* const texts[kRoomMenuItems] = {"  View Ships in Dock       ", "  Load Cargo And Crew      ",
                                               "  Assign Aircraft Missions ", "  Launch Space Capsule     ",
                                               "  Return to Main Deck      "};
    PaintRoomItems([&texts](int item, int colour) { PaintRoomMenuItem(item, texts[item - 1], colour); }, 3);
    ExpectRoomMenu(*vc, texts, 3);
    for (int item = 1; item <= kRoomMenuItems; ++item) {
        int const r = 4 * item;
        SCOPED_TRACE("item " + std::to_string(item));
        EXPECT_EQ(vc->ByteAt(38, r - 1), 220);
        EXPECT_EQ(vc->ByteAt(38, r + 1), 223);
        // The bar below starts on the row under this one's lower edge: its
        // top cell at column 77 joins the side bar.
        EXPECT_EQ(vc->AttrAt(77, r - 3), 78);
    }
    EXPECT_EQ(vc->Text(0, 21, 60), "Press Escape To Return To Previous Menu") << "row 0 stays the frame's";
    EXPECT_EQ(vc->Text(22, 2, 78), std::string(76, ' ')) << "item 5's lower edge is row 21";

    // Moving the highlight repaints two items; the shades stay as they were.
    std::string const shades = vc->Picture(38, 1, 40, 21);
    PaintRoomMenuItem(3, texts[2], kRoomMenuNormal);
    PaintRoomMenuItem(4, texts[3], kRoomMenuHighlight);
    EXPECT_EQ(vc->Picture(38, 1, 40, 21), shades);
    EXPECT_EQ(vc->AttrAt(43, 12), 31);
    EXPECT_EQ(vc->AttrAt(69, 16), 241);
}

TEST(RoomMenuBar, ALongerTextIsClosedOffByTheBarsEnd) {
    con::ScopedVirtualConsole vc;
    ClearScreen(Out(), 78, false);
    PaintRoomMenuItem(4, "  Have Coffee with Emerson   ", 31);
    EXPECT_EQ(vc->Text(16, 38, 78), "░▒▒▓▓  Have Coffee with Emerson ▓▓▒▒░░  ");

    // However long a text is, it stops short of the side bar.
    PaintRoomMenuItem(1, "  A text far too long for any bar of a room menu", 31);
    EXPECT_EQ(vc->Text(4, 38, 80), "░▒▒▓▓  A text far too long for a▓▓▒▒░░ o  ");
    EXPECT_EQ(vc->Text(5, 0, 2), "  ");
    EXPECT_EQ(vc->AttrAt(0, 5), 78) << "nothing ran on into the next row";
}

TEST(RoomMenuBar, ItemsOutsideOneToFivePaintNothing) {
    con::ScopedVirtualConsole vc;
    vc->Fill('#', 7);
    std::string const before = vc->Dump();
    PaintRoomMenuItem(0, "  Nothing                  ", 31);
    PaintRoomMenuItem(6, "  Nothing                  ", 31);
    PaintRoomMenuItem(-2, "  Nothing                  ", 31);
    EXPECT_EQ(vc->Dump(), before);
    EXPECT_EQ(vc->RefusedPositions(), 0);
}

}  // namespace
