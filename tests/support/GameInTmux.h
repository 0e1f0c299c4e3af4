// The game itself in tmux, walked through as a player would: a key is sent
// only once the last one's effect shows, because the game's screens read one
// key at a time and throw away what else was typed meanwhile.
#pragma once

#include <cctype>
#include <cstdlib>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "tests/support/Tmux.h"

#include "platform/Cp437.h"
#include "platform/TerminalConsole.h"

namespace testing_support {

using ScreenTest = std::function<bool(std::string const&)>;

// A shell command line that starts the game in `folder`: its data folder, or
// another to see how it does without its files.
inline std::string GameCommand(std::string const& folder = MOTHERSHIP_DATA_DIR) {
    return "sh -c " + Quote("cd " + Quote(folder) + " && exec " + Quote(MOTHERSHIP_BINARY));
}

inline bool TitleShown(std::string const& text) {
    for (char const* item : {"NEW GAME", "LOAD  GAME", "GAME OPTIONS", "VIEW CREDITS", "EXIT"}) {
        if (text.find(item) == std::string::npos) {
            return false;
        }
    }
    return true;
}

// Cells [x, x + width) of a row of the pane, glyphs joined; a cell the
// capture left out (blanks at a row's end) counts as a blank.
inline std::string CellText(Pane const& pane, int row, int x, int width) {
    std::string out;
    if (row < 0 || static_cast<std::size_t>(row) >= pane.size()) {
        return out;
    }
    std::vector<PaneCell> const& cells = pane[static_cast<std::size_t>(row)];
    for (int i = x; i < x + width && i >= 0; ++i) {
        out += static_cast<std::size_t>(i) < cells.size() ? cells[static_cast<std::size_t>(i)].glyph : " ";
    }
    return out;
}

inline bool Shows(std::string const& text, std::string const& wanted) {
    return text.find(wanted) != std::string::npos;
}

// The pane shows `wanted` somewhere.
inline ScreenTest Showing(std::string const& wanted) {
    return [wanted](std::string const& text) { return Shows(text, wanted); };
}

// Row `row` of the pane begins with `start`.
inline ScreenTest RowStartsWith(int row, std::string const& start) {
    return [row, start](std::string const& text) { return Tmux::RowOf(text, row).starts_with(start); };
}

// The cell at (x, y) shows in a console colour (background x 16 +
// foreground) as the terminal draws it: a lit column title (225), a
// highlighted row or item (241).
inline ScreenTest LitAt(Tmux const& tmux, int x, int y, int consoleColour) {
    return [&tmux, x, y, consoleColour](std::string const&) {
        Pane const pane = tmux.Cells();
        if (y < 0 || static_cast<std::size_t>(y) >= pane.size() || x < 0 ||
            static_cast<std::size_t>(x) >= pane[static_cast<std::size_t>(y)].size()) {
            return false;
        }
        PaneCell const& cell = pane[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)];
        return cell.foreground == con::AnsiColour(consoleColour & 15) &&
               cell.background == con::AnsiColour(consoleColour >> 4);
    };
}

// Waits until the pane passes `ready` and then stays still, so that the
// screen has reached the pane whole; a failure names the screen and shows the
// pane.
inline ::testing::AssertionResult AwaitScreen(Tmux const& tmux, ScreenTest const& ready,
                                              std::string const& what) {
    if (!tmux.WaitFor(ready)) {
        return ::testing::AssertionFailure() << "no " << what << "\n" << tmux.Text();
    }
    if (!tmux.WaitUntilStill() || !ready(tmux.Text())) {
        return ::testing::AssertionFailure() << what << " did not stay\n" << tmux.Text();
    }
    return ::testing::AssertionSuccess();
}

// Sends one tmux key and waits until the pane passes `ready`, and no more:
// for screens that never stand still (the title's running dots, the cannon's
// charge).
inline ::testing::AssertionResult PressUntil(Tmux const& tmux, std::string const& key,
                                             ScreenTest const& ready, std::string const& what) {
    tmux.Keys({key});
    if (!tmux.WaitFor(ready)) {
        return ::testing::AssertionFailure() << key << " did not lead to " << what << "\n" << tmux.Text();
    }
    return ::testing::AssertionSuccess();
}

// Sends one tmux key and waits until the pane passes `ready` and then stays
// still, so that the screen has reached the pane whole; a failure names the
// step and shows the pane. The game's screens read one key at a time and
// throw away what else was typed meanwhile, so the next key goes in only
// after this.
inline ::testing::AssertionResult Press(Tmux const& tmux, std::string const& key, ScreenTest const& ready,
                                        std::string const& what) {
    ::testing::AssertionResult const shown = PressUntil(tmux, key, ready, what);
    return shown ? AwaitScreen(tmux, ready, what) : shown;
}

