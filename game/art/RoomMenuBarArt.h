// The shaded bar a room menu item stands on: a tab of light, medium and dark
// shades reaching from column 38 to the frame's right side bar, with half
// blocks in dark red at its left end. Both pictures are drawn at the bar's
// top-left cell, (38, 4n - 3) for item n; the item's text goes between them.
#pragma once

#include "game/art/CellArt.h"

namespace art {

// Column and row offset of the item's text from the bar's top-left cell.
inline constexpr int kRoomMenuTextDx = 5;
inline constexpr int kRoomMenuTextDy = 3;

// The bar down to the left end of the text row.
extern CellArt const kRoomMenuBar;
// The right end of the text row and the bar's lower edge, drawn after the
// text: the end closes the bar over a text that runs past 27 characters.
extern CellArt const kRoomMenuBarEnd;

}  // namespace art
