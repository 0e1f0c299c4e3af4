// What the rooms' menus share besides their bar: the room opening on its
// first item, the highlight moving over the five items one key at a time, and
// the clear that leaves a room for the main deck.
#pragma once

#include <cstdint>

#include "game/ui/RoomMenuBar.h"
#include "platform/Console.h"

// A room's painter of one of its items: paints it on its bar in the colour.
using RoomItemPainter = void (*)(int colour);
// A room's five painters, items 1 to 5.
using RoomItemPainters = RoomItemPainter const[kRoomMenuItems];
// A room's items painted by its own painters (the table must outlive the
// result).
RoomItemPaint PaintWith(RoomItemPainters const& painters);

// A room as the player enters it: the cursor hidden, the room's frame with the
// Escape hint in yellow on red, and the menu with its first item highlighted.
void OpenRoomMenu(con::Handle hOut, RoomItemPaint const& paint);

// Up and Down (by virtual-key code) move the highlight one item, from 1 to 5
// and 5 to 1: the new item is painted highlighted and the item left plain.
// Returns whether the key was one of the two.
bool MoveRoomMenuHighlight(RoomItemPaint const& paint, int& selected, uint16_t virtualKey);

// One key of a room's menu: reads a key press and flushes what else waits; Up
// and Down move the highlight and are used up. Returns whether a key press is
// left in `key` for the room to act on (a console that cannot be read gives
// Escape).
bool ReadRoomMenuKey(con::Handle hIn, RoomItemPaint const& paint, int& selected, con::KeyRecord& key);

// Clears the console in white on black, as the main deck expects it.
void LeaveRoom();