// ---- The main deck -------------------------------------------------------------

constexpr int kDeckHeaderRow = 19;
constexpr int kDayRow = 23;
constexpr int kStockRow = 24;

// The deck with a room's description under the ship (" LIBRARY:") and the
// status bar.
inline ScreenTest OnDeckAt(std::string const& header) {
    return [header](std::string const& text) {
        return Tmux::RowOf(text, kDeckHeaderRow).starts_with(header) &&
               Shows(Tmux::RowOf(text, kStockRow), "FOOD:");
    };
}

// A stock on the status bar's second row ("FOOD: 1,000"), -1 if not shown.
inline long Stock(std::string const& row, std::string const& label) {
    std::size_t at = row.find(label + ": ");
    if (at == std::string::npos) {
        return -1;
    }
    long value = 0;
    for (at += label.size() + 2;
         at < row.size() && (row[at] == ',' || std::isdigit(static_cast<unsigned char>(row[at])) != 0);
         ++at) {
        if (row[at] != ',') {
            value = value * 10 + (row[at] - '0');
        }
    }
    return value;
}

// The status bar's first row begins " DAY:    2 of 5500".
inline std::string DayText(int day) {
    std::string number = std::to_string(day);
    return " DAY:" + std::string(5 - number.size(), ' ') + number + " of 5500";
}

// Starts the game (in its data folder unless told otherwise) and chooses NEW
// GAME: the ship on the main deck, the bridge highlighted.
inline ::testing::AssertionResult StartNewGame(Tmux& tmux, std::string const& folder = MOTHERSHIP_DATA_DIR) {
    tmux.Start(GameCommand(folder));
    if (!tmux.WaitFor(TitleShown)) {
        return ::testing::AssertionFailure() << "no title\n" << tmux.Text();
    }
    return Press(tmux, "Enter", OnDeckAt(" NAVIGATION:"), "the main deck");
}

// ---- The rooms' menus ------------------------------------------------------------

// The room menu's item (1-5) shown highlighted, 0 for none: its text cell
// at (43, 4n) is white behind.
inline int RoomMenuItem(Tmux const& tmux) {
    Pane const pane = tmux.Cells();
    for (int item = 1; item <= 5; ++item) {
        std::size_t const row = static_cast<std::size_t>(4 * item);
        if (row < pane.size() && pane[row].size() > 43 && pane[row][43].background == 15) {
            return item;
        }
    }
    return 0;
}

// A room's menu with one of its items and the last, and the highlight on
// item `highlighted`.
inline ScreenTest MenuWith(Tmux const& tmux, std::string const& itemText, int highlighted) {
    return [&tmux, itemText, highlighted](std::string const& text) {
        return Shows(text, itemText) && Shows(text, "Return to Main Deck") &&
               RoomMenuItem(tmux) == highlighted;
    };
}

// Moves a room menu's highlight down to `item`, a key at a time.
inline ::testing::AssertionResult HighlightMenuItem(Tmux const& tmux, int item) {
    for (int now = RoomMenuItem(tmux); now != item; ++now) {
        if (now < 1 || now > 5) {
            return ::testing::AssertionFailure() << "no room menu item highlighted\n" << tmux.Text();
        }
        ::testing::AssertionResult moved = Press(
            tmux, "Down", [&](std::string const&) { return RoomMenuItem(tmux) == now % 5 + 1; },
            "the next menu item");
        if (!moved) {
            return moved;
        }
    }
    return ::testing::AssertionSuccess();
}

// From the main deck with a room highlighted: into its menu (`firstItem` is
// the text of its first item), item `item` highlighted and chosen; the screen
// it leads to passes `ready`.
inline ::testing::AssertionResult ChooseInRoom(Tmux const& tmux, std::string const& firstItem, int item,
                                               ScreenTest const& ready, std::string const& what) {
    ::testing::AssertionResult step = Press(tmux, "Enter", MenuWith(tmux, firstItem, 1), "the room's menu");
    if (step) {
        step = HighlightMenuItem(tmux, item);
    }
    return step ? Press(tmux, "Enter", ready, what) : step;
}

// ---- The bridge -------------------------------------------------------------------------

inline bool NavigationShown(std::string const& text) {
    return Shows(text, "Highlighted Selection") && Shows(text, "Mothership's Destination") &&
           Shows(text, "Fuel Req:");
}

// The Super Ion Cannon's square grid and the fields beside it ("Sector: ???"
// for a square not mapped).
inline bool SquareGridShown(std::string const& text) {
    return Shows(text, "Known Enemy Pop:") && Shows(text, "╚═════════╩");
}

// ---- The end of the day -------------------------------------------------------------

