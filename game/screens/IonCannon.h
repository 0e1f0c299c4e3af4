// The Super Ion Cannon: from above a sector the captain picks one of its 16
// squares, confirms, and watches the shot on the live feed. The square turns
// to rubble with no one left, is mapped, a report waits for the morning, and
// the shot costs 50000 fuel; a shot that leaves the tank empty ends the game.
#pragma once

#include "platform/Console.h"

// The cannon's screen: refused in orbit; otherwise the grid of the sector
// below with the cursor on square 0. Returns on Escape or when a shot has
// ended the game (the game-over flag is then set).
void SuperIonCannonControl(con::Handle hOut, con::Handle hIn);

// "Fire Ion Cannon?" with No highlighted; true for yes. The prompt stays on
// the screen.
bool ConfirmFireIonCannon(con::Handle hOut, con::Handle hIn);

// Plays the shot at square `subsector` of the sector below, (gridX, gridY)
// being the tile origin of square 0, and applies it to the world (but takes no
// fuel: the control screen charges it). Returns after the captain pressed a
// key; false, with nothing shown or changed, when the ship is not above a
// sector or the square is not one of 0-15.
bool FireIonCannon(con::Handle hOut, con::Handle hIn, int subsector, int gridX, int gridY);

// The morning report of a shot at a square of the sector with that letter,
// by the square's land type before the shot, or as unknown when it was not
// mapped. The longest is 134 characters.
inline constexpr int kIonReportSize = 150;
void IonCannonReport(char (&report)[kIonReportSize], bool mapped, int landType, char sectorLetter);

inline constexpr int kIonShotFuel = 50000;
inline constexpr int kIonSpaceFuel = 100000;
