// Founding a bunker: the space capsule is loaded with crew from the ship (at
// most 20), food and materials (at most 20000 together, no more than the
// ship holds), sent to a sector and a permanent site there, and launched. The
// bunker is then built day by day by its crew. Leaving without a launch puts
// every member and every unit back on the ship.
#pragma once

#include "game/world/Bunker.h"
#include "platform/Console.h"

// The screen. The menu opens it only while a capsule is ready.
void LaunchSpaceCapsule(con::Handle hOut, con::Handle hIn);
// The crew aboard the capsule while its screen is open (the members taken
// off the ship until the launch or the way out); null when it is closed.
CrewQueue* LoadingCapsuleCrew();

// The framed clear with the Escape hint, the three tabs, the list columns, the
// cargo panel, the launch box and the crew card's box.
void DrawCapsuleFrame(con::Handle hOut);

// The capsule's target map. Returns the chosen sector (1-24) with its bunker
// site (0-15) in `site`: the site the sector's bunker already has, or one
// chosen on the sector's grid. 0 when nothing was chosen (`site` untouched).
int SelectCapsuleTarget(con::Handle hOut, con::Handle hIn, int* site);

// The sector's 4 x 4 grid of squares with their tiles; Enter takes a mapped
// square of Mountains, Desert, Rubble or ruins. Returns its index (0-15), or
// -1 after Escape.
int SelectBunkerSite(con::Handle hOut, con::Handle hIn, int sector);

// The bunker of a sector when it is built; null otherwise.
Bunker* GetBunkerOfSector(int sector);

// A map on which a sector holding craft is chosen, with the craft counts of
// sector 1's bunker. Returns the sector, 0 for the DOCK box, -1 after Escape.
int ChooseCraftSector(con::Handle hOut, con::Handle hIn);