// The text of the message area of the morning report's page on screen, each
// run of blanks one space.
inline std::string ReportPageText(std::string const& text) {
    std::string words;
    for (int row = 4; row <= 20; ++row) {
        for (char c : Tmux::RowOf(text, row)) {
            bool const blank = std::isspace(static_cast<unsigned char>(c)) != 0;
            if (!blank) {
                words += c;
            } else if (!words.empty() && words.back() != ' ') {
                words += ' ';
            }
        }
        if (!words.empty() && words.back() != ' ') {
            words += ' ';
        }
    }
    return words;
}

inline bool ReportShown(std::string const& text) {
    return Shows(text, "Corolla says, 'Good Morning captain, I have ") &&
           Tmux::RowOf(text, 22).starts_with("  Press ESCAPE to exit");
}

// The morning report's message count as its greeting gives it, -1 if the
// greeting does not read as it should.
inline int ReportCount(std::string const& text) {
    std::string const greeting = Tmux::RowOf(text, 2);
    std::string const start = "  Corolla says, 'Good Morning captain, I have ";
    if (!greeting.starts_with(start)) {
        return -1;
    }
    std::size_t const end = greeting.find(' ', start.size());
    if (end == std::string::npos) {
        return -1;
    }
    int const count = std::atoi(greeting.substr(start.size(), end - start.size()).c_str());
    std::string const rest = count == 1 ? " message for you.'" : " messages for you.'";
    return count > 0 && greeting.compare(end, rest.size(), rest) == 0 ? count : -1;
}

// In the library with "End Turn Factor 6" highlighted: Enter, Y to "End Day?",
// then every page of the morning report if there is news, and Escape back to
// the main deck. Gives the report's pages as one text ("" without a report).
inline ::testing::AssertionResult EndTheDay(Tmux const& tmux, int newDay, std::string& report) {
    report.clear();
    ::testing::AssertionResult step = Press(
        tmux, "Enter",
        [&](std::string const& text) {
            Pane const pane = tmux.Cells();
            // " No " (at 40, 11) black on white: the careful answer first.
            return Shows(text, "End Day?") && pane.size() > 11 && pane[11].size() > 41 &&
                   pane[11][41].background == 15;
        },
        "the question End Day? with No highlighted");
    if (!step) {
        return step;
    }
    ScreenTest const onDeck = [newDay](std::string const& text) {
        return OnDeckAt(" LIBRARY:")(text) && Tmux::RowOf(text, kDayRow).starts_with(DayText(newDay));
    };
    step = Press(
        tmux, "y", [&](std::string const& text) { return ReportShown(text) || onDeck(text); },
        "the morning report or the main deck");
    if (!step || !ReportShown(tmux.Text())) {
        return step;
    }
    std::string page = tmux.Text();
    int const count = ReportCount(page);
    if (count < 1) {
        return ::testing::AssertionFailure() << "the report's greeting\n" << page;
    }
    int const pages = (count + 5) / 6;
    report = ReportPageText(page);
    for (int p = 1; p < pages; ++p) {
        std::string const before = ReportPageText(page);
        bool const more = p + 1 < pages;
        step = Press(
            tmux, "Right",
            [&](std::string const& text) {
                // The arrows at (3, 21) and (71, 21) show a page before and after.
                std::string const arrows = Tmux::RowOf(text, 21);
                return Shows(arrows, con::Cp437ToUtf8(17)) && Shows(arrows, con::Cp437ToUtf8(16)) == more &&
                       (p == 1 || ReportPageText(text) != before);
            },
            "the report's page " + std::to_string(p + 1));
        if (!step) {
            return step;
        }
        page = tmux.Text();
        report += ReportPageText(page);
    }
    return Press(tmux, "Escape", onDeck, "the main deck on day " + std::to_string(newDay));
}

// From the main deck with the library highlighted: into its menu, "End Turn
// Factor 6" highlighted, and the day ended there as EndTheDay does.
inline ::testing::AssertionResult EndTheDayFromTheLibrary(Tmux const& tmux, int newDay, std::string& report) {
    ::testing::AssertionResult step =
        Press(tmux, "Enter", MenuWith(tmux, "End Turn Factor 6", 1), "the library's menu");
    if (step) {
        step = HighlightMenuItem(tmux, 2);
    }
    return step ? EndTheDay(tmux, newDay, report) : step;
}

// From the main deck with the bridge highlighted: over to the library, and
// the day ended there as EndTheDay does.
inline ::testing::AssertionResult EndTheDayFromTheBridge(Tmux const& tmux, int newDay, std::string& report) {
    ::testing::AssertionResult step = Press(tmux, "Right", OnDeckAt(" RESEARCH:"), "the research station");
    if (step) {
        step = Press(tmux, "Down", OnDeckAt(" LIBRARY:"), "the library on the deck");
    }
    return step ? EndTheDayFromTheLibrary(tmux, newDay, report) : step;
}

}  // namespace testing_support
