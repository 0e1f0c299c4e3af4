// The menu loop of a room: the room opens on its first item, Up and Down move
// the highlight round the five items, Enter chooses and Escape leaves. Each
// room says what its items do.
#pragma once

#include <functional>

#include "game/screens/RoomMenuKeys.h"
#include "game/ui/RoomMenuBar.h"
#include "platform/Console.h"

// The frame without the Escape hint and the five items, `selected` highlighted:
// how a room's menu comes back after one of its screens.
void RedrawRoomMenu(con::Handle hOut, RoomItemPaint const& paint, int selected);

// Opens the room and runs its menu, its items painted by `paint`. Enter calls
// `choose` with the highlighted item (1-5); the room is left when it returns
// false. Escape clears the console and leaves. After each move of the
// highlight `moved` (when given) is told the item now highlighted and the one
// left; it is told once as the room opens too, with item 1 highlighted and
// none (0) left.
void RunRoomMenu(con::Handle hOut, con::Handle hIn, RoomItemPaint const& paint,
                 std::function<bool(int item)> const& choose,
                 std::function<void(int now, int left)> const& moved = {});
