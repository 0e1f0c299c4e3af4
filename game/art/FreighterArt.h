// The Super Freighter as seen from the mothership: the hull, 23 rows across
// the whole screen, and the six places on board that the player picks from.
#pragma once

#include "game/art/CellArt.h"

namespace art {

// Plating in dark grey, outlines and joints in white, the engines' exhaust in
// light red and the stern's vent in dark red, drawn from the top-left corner.
extern CellArt const kFreighterHull;
inline constexpr int kFreighterHullRows = 23;

}  // namespace art

// The places, numbered 1-6 as the player moves between them: the auction
// house (top left), the cafe (top right), the bazaar (middle left), the
// mercenary market (middle right), the shuttle back to the mothership (bottom
// left) and the spacecraft showroom (bottom right).
inline constexpr int kFreighterPlaces = 6;
inline constexpr int kFreighterShuttle = 5;

// The picture of place 1-6, drawn at (0, 0) where it stands on the hull, in
// one colour; null for any other number.
art::CellArt const* FreighterPlace(int place);
