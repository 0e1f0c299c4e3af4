// The craft of a place listed by name, with the stats panel of the craft
// under the cursor beside them.
#pragma once

#include "platform/Console.h"

// The craft list of a place (0 the mothership's dock, 1-24 a sector's
// bunker). Returns the index of the craft chosen with Enter, or -1 after
// Escape or when the place has no craft (after a key).
int SelectAircraft(con::Handle hOut, con::Handle hIn, int location);

// The stats panel (columns 28-69, rows 6-16) of the craft at that index of the
// place's list: its name, stocks, crew, cargo, where it stands, where it goes
// and its mission. A craft that is not there leaves the panel blank.
void ShowCraftStats(int location, int index);

// Copies the name of the craft at that index of the place's list into `out`,
// which holds at least 20 characters; the empty text when there is no such
// craft.
void GetCraftName(int location, char* out, int index);
