// What is known of Earth, from the bridge: the whole sector map with each
// sector's mapped squares as a mini-map and the sectors holding a built
// bunker in yellow, and a sector's own view of its 4 x 4 squares. Both reveal
// as well: Space maps every square of the sector under the cursor, Enter in a
// sector's view maps the square under the cursor.
#pragma once

#include "platform/Console.h"

// Opens on sector 1; returns on Escape.
void GroundCampaignStatus(con::Handle hOut, con::Handle hIn);

// The squares of sector 1-24 with their tiles, the bunker's square marked;
// returns on Escape (at once for a sector off the map).
void ViewSector(con::Handle hOut, con::Handle hIn, int sector);
