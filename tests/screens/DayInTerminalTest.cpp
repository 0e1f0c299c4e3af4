// A whole day of the real game in a terminal: from the title to the library,
// "End Day?" answered, the morning report read when there is news, and the
// main deck back on the next day.
#include <gtest/gtest.h>
#include <string>

#include "tests/support/GameInTmux.h"

namespace {

using namespace testing_support;

TEST(DayInTerminal, TheLibraryEndsTheDayAndTheDeckShowsDayTwo) {
    REQUIRE_TMUX();
    Tmux tmux;
    ASSERT_TRUE(StartNewGame(tmux));
    EXPECT_EQ(tmux.Row(kDayRow).substr(0, 18), DayText(1));
    std::string const stocksBefore = tmux.Row(kStockRow);

    ASSERT_TRUE(Press(tmux, "Right", OnDeckAt(" RESEARCH:"), "the research station"));
    ASSERT_TRUE(Press(tmux, "Down", OnDeckAt(" LIBRARY:"), "the library on the deck"));
    ASSERT_TRUE(Press(tmux, "Enter", MenuWith(tmux, "End Turn Factor 6", 1), "the library's menu"));
    for (char const* item :
         {"Interglactanet", "Personel Bios", "Summon Crew Member", "Return to Main Deck"}) {
        EXPECT_TRUE(Shows(tmux.Text(), item)) << item;
    }
    ASSERT_TRUE(HighlightMenuItem(tmux, 2));

    // Yes to "End Day?"; the morning report, when the day brought news, read
    // to its last page and left with Escape.
    std::string report;
    ASSERT_TRUE(EndTheDay(tmux, 2, report));
    std::string const text = tmux.Text();
    EXPECT_EQ(Tmux::RowOf(text, kDayRow).substr(0, 18), " DAY:    2 of 5500") << text;
    EXPECT_TRUE(Tmux::RowOf(text, kDeckHeaderRow).starts_with(" LIBRARY:")) << "back where the player left";
    EXPECT_TRUE(Shows(text, "SCIENTIFIC RESEARCH STATION")) << "the ship drawn again\n" << text;

    // A day in orbit with no destination and the shields down burns no fuel;
    // the crew ate.
    std::string const stocks = Tmux::RowOf(text, kStockRow);
    EXPECT_EQ(Stock(stocks, "FUEL"), Stock(stocksBefore, "FUEL")) << stocks;
    EXPECT_GE(Stock(stocks, "FOOD"), 0) << stocks;
    EXPECT_LT(Stock(stocks, "FOOD"), Stock(stocksBefore, "FOOD")) << stocks;
}

}  // namespace
