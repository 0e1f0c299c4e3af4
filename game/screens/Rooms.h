// The screens of the eight rooms, as the main deck enters them. Rooms 0 to 6
// take the output handle, the input handle and the room the deck had
// highlighted (which no room reads); the Super Freighter takes the input
// handle first.
#pragma once

#include "game/screens/BridgeMenu.h"
#include "game/screens/CargoHold.h"
#include "game/screens/DockingBayMenu.h"
#include "game/screens/Engineering.h"
#include "game/screens/Library.h"
#include "game/screens/LivingQuarters.h"
#include "game/screens/ResearchStation.h"
#include "game/screens/SuperFreighterMenu.h"
