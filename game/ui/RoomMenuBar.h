// The menus of the ship's rooms: five items down the right half of the screen,
// each a shaded bar joined to the frame's right side bar with the item's text
// on it. Item n (1-5) covers rows 4n - 3 to 4n + 1 from column 38; its text
// stands at (43, 4n).
#pragma once

#include <functional>

inline constexpr int kRoomMenuItems = 5;
// Text colours: the highlighted item blue on white, the others white on blue.
inline constexpr int kRoomMenuHighlight = 241;
inline constexpr int kRoomMenuNormal = 31;

// Paints item `item` (1-5) with its text in the colour. Texts are 27
// characters; a longer one is closed off by the bar's right end at column 70,
// and nothing of it goes past column 77, into the side bar. An item number
// outside 1-5 paints nothing.
void PaintRoomMenuItem(int item, char const* text, int colour);

// Paints item `item` (1-5) of a room in a colour: a room's own painter of it.
using RoomItemPaint = std::function<void(int item, int colour)>;

// Paints all five items, `selected` highlighted and the others plain.
void PaintRoomItems(RoomItemPaint const& paint, int selected);
