// The docking bay: the room's menu, leading to the craft list, loading crew,
// aircraft missions and the space capsule.
#pragma once

#include "game/screens/DeckRoom.h"
#include "platform/Console.h"

// The room's menu loop; returns when the player leaves the room. The room the
// deck had highlighted is not read.
void DockingBayMenu(con::Handle hOut, con::Handle hIn, DeckRoom room);

// The five menu items in a colour: 241 highlighted, 31 plain.
void DockItemViewShips(int colour);
void DockItemLoad(int colour);
void DockItemMissions(int colour);
void DockItemCapsule(int colour);
void DockItemReturn(int colour);
