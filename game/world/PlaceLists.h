// Sums and text dumps over the lists a place holds (the mothership or a bunker).
#pragma once

#include <climits>
#include <ostream>

#include "game/world/AirQueue.h"
#include "game/world/CrewQueue.h"

// Dock space the craft of a list take, as a wide sum that cannot overflow.
long long SumCraftSizes(AirQueue& craft);

// The count and a blank, then each of the first `most` entries followed by a blank.
void DumpCraftList(std::ostream& out, AirQueue& craft, int most = INT_MAX);
void DumpCrewList(std::ostream& out, CrewQueue& crew, int most = INT_MAX);
