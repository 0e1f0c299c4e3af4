// What is known of Earth, from the bridge: the whole sector map with each
// sector's mapped squares as a mini-map and the sectors holding a built
// bunker in yellow, and a sector's own view of its 4 x 4 squares. Both reveal
// as well: Space maps every square of the sector under the cursor, Enter in a
// sector's view maps the square under the cursor.
#pragma once

#include "game/screens/DeckRoom.h"
#include "platform/Console.h"

// Opens on sector 1; returns on Escape. The bridge's room is only handed on
// to the sector view, which does not need it either.
void GroundCampaignStatus(con::Handle hOut, con::Handle hIn, DeckRoom room);

// The squares of sector 1-24 with their tiles, the bunker's square marked;
// returns on Escape (at once for a sector off the map).
void ViewSector(con::Handle hOut, con::Handle hIn, DeckRoom room, int sector);

// ---- The screen of a sector's 4 x 4 squares, shared with the ion cannon and
// the capsule's bunker sites ---------------------------------------------------
// The grid stands at (2, 1), so the tile of square 0 at (3, 2); the square
// under the cursor is described at (45, 2) and (45, 3).
inline constexpr int kSquareGridX = 2;
inline constexpr int kSquareGridY = 1;
inline constexpr int kSquareTileX = kSquareGridX + 1;
inline constexpr int kSquareTileY = kSquareGridY + 1;
inline constexpr int kSquareFieldX = 45;
inline constexpr int kSquareFieldY = 2;

// Clears into the bridge's map frame and draws the grid with square 0
// highlighted and every square's tile.
void OpenSquareGrid(con::Handle hOut, int sector);
// A built bunker's square becomes mapped, and the bunker's marker (two bytes
// 240 in 79) stands on its tile, which keeps what it was drawn with. A sector
// off the map, or without a built bunker, is left as it is.
void MarkBunkerSquare(int sector);
// One pass of the grid screen: describes the square under the cursor, reads
// one key and, for an arrow, moves the cursor (wrapping) and its highlight.
// Returns the character of any other key press; 0 for arrows and releases.
char NextSquareGridKey(con::Handle hIn, int sector, int& cursor);
