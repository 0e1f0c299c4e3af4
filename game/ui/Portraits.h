// Portraits of the advisors and aliens, drawn with their top-left corner at
// column x, row y over whatever the screen shows: nothing is cleared first and
// nothing restored after. The pictures themselves are in game/art.
#pragma once

#include "game/ui/ColorFunctions.h"

// In colour, 40 x 17.
void Kryptal(int x, int y);
void Carolla(int x, int y);
void Emerson(int x, int y);
void UooFem(int x, int y);
void UooMale(int x, int y);

// Line drawings in white.
void Uberfleck(int x, int y);  // 40 x 13
void Hampster(int x, int y);   // 40 x 18, and one cell of its ninth row at column x + 40
void Cluck(int x, int y);      // 39 x 18
void Dobbs(int x, int y);      // 39 x 18

// Not drawn yet: these set the colour and move the cursor but paint nothing.
void Pinsky(int x, int y);
void Hyde(int x, int y);
void Nozawa(int x, int y);

// A dot at column 2, row 1 in the colour given.
void FrontLight(ColorCode color);
