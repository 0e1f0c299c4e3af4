// Pages of the title menu's family that the game does not show at present:
// the instructions, the end credits, the back story, the notice that loading
// is not there yet, and a blank framed screen. The first four only print
// over what the console shows; none waits for a key.
#pragma once

#include "platform/Console.h"

void ShowInstructions();
void ShowEndCredits();
void ShowBackStory();
void ShowLoadNotImplemented();
// Clears the console, hides the cursor at the top left and paints row 0 and
// two-column bars down both sides (rows 1 to 22) in the colour.
void ShowBlankScreen(con::Handle hOut, int colour);
