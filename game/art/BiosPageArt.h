// The personnel bios page: the two rules above and below the portrait, and the
// three buttons under it. Each picture is drawn at (0, 0), where it stands.
#pragma once

#include "game/art/CellArt.h"

namespace art {

extern CellArt const kBiosFrame;
extern CellArt const kBiosBackButton;
extern CellArt const kBiosMenuButton;
extern CellArt const kBiosNextButton;

}  // namespace art
