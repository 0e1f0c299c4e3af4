// The terrain tiles of the sub-sector grid and the blast frames the ion
// cannon grows over a tile. Every tile is 9 columns by 4 rows.
#pragma once

#include <array>

#include "game/art/CellArt.h"

namespace art {

inline constexpr int kTileWidth = 9;
inline constexpr int kTileHeight = 4;

extern CellArt const kFarmTile;
extern CellArt const kCityTile;
extern CellArt const kBaseTile;
extern CellArt const kMtnTile;
extern CellArt const kDesertTile;
// The Farm Land tile with plants and flowers set into its field.
extern CellArt const kFarmTile2;
extern CellArt const kRubbleTile;
extern CellArt const kUnknownTile;

extern CellArt const kBlastFrame1;
extern CellArt const kBlastFrame2;
extern CellArt const kBlastFrame3;
extern CellArt const kBlastFrame4;

// The Nuclear Wasteland tile: every cell a dark shade in a colour drawn from
// these, one draw per cell (Random(7), or Random(6) for the twin).
inline constexpr char kNukeGlyph = static_cast<char>(178);
inline constexpr std::array<int, 7> kNukeColours = {112, 96, 118, 106, 112, 96, 118};
inline constexpr std::array<int, 6> kNukeColours2 = {112, 96, 118, 118, 112, 96};

}  // namespace art
