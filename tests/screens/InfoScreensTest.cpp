#include <gtest/gtest.h>
#include <string>

#include "tests/support/ScreenHarness.h"

#include "game/screens/InfoScreens.h"
#include "platform/VirtualConsole.h"

namespace {

using testing_support::Out;

TEST(InfoScreens, Instructions) {
    con::ScopedVirtualConsole vc;
    ShowInstructions();
    EXPECT_EQ(vc->Text(4, 2, 15), "Instructions:");
    EXPECT_EQ(vc->AttrAt(2, 4), 14);
    EXPECT_EQ(vc->Picture(2, 7, 30, 6),
              "Use Left Arrow to Move Left   \n"
              "Use Right Arrow to Move Right \n"
              "Use Down Arrow to Move Down   \n"
              "Use Up Arrow to Move Up       \n"
              "Use ESC Key to Exit out a Menu\n"
              "Use ENTER to Select a Option  ");
    EXPECT_EQ(vc->AttrAt(2, 12), 15);
}

TEST(InfoScreens, EndCreditsPairRolesWithNames) {
    con::ScopedVirtualConsole vc;
    ShowEndCredits();
    EXPECT_EQ(vc->Text(4, 2, 9), "CREDITS");
    char const* roles[] = {"PUBLISHER",          "EXECUTIVE PRODUCER", "PRODUCER",
                           "TECHNICAL DIRECTOR", "DESIGNER",           "ART DIRECTOR",
                           "PRODUCT MANAGER",    "LEAD TESTER",        "PROGRAMMERS"};
    for (int i = 0; i < 9; ++i) {
        int const row = 6 + 2 * i;
        std::string const role = roles[i];
        EXPECT_EQ(vc->Text(row, 2, 2 + static_cast<int>(role.size())), role);
        EXPECT_EQ(vc->AttrAt(2, row), 9);
        EXPECT_NE(vc->ByteAt(2, row + 1), ' ') << "a name under " << role;
        EXPECT_EQ(vc->AttrAt(2, row + 1), 15);
    }
}

TEST(InfoScreens, BackStoryRowsAndColours) {
    con::ScopedVirtualConsole vc;
    vc->Fill('#', 7);
    ShowBackStory();
    EXPECT_EQ(vc->Text(4, 2, 19), "BACK STORY PAGE 1");
    EXPECT_EQ(vc->AttrAt(2, 4), 14);
    EXPECT_EQ(vc->Text(12, 0, 4), "####") << "row 12 is left blank";
    EXPECT_EQ(vc->Text(13, 2, 55), "This is not the first time such a move has been made.");
    EXPECT_EQ(vc->AttrAt(2, 13), 14);
    for (int row = 6; row <= 23; ++row) {
        if (row != 12 && row != 13) {
            EXPECT_EQ(vc->AttrAt(2, row), 15) << row;
        }
        EXPECT_EQ(vc->ByteAt(78, row), '#') << "every line fits, row " << row;
    }
    EXPECT_EQ(vc->Text(24), std::string(80, '#'));
}

TEST(InfoScreens, LoadNotImplemented) {
    con::ScopedVirtualConsole vc;
    ShowLoadNotImplemented();
    EXPECT_EQ(vc->Text(4, 2, 26), "LOAD NOT IMPLIMENTED YET");
    EXPECT_EQ(vc->AttrAt(2, 4), 4);
    EXPECT_EQ(vc->Text(5, 2, 23), "HAHAA ... w00t! w00t!");
    EXPECT_EQ(vc->AttrAt(2, 5), 15);
}

TEST(InfoScreens, BlankScreenPaintsTheTopRowAndSideBars) {
    con::ScopedVirtualConsole vc;
    vc->Fill('#', 7);
    ShowBlankScreen(Out(), 78);
    for (int x = 0; x < 80; ++x) {
        EXPECT_EQ(vc->AttrAt(x, 0), 78);
        EXPECT_EQ(vc->ByteAt(x, 0), ' ');
    }
    for (int y = 1; y <= 22; ++y) {
        for (int x = 0; x < 80; ++x) {
            bool const bar = x < 2 || x >= 78;
            EXPECT_EQ(vc->AttrAt(x, y), bar ? 78 : 15) << x << "," << y;
            EXPECT_EQ(vc->ByteAt(x, y), ' ');
        }
    }
    EXPECT_EQ(vc->AttrAt(0, 23), 15);
    EXPECT_FALSE(vc->Model().cursorInfo.visible);
}

}  // namespace
