// Random crew names in the style of each race, built from the tables in
// NameTables. Every draw goes through GameRand, in a fixed order per race.
#pragma once

#include "game/world/CrewType.h"

// Overwrites `name` (a crew member's name buffer of at least 20 chars) with a
// new name for the race; `female` matters to Grekkp, Probe and Human only.
// Races without a naming rule (invalid, Clucktillian, Blob and any value
// outside the table) leave the buffer as it is and draw nothing.
void MakeName(CrewType const& race, char* const name, bool const& female);
