#include <cstdio>
#include <gtest/gtest.h>
#include <random>
#include <string>

#include "tests/support/ScreenHarness.h"

#include "game/ui/ScrollList.h"
#include "platform/VirtualConsole.h"

namespace {

using testing_support::In;
using testing_support::Out;

// A table of "entry NN" rows.
struct Table {
    ListRow rows[40];
    Table() {
        for (int i = 0; i < 40; ++i) {
            std::snprintf(rows[i], kListRowSize, "entry %02d", i);
        }
    }
};

// The common window of these tests: 10 rows at (4, 6), 10 wide, bar in column 14.
struct Window {
    int x = 4;
    int y = 6;
    int width = 10;
    int visible = 10;
};

int List(Table const& t, int total, ScrollState& state, bool stepMode = false, bool sideKeys = false,
         bool drawOnly = false, Window w = {}) {
    return ScrollList(Out(), In(), t.rows, w.x, w.y, w.width, w.visible, total, sideKeys, state, drawOnly,
                      stepMode);
}

// Attributes of the window's rows (without the bar), one digit string per row.
std::string RowColours(con::VirtualConsole const& vc, Window w = {}) {
    std::string out;
    for (int i = 0; i < w.visible; ++i) {
        out += std::to_string(vc.AttrAt(w.x, w.y + i)) + (i + 1 < w.visible ? " " : "");
    }
    return out;
}

TEST(ScrollList, PagingThroughTwentyFiveEntriesInAWindowOfTen) {
    con::ScopedVirtualConsole vc;
    Table t;
    ScrollState state;
    vc->PageDown().PageDown().Enter();
    EXPECT_EQ(List(t, 25, state), 15);
    EXPECT_EQ(state.top, 15);
    EXPECT_EQ(state.offset, 0);
    EXPECT_EQ(vc->Picture(4, 6, 11, 10),
              "entry 15  ↑\n"
              "entry 16  ░\n"
              "entry 17  ░\n"
              "entry 18  ░\n"
              "entry 19  ░\n"
              "entry 20  ░\n"
              "entry 21  ■\n"
              "entry 22  ░\n"
              "entry 23  ░\n"
              "entry 24  ▬");
    EXPECT_EQ(RowColours(*vc), "241 15 15 15 15 15 15 15 15 15");

    vc->PageUp().Enter();
    EXPECT_EQ(List(t, 25, state), 5);
    EXPECT_EQ(state.top, 5);
    EXPECT_EQ(state.offset, 0);
    EXPECT_EQ(vc->Picture(4, 6, 11, 10),
              "entry 05  ↑\n"
              "entry 06  ░\n"
              "entry 07  ■\n"
              "entry 08  ░\n"
              "entry 09  ░\n"
              "entry 10  ░\n"
              "entry 11  ░\n"
              "entry 12  ░\n"
              "entry 13  ░\n"
              "entry 14  ↓");
    EXPECT_EQ(RowColours(*vc), "241 15 15 15 15 15 15 15 15 15");
}

TEST(ScrollList, PageDownKeepsTheCursorRowUntilTheLastWindow) {
    con::ScopedVirtualConsole vc;
    Table t;
    ScrollState state{0, 3};
    vc->PageDown().Enter();
    EXPECT_EQ(List(t, 35, state), 13);
    EXPECT_EQ(state.top, 10);
    EXPECT_EQ(state.offset, 3);
    vc->PageDown().Enter();
    EXPECT_EQ(List(t, 35, state), 23);
    EXPECT_EQ(state.top, 20);
    EXPECT_EQ(state.offset, 3);
    vc->PageDown().Enter();  // 30 is not below 35 - 10: the last window, cursor on its first row
    EXPECT_EQ(List(t, 35, state), 25);
    EXPECT_EQ(state.top, 25);
    EXPECT_EQ(state.offset, 0);
    vc->PageUp().PageUp().PageUp().Enter();
    EXPECT_EQ(List(t, 35, state), 0);
    EXPECT_EQ(state.top, 0);
}

TEST(ScrollList, ThumbStandsAtTheWindowsEndsForTheFirstAndLastEntry) {
    con::ScopedVirtualConsole vc;
    Table t;
    ScrollState state;
    vc->Enter();
    EXPECT_EQ(List(t, 25, state), 0);
    EXPECT_EQ(vc->Text(6, 14, 15), "■") << "the thumb covers the top cell";
    EXPECT_EQ(vc->Text(15, 14, 15), "↓");

    state = {15, 9};
    vc->Enter();
    EXPECT_EQ(List(t, 25, state), 24);
    EXPECT_EQ(vc->Text(6, 14, 15), "↑");
    EXPECT_EQ(vc->Text(15, 14, 15), "■") << "the thumb covers the bottom cell";

    state = {15, 8};  // entry 23 of 25: 23 x 10 / 25 = 9, the bottom row too
    vc->Enter();
    EXPECT_EQ(List(t, 25, state), 23);
    EXPECT_EQ(vc->Text(15, 14, 15), "■");
    EXPECT_EQ(vc->Text(14, 14, 15), "░");
}

TEST(ScrollList, AShortListPagesToItsEndsAndLeavesBlankRowsBelow) {
    con::ScopedVirtualConsole vc;
    vc->Fill('#', 7);
    Table t;
    ScrollState state;
    Window const w{2, 3, 9, 6};
    vc->PageDown().Enter();
    EXPECT_EQ(List(t, 4, state, false, false, false, w), 3);
    EXPECT_EQ(state.offset, 3);
    EXPECT_EQ(vc->Picture(2, 3, 11, 6),
              "entry 00 ▬#\n"
              "entry 01 ░#\n"
              "entry 02 ░#\n"
              "entry 03 ░#\n"
              "         ░#\n"
              "         ■#");
    EXPECT_EQ(RowColours(*vc, w), "15 15 15 241 15 15");
    vc->PageUp().Enter();
    EXPECT_EQ(List(t, 4, state, false, false, false, w), 0);
    EXPECT_EQ(state.offset, 0);
    EXPECT_EQ(vc->Text(8, 11, 12), "▬") << "the bottom cell of a short list is a bar end";
}

TEST(ScrollList, UpAndDownScrollTheWindowAtItsEdgesAndStopAtTheListsEnds) {
    con::ScopedVirtualConsole vc;
    Table t;
    ScrollState state;
    // Up on the first entry, Down ten times (the window scrolls once), Down on the last.
    vc->Up();
    for (int i = 0; i < 12; ++i) {
        vc->Down();
    }
    vc->Enter();
    EXPECT_EQ(List(t, 11, state), 10);
    EXPECT_EQ(state.top, 1);
    EXPECT_EQ(state.offset, 9);
    EXPECT_EQ(vc->Text(6, 4, 12), "entry 01");

    for (int i = 0; i < 10; ++i) {
        vc->Up();
    }
    vc->Enter();
    EXPECT_EQ(List(t, 11, state), 0);
    EXPECT_EQ(state.top, 0);
    EXPECT_EQ(state.offset, 0);
}

TEST(ScrollList, StepModeReturnsAfterEveryRecordReleasesIncluded) {
    con::ScopedVirtualConsole vc;
    Table t;
    ScrollState state;
    vc->Down().Up().Up().Enter().PageUp();
    EXPECT_EQ(List(t, 25, state, true), 1) << "the press";
    EXPECT_EQ(vc->AttrAt(4, 6), 241) << "the new highlight is not painted before returning";
    EXPECT_EQ(List(t, 25, state, true), 1) << "its release";
    EXPECT_EQ(vc->AttrAt(4, 7), 241) << "the next call paints the new highlight first";
    EXPECT_EQ(vc->AttrAt(4, 6), 15);
    EXPECT_EQ(List(t, 25, state, true), 0);
    EXPECT_EQ(List(t, 25, state, true), 0);
    EXPECT_EQ(List(t, 25, state, true), 0) << "Up on the first entry still answers";
    EXPECT_EQ(List(t, 25, state, true), 0);
    EXPECT_EQ(List(t, 25, state, true), kScrollStepEnter);
    EXPECT_EQ(List(t, 25, state, true), 0) << "the release of Enter answers the index";
    EXPECT_EQ(List(t, 25, state, true), 0);
    EXPECT_EQ(vc->ScriptLeft(), 0u);
}

TEST(ScrollList, EscapeLeftAndRightLeaveWithoutAHighlight) {
    con::ScopedVirtualConsole vc;
    Table t;
    ScrollState state;
    vc->Down().Down().Escape();
    EXPECT_EQ(List(t, 25, state), kScrollEscape);
    EXPECT_EQ(state.offset, 2);
    EXPECT_EQ(RowColours(*vc), "15 15 15 15 15 15 15 15 15 15");

    vc->Left().Right().Escape();
    EXPECT_EQ(List(t, 25, state), kScrollEscape) << "without side keys Left and Right do nothing";

    vc->Left();
    EXPECT_EQ(List(t, 25, state, false, true), kScrollLeft);
    EXPECT_EQ(RowColours(*vc), "15 15 15 15 15 15 15 15 15 15");
    vc->Right();
    EXPECT_EQ(List(t, 25, state, true, true), 2) << "the release of Left";
    EXPECT_EQ(List(t, 25, state, true, true), kScrollRight);
    EXPECT_EQ(RowColours(*vc), "15 15 15 15 15 15 15 15 15 15");
    EXPECT_EQ(state.offset, 2) << "the view is kept for the next visit";
}

TEST(ScrollList, DrawOnlyPaintsPlainRowsAndReadsNothing) {
    con::ScopedVirtualConsole vc;
    Table t;
    ScrollState state{3, 4};
    vc->Enter();
    EXPECT_EQ(List(t, 25, state, true, true, true), kScrollEscape);
    EXPECT_EQ(vc->ScriptLeft(), 1u);
    EXPECT_EQ(RowColours(*vc), "15 15 15 15 15 15 15 15 15 15");
    EXPECT_EQ(vc->Text(6, 4, 15), "entry 03  ↑");
    EXPECT_EQ(state.top, 3);
    EXPECT_EQ(state.offset, 4);
}

TEST(ScrollList, DrawOnlyWithAnEmptyTable) {
    con::ScopedVirtualConsole vc;
    vc->Fill('#', 7);
    Table t;
    ScrollState state;
    Window const w{2, 3, 6, 4};
    EXPECT_EQ(List(t, 0, state, false, false, true, w), kScrollEscape);
    EXPECT_EQ(vc->Picture(1, 2, 9, 6),
              "#########\n"
              "#      ▬#\n"
              "#      ░#\n"
              "#      ░#\n"
              "#      ■#\n"
              "#########");
    EXPECT_EQ(vc->Attributes(2, 3, 7, 1), "15 15 15 15 15 15 15");
}

TEST(ScrollList, AnEmptyListOutsideDrawOnlyHighlightsAndChoosesNothing) {
    con::ScopedVirtualConsole vc;
    Table t;
    ScrollState state{4, 7};
    Window const w{2, 3, 6, 4};
    vc->Down().PageDown().PageUp().Up().Enter().Escape();
    EXPECT_EQ(List(t, 0, state, false, false, false, w), kScrollEscape);
    EXPECT_EQ(state.top, 0);
    EXPECT_EQ(state.offset, 0);
    EXPECT_EQ(vc->Attributes(2, 3, 1, 4), "15\n15\n15\n15");
    EXPECT_EQ(vc->Text(6, 8, 9), "■");

    vc->Down().Enter();
    for (int record = 0; record < 3; ++record) {  // the release of Escape, Down and its release
        EXPECT_EQ(List(t, 0, state, true, true, false, w), kScrollNoEntry);
    }
    EXPECT_EQ(List(t, 0, state, true, true, false, w), kScrollStepEnter);
    vc->Left();
    EXPECT_EQ(List(t, 0, state, false, true, false, w), kScrollLeft) << "past the release of Enter";
    EXPECT_EQ(vc->ScriptLeft(), 0u);
}

TEST(ScrollList, AStoredViewBeyondTheListIsBroughtBackWithinIt) {
    con::ScopedVirtualConsole vc;
    Table t;
    ScrollState state{20, 5};  // entry 25, from before the list shrank to 8
    vc->Enter();
    EXPECT_EQ(List(t, 8, state), 7);
    EXPECT_EQ(state.top, 0);
    EXPECT_EQ(state.offset, 7);

    state = {12, 3};  // entry 15 of a list of 18: the window moves up, the entry stays
    vc->Enter();
    EXPECT_EQ(List(t, 18, state), 15);
    EXPECT_EQ(state.top, 8);
    EXPECT_EQ(state.offset, 7);
    EXPECT_EQ(vc->Text(6, 4, 12), "entry 08");

    state = {0, 14};  // an offset past the window: its last row
    vc->Enter();
    EXPECT_EQ(List(t, 25, state), 9);
    EXPECT_EQ(state.offset, 9);

    state = {-3, -2};
    vc->Enter();
    EXPECT_EQ(List(t, 25, state), 0);
    EXPECT_EQ(state.top, 0);
    EXPECT_EQ(state.offset, 0);
}

TEST(ScrollList, RandomKeysNeverLeaveTheListOrTheWindow) {
    std::mt19937 random(2024);
    uint16_t const keys[] = {con::VK_UP,   con::VK_DOWN,  con::VK_PRIOR,  con::VK_NEXT, con::VK_RETURN,
                             con::VK_LEFT, con::VK_RIGHT, con::VK_ESCAPE, 'A'};
    Table t;
    for (int round = 0; round < 300; ++round) {
        con::ScopedVirtualConsole vc;
        vc->Fill('#', 7);
        int const total = static_cast<int>(random() % 31);
        Window const w{3, 2, 12, 2 + static_cast<int>(random() % 14)};
        ScrollState state{static_cast<int>(random() % 40) - 5, static_cast<int>(random() % 20) - 3};
        for (int k = 0; k < 30; ++k) {
            vc->Press(keys[random() % std::size(keys)]);
        }
        bool const step = random() % 2 == 0;
        testing_support::RunScreen([&] {
            for (;;) {
                int const r = List(t, total, state, step, true, false, w);
                ASSERT_TRUE(r >= -5 && r < total) << r << " of " << total;
                ASSERT_GE(state.top, 0);
                ASSERT_LE(state.top, std::max(total - w.visible, 0));
                ASSERT_GE(state.offset, 0);
                ASSERT_LT(state.offset, std::max(std::min(total, w.visible), 1));
            }
        });
        // Nothing outside the window and its bar was written.
        for (int row = 0; row < con::kRows; ++row) {
            for (int col = 0; col < con::kColumns; ++col) {
                bool const inside = row >= w.y && row < w.y + w.visible && col >= w.x && col <= w.x + w.width;
                if (!inside) {
                    ASSERT_EQ(vc->ByteAt(col, row), '#') << col << "," << row;
                }
            }
        }
    }
}

TEST(ScrollText, ShortTextIsWrittenUnpaddedAndWaitsForEscape) {
    con::ScopedVirtualConsole vc;
    vc->Fill('#', 7);
    Table t;
    vc->Down().Enter().Escape();
    ScrollText(Out(), In(), t.rows, 1, 1, 10, 4, 2);
    EXPECT_EQ(vc->ScriptLeft(), 0u);
    EXPECT_EQ(vc->Picture(1, 1, 11, 4),
              "entry 00###\n"
              "entry 01##░\n"
              "##########░\n"
              "###########");
}

TEST(ScrollText, LongTextScrollsWithArrowsAndPages) {
    con::ScopedVirtualConsole vc;
    Table t;
    vc->Down().Down().PageDown().PageDown().Up().Escape();
    ScrollText(Out(), In(), t.rows, 0, 0, 10, 4, 9);
    EXPECT_EQ(vc->Picture(0, 0, 11, 4),
              "entry 04  ↑\n"
              "entry 05  ░\n"
              "entry 06  ░\n"
              "entry 07  ↓");
}

}  // namespace
