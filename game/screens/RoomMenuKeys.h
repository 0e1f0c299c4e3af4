// What the rooms' menus share besides their bar: the room opening on its
// first item, the highlight moving over the five items one key at a time, and
// the clear that leaves a room for the main deck.
#pragma once

#include <cstdint>

#include "game/ui/RoomMenuBar.h"
#include "platform/Console.h"

// A room as the player enters it: the cursor hidden, the room's frame with the
// Escape hint in yellow on red, and the menu with its first item highlighted.
void OpenRoomMenu(con::Handle hOut, char const* const (&texts)[kRoomMenuItems]);

// Up and Down (by virtual-key code) move the highlight one item, from 1 to 5
// and 5 to 1: the new item is painted highlighted and the item left plain.
// Returns whether the key was one of the two.
bool MoveRoomMenuHighlight(char const* const (&texts)[kRoomMenuItems], int& selected, uint16_t virtualKey);

// Clears the console in white on black, as the main deck expects it.
void LeaveRoom();
