// The Yes/No answer of a question: " Yes " and " No " side by side on one row,
// No highlighted first. Left and Right move the highlight, Enter takes the
// highlighted answer, Y and N answer at once; every other key is ignored. The
// question itself is the caller's to print, and nothing is erased afterwards.
#pragma once

#include "platform/Console.h"

// " Yes " at (x, y) and " No " at (x + 6, y); true for yes.
bool AskYesNo(con::Handle hIn, int x, int y);
