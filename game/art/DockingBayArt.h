// The frames of the docking bay's screens, as the player sees them: the
// craft list, the loading and mission screens with their list columns, and
// the space capsule's lists, cargo panel and launch box. Each is drawn in one
// colour at (0, 0), where it stands.
#pragma once

#include "game/art/CellArt.h"

namespace art {

// The craft list: two small title boxes over the list and stats panes, and the
// message box under them. Its top-left corner is (3, 3).
extern CellArt const kCraftListFrame;
// Loading cargo and crew: four column titles, four list columns, the box under
// them. Its top-left corner is (3, 1).
extern CellArt const kLoadFrame;
// Aircraft missions: three column titles and columns. Its top-left corner is
// (3, 1).
extern CellArt const kMissionFrame;
// The space capsule: the CREW, ONBOARD and CARGO tabs, the LAUNCH tab and
// box, and the crew card's box. Its top-left corner is (3, 1).
extern CellArt const kCapsuleFrame;

}  // namespace art
