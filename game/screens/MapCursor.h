// Keys on the map screens: where the arrow keys take a cursor on the sector
// map (1-24, six to a row) and on a sector's 4 x 4 grid of squares (0-15). Both wrap: Left and Right within
// the row, Up and Down from one edge of the map to the other.
#pragma once

#include <cstdint>
#include <functional>

#include "platform/Console.h"

// One key press on a map screen: an arrow is handed to `move` by its
// virtual-key code and gives 0; any other press gives its character (13
// Enter, 27 Escape, as a console that cannot be read does too); a release
// gives 0.
char ReadMapKey(con::Handle hIn, std::function<void(uint16_t arrow)> const& move);

// The sector an arrow key (by virtual-key code) moves to; any other key, or a
// sector outside 1-24, stays where it is.
int SectorAfterArrow(int sector, uint16_t virtualKey);
// The same on the grid of squares.
int SubSectorAfterArrow(int index, uint16_t virtualKey);

inline bool IsArrowKey(uint16_t virtualKey) {
    return virtualKey >= con::VK_LEFT && virtualKey <= con::VK_DOWN;
}
