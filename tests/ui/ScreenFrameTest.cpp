#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "tests/support/ScreenHarness.h"

#include "game/ui/ScreenFrame.h"
#include "game/world/Globals.h"
#include "platform/VirtualConsole.h"

namespace {

using testing_support::In;
using testing_support::Out;

// The two status rows on day 1 with the ship's starting stocks.
constexpr char kStartingDayRow[] =
    " DAY:    1 of 5500         ¢O$MI¢ ¢REDIT$: 5,000                                ";
constexpr char kStartingStockRow[] =
    " ▄    FUEL: 150,000           MATERIALS: 10,000            FOOD: 1,000        ▄ ";

// Every cell of a row in one attribute, or the first column that is not.
int FirstOtherAttr(con::VirtualConsole const& vc, int y, int x0, int x1, int attr) {
    for (int x = x0; x < x1; ++x) {
        if (vc.AttrAt(x, y) != attr) {
            return x;
        }
    }
    return -1;
}

void ExpectFrame(con::VirtualConsole const& vc, int color, std::string const& row0) {
    EXPECT_EQ(vc.Text(0), row0);
    EXPECT_EQ(FirstOtherAttr(vc, 0, 0, 80, color), -1);
    for (int y = 1; y <= 22; ++y) {
        SCOPED_TRACE("row " + std::to_string(y));
        EXPECT_EQ(vc.Text(y), std::string(80, ' '));
        EXPECT_EQ(FirstOtherAttr(vc, y, 0, 2, color), -1) << "left bar";
        EXPECT_EQ(FirstOtherAttr(vc, y, 2, 78, 15), -1) << "the screen's own cells";
        EXPECT_EQ(FirstOtherAttr(vc, y, 78, 80, color), -1) << "right bar";
    }
    EXPECT_EQ(vc.Text(23), kStartingDayRow);
    EXPECT_EQ(vc.Text(24), kStartingStockRow);
    // The bar covers row 23 up to the credits field's end and row 24 from
    // column 1 to 78; the rest is the cleared console.
    EXPECT_EQ(FirstOtherAttr(vc, 23, 0, 60, color), -1);
    EXPECT_EQ(FirstOtherAttr(vc, 23, 60, 80, 15), -1);
    EXPECT_EQ(vc.AttrAt(0, 24), 15);
    EXPECT_EQ(FirstOtherAttr(vc, 24, 1, 79, color), -1);
    EXPECT_EQ(vc.AttrAt(79, 24), 15);
}

TEST(ScreenFrame, ClearWithTheEscapeHint) {
    con::ScopedVirtualConsole vc;
    vc->Fill('#', 7);
    ClearScreen(Out(), 78, true);
    ExpectFrame(*vc, 78, "                     Press Escape To Return To Previous Menu                    ");
    EXPECT_FALSE(vc->Model().cursorInfo.visible);
    EXPECT_EQ(vc->Model().cursorInfo.size, 100u);
    EXPECT_EQ(vc->DroppedWrites(), 0) << "the bottom-right cell is never written";
}

TEST(ScreenFrame, ClearWithoutTheHintLeavesRowZeroBlank) {
    con::ScopedVirtualConsole vc;
    vc->Fill('#', 7);
    ClearScreen(Out(), 48, false);
    ExpectFrame(*vc, 48, std::string(80, ' '));
}

TEST(ScreenFrame, HideCursorPutsItAtTheTopLeft) {
    con::ScopedVirtualConsole vc;
    con::SetConsoleCursorPosition(Out(), con::Coord{40, 12});
    HideCursor(Out());
    EXPECT_EQ(vc->Cursor().X, 0);
    EXPECT_EQ(vc->Cursor().Y, 0);
    EXPECT_FALSE(vc->Model().cursorInfo.visible);
    EXPECT_EQ(vc->Model().cursorInfo.size, 100u);
}

TEST(StatusBar, StartingDayAndStocks) {
    con::ScopedVirtualConsole vc;
    vc->Fill('#', 7);
    DrawStatusBar(Out(), 32);
    // Day 1: three blanks and the digit in columns 6-9; credits from column 43,
    // blanks to column 59.
    EXPECT_EQ(vc->Picture(0, 23, 80, 2),
              " DAY:    1 of 5500         ¢O$MI¢ ¢REDIT$: 5,000            ####################\n"
              "#▄    FUEL: 150,000           MATERIALS: 10,000            FOOD: 1,000        ▄#");
    EXPECT_EQ(vc->Text(23, 6, 10), "   1");
    EXPECT_EQ(vc->Text(23, 43, 60), "5,000            ");
    // The cent signs are byte 155 of the console's glyphs.
    for (int x : {27, 32, 34}) {
        EXPECT_EQ(vc->ByteAt(x, 23), 155) << "column " << x;
    }
    EXPECT_EQ(vc->ByteAt(1, 24), 220);
    EXPECT_EQ(vc->ByteAt(78, 24), 220);
    EXPECT_EQ(vc->Text(24, 12, 21), "150,000  ");
    EXPECT_EQ(vc->Text(24, 41, 50), "10,000   ");
    EXPECT_EQ(vc->Text(24, 65, 74), "1,000    ");
    EXPECT_EQ(vc->Attributes(0, 24, 3, 1), "7 32 32");
}

TEST(StatusBar, ZeroNegativeAndTooWideStocks) {
    con::ScopedVirtualConsole vc;
    Mothership& ship = *Globals::GetMothership();
    ship.SetFuel(12345678);
    ship.SetMaterials(-40);
    ship.SetFood(0);
    DrawStatusBar(Out(), 78);
    EXPECT_EQ(vc->Text(24, 12, 21), "2,345,678") << "only the rightmost characters fit";
    EXPECT_EQ(vc->Text(24, 41, 50), "         ") << "a negative stock leaves its field blank";
    EXPECT_EQ(vc->Text(24, 65, 74), "0        ");
    EXPECT_EQ(vc->Text(24, 21, 41), "         MATERIALS: ") << "no field runs into its neighbour";
}

TEST(StatusBar, RefreshersReprintOneFieldInPlace) {
    con::ScopedVirtualConsole vc;
    ClearScreen(Out(), 78, false);
    Mothership& ship = *Globals::GetMothership();
    ship.ChangeFuel(400);
    ship.ChangeMaterials(-9600);
    ship.ChangeFood(-1000);
    RefreshFuel(Out(), 14);
    RefreshMaterials(Out(), 14);
    RefreshFood(Out(), 14);
    RefreshCredits(Out(), 14);
    EXPECT_EQ(vc->Text(24),
              " ▄    FUEL: 150,400           MATERIALS: 400               FOOD: 0            ▄ ");
    EXPECT_EQ(vc->Text(23), kStartingDayRow);
    EXPECT_EQ(vc->Attributes(11, 24, 11, 1), "78 14 14 14 14 14 14 14 14 14 78");
    EXPECT_EQ(vc->Attributes(40, 24, 11, 1), "78 14 14 14 14 14 14 14 14 14 78");
    EXPECT_EQ(vc->Attributes(64, 24, 11, 1), "78 14 14 14 14 14 14 14 14 14 78");
    EXPECT_EQ(vc->Attributes(42, 23, 19, 1), "78 14 14 14 14 14 14 14 14 14 14 14 14 14 14 14 14 14 15");
}

TEST(StatusBar, DayCountsUpRightAligned) {
    con::ScopedVirtualConsole vc;
    for (int i = 0; i < 122; ++i) {
        Globals::NextDay();
    }
    DrawStatusBar(Out(), 32);
    EXPECT_EQ(vc->Text(23, 0, 18), " DAY:  123 of 5500");
}

TEST(ResizeConsole, ShrinkingSetsTheWindowBeforeTheBuffer) {
    con::ScopedVirtualConsole vc;
    ASSERT_TRUE(con::SetConsoleScreenBufferSize(Out(), {100, 30}));
    vc->sizingLog.clear();
    ResizeConsole(Out(), 80, 25);
    EXPECT_EQ(vc->sizingLog, (std::vector<std::string>{"window 0,0-79,24", "buffer 80x25"}));
}

TEST(ResizeConsole, GrowingSetsTheBufferFirstAndKeepsTheWindowWithinTheLargest) {
    con::ScopedVirtualConsole vc;
    con::Rect const small{0, 0, 39, 9};
    ASSERT_TRUE(con::SetConsoleWindowInfo(Out(), true, &small));
    ASSERT_TRUE(con::SetConsoleScreenBufferSize(Out(), {40, 10}));
    vc->sizingLog.clear();
    ResizeConsole(Out(), 80, 25);
    EXPECT_EQ(vc->sizingLog, (std::vector<std::string>{"buffer 80x25", "window 0,0-79,24"}));

    // The virtual console's largest window is 80 x 25: a larger request gets
    // a larger buffer and the largest window.
    vc->sizingLog.clear();
    ResizeConsole(Out(), 100, 30);
    EXPECT_EQ(vc->sizingLog, (std::vector<std::string>{"buffer 100x30", "window 0,0-79,24"}));
}

TEST(ResizeConsole, AnEqualAreaIsLeftAsItIs) {
    con::ScopedVirtualConsole vc;
    ResizeConsole(Out(), 80, 25);
    EXPECT_TRUE(vc->sizingLog.empty());

    con::Rect const shorter{0, 0, 79, 19};
    ASSERT_TRUE(con::SetConsoleWindowInfo(Out(), true, &shorter));
    ASSERT_TRUE(con::SetConsoleScreenBufferSize(Out(), {100, 20}));
    vc->sizingLog.clear();
    ResizeConsole(Out(), 80, 25);
    EXPECT_TRUE(vc->sizingLog.empty()) << "100 x 20 has the area of 80 x 25";
    EXPECT_EQ(vc->Model().bufferSize.X, 100);
    EXPECT_EQ(vc->Model().bufferSize.Y, 20);
}

TEST(WaitForKey, AKeyPressedBeforeTheCallDoesNotCount) {
    con::ScopedVirtualConsole vc;
    vc->Type("a");
    ASSERT_EQ(con::_kbhit(), 1) << "the key waits in the input queue";
    vc->Type("b");
    WaitForKey(In());
    EXPECT_EQ(vc->ScriptLeft(), 0u) << "the wait took the key pressed after the call";
}

TEST(WaitForKey, AReleaseDoesNotEndTheWait) {
    con::ScopedVirtualConsole vc;
    con::KeyRecord release = con::VirtualConsole::RecordFor('x');
    release.keyDown = false;
    vc->Record(release);
    EXPECT_THROW(WaitForKey(In()), con::ScriptExhausted);

    vc->Record(release).Enter();
    WaitForKey(In());
    EXPECT_EQ(vc->ScriptLeft(), 0u);
}

}  // namespace
