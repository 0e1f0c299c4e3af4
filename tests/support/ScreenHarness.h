// Running real screens on the virtual console until their key script ends,
// and reading what the rooms' menus show.
#pragma once

#include <gtest/gtest.h>
#include <string>
#include <utility>

#include "platform/VirtualConsole.h"

namespace testing_support {

// The handles the screens take (hOut and hIn), as the console hands them out.
inline con::Handle Out() { return con::GetStdHandle(con::STD_OUTPUT_HANDLE); }
inline con::Handle In() { return con::GetStdHandle(con::STD_INPUT_HANDLE); }

// Runs a screen (any callable). Returns true when it returned by itself, false
// when it was still waiting for keys after the script was used up.
template <class Screen>
bool RunScreen(Screen&& screen) {
    try {
        std::forward<Screen>(screen)();
        return true;
    } catch (con::ScriptExhausted const&) {
        return false;
    }
}

// Columns [x0, x1) of row y as the player reads them: without the blanks
// that pad them on the right.
inline std::string TrimmedText(con::VirtualConsole const& vc, int y, int x0 = 0, int x1 = con::kColumns) {
    std::string text = vc.Text(y, x0, x1);
    text.erase(text.find_last_not_of(' ') + 1);
    return text;
}

// ---- A room's menu ------------------------------------------------------------------
// Item n (1-5) shows its text at (43, 4n), 27 columns wide: blue on white
// where highlighted, white on blue elsewhere.

inline constexpr int kMenuItemLit = 241;
inline constexpr int kMenuItemPlain = 31;

inline std::string MenuItemText(con::VirtualConsole const& vc, int item) { return vc.Text(4 * item, 43, 70); }
inline int MenuItemColour(con::VirtualConsole const& vc, int item) { return vc.AttrAt(43, 4 * item); }

// The five items with their texts, item `highlighted` lit (0: none).
inline void ExpectRoomMenu(con::VirtualConsole const& vc, char const* const (&items)[5], int highlighted) {
    for (int item = 1; item <= 5; ++item) {
        EXPECT_EQ(MenuItemText(vc, item), items[item - 1]) << "item " << item;
        EXPECT_EQ(MenuItemColour(vc, item), item == highlighted ? kMenuItemLit : kMenuItemPlain)
            << "item " << item;
    }
}

}  // namespace testing_support
