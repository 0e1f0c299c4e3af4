// The main deck: the ship picture cut into eight rooms, the description of
// the highlighted room, and the way the arrow keys lead from room to room.
#pragma once

#include <cstdint>

#include "game/screens/DeckRoom.h"
#include "platform/Console.h"

// Clears the console (hiding the cursor at the top left) and draws the ship:
// the plain picture in white, or with shields up the green hull with every
// room tag in white over it; then the Super Freighter's tag when the
// freighter is present.
void DrawShipPicture(con::Handle hOut, bool shielded, bool freighterPresent);

// The highlighted room's description on rows 19 to 22: the header in black on
// green, three lines in black on grey between green side cells. Every room's
// description fills the same cells, so the next one covers it whole.
void DrawRoomDescription(DeckRoom room);

// The room an arrow key (by its virtual-key code) leads to from `room`, or
// `room` itself when that key leads nowhere from there. The Super Freighter
// is reached from the library and left for it only while it is present.
DeckRoom DeckRoomAfterMove(DeckRoom room, uint16_t virtualKey, bool freighterPresent);
