// The bridge screen where the captain chooses where the mothership goes: the
// sector map with its ORBIT box, the mini-maps, arrows on the ship's location
// (magenta) and destination (yellow), the chosen destination with its trip
// estimate, and the place under the cursor with its own. Enter stores the
// place as the destination; the ship moves at the end of the day.
#pragma once

#include <cstdint>

#include "game/screens/DeckRoom.h"
#include "platform/Console.h"

// Opens on sector 1; returns on Escape. The bridge hands on its room, which
// is not needed here.
void NavigateMothership(con::Handle hOut, con::Handle hIn, DeckRoom room);

// Where an arrow key takes the navigation cursor (1-24, or the ORBIT box).
// The ORBIT box lies under sectors 21 and 22 and, wrapping round, over
// sectors 3 and 4; leaving it goes back to the side it was entered from
// (fromLeft), and entering it sets that side. Left and Right do nothing on it.
int NavigationAfterArrow(int cursor, uint16_t virtualKey, bool& fromLeft);
