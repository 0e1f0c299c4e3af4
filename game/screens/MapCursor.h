// Keys on the map screens: reading one key press, and where the arrow keys
// take a cursor on the sector map (1-24, six to a row) and on a sector's
// 4 x 4 grid of squares (0-15). Both wrap: Left and Right within the row, Up
// and Down from one edge of the map to the other.
#pragma once

#include <cstdint>

#include "platform/Console.h"

// Reads one input record and discards whatever else waits. True when it is a
// key press (releases and other records are false). When no record can be
// read at all the answer is an Escape press, so a screen waiting on a lost
// console leaves instead of spinning.
bool ReadKeyPress(con::Handle hIn, con::KeyRecord& record);

// The sector an arrow key (by virtual-key code) moves to; any other key, or a
// sector outside 1-24, stays where it is.
int SectorAfterArrow(int sector, uint16_t virtualKey);
// The same on the grid of squares.
int SubSectorAfterArrow(int index, uint16_t virtualKey);

inline bool IsArrowKey(uint16_t virtualKey) {
    return virtualKey >= con::VK_LEFT && virtualKey <= con::VK_DOWN;
}
