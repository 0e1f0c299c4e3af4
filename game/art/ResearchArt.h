// The research assignments' frame: the three column titles over the
// technology, share and description columns, and the totals box under them.
#pragma once

#include "game/art/CellArt.h"

namespace art {

// Drawn in one colour at (0, 0), where it stands: its top-left corner is
// (3, 1), its rows 1 to 22.
extern CellArt const kResearchFrame;

}  // namespace art
