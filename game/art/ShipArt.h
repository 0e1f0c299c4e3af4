// The two pictures of the ship on the main deck: plain (hull, room boxes and
// the passages between them) and shielded (hull and passages only).
#pragma once

#include <string>

inline constexpr int kShipPictureRows = 19;
inline constexpr int kShipPictureColumns = 80;

// One row of a picture as 80 code page 437 bytes; a row outside the picture
// reads as an empty text.
std::string const& ShipPictureRow(bool shielded, int row);
