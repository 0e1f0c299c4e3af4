// The frame every room screen stands in: the console sized to 80 x 25 once at
// start-up, a clear that paints the hint line on row 0 and two-column side bars
// in the room's colour, and the two-row status bar on rows 23 and 24 with the
// day, the credits and the ship's fuel, materials and food. Rows 1 to 22
// between the side bars belong to the screen.
#pragma once

#include <cstdint>

#include "platform/Console.h"

// Sizes the console window and its buffer. The window is kept within the
// largest the console allows; the buffer takes the size as given. A buffer of
// the same area, whatever its shape, is left as it is.
void ResizeConsole(con::Handle hOut, int16_t columns, int16_t rows);

// Hides the cursor (full size, invisible) and puts it at (0, 0), as every
// screen does before it draws.
void HideCursor(con::Handle hOut);

// The console made ready for the game at start-up: white text, processed
// input only, 80 x 25, the cursor hidden at the top left.
void PrepareConsole(con::Handle hIn, con::Handle hOut);

// Clears the console in white on black, whatever colour the last drawing left
// set; the cursor goes to (0, 0).
void ClearInWhite();

// Clears the console in white on black, hides the cursor and paints row 0
// (the Escape hint, or blanks), the side bars of rows 1-22 and the status bar
// in the colour.
void ClearScreen(con::Handle hOut, int color, bool escapeHint);

// Rows 23 and 24: day, credits, fuel, materials and food, read afresh. The
// handle is not used.
void DrawStatusBar(con::Handle hOut, int color);

// Reprint one field of the status bar after its value changed, in the colour
// the bar was drawn in.
void RefreshFuel(con::Handle hOut, int color);
void RefreshMaterials(con::Handle hOut, int color);
void RefreshFood(con::Handle hOut, int color);
void RefreshCredits(con::Handle hOut, int color);

// Throws away whatever input waits, then waits for one key press (a release
// does not count).
void WaitForKey(con::Handle hIn);
