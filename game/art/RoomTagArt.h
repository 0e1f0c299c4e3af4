// The room tags of the main deck's ship picture: each room's double-lined
// box and label, as pieces printed at fixed cells. A tag leaves gaps where the
// picture's passages to the next room are.
#pragma once

#include <string>
#include <vector>

struct TagPiece {
    int x;
    int y;
    std::string bytes;  // code page 437
};

// Rooms are numbered as on the main deck: 0 bridge, 1 library, 2 research,
// 3 engineering, 4 living quarters, 5 cargo, 6 docking bay, 7 Super Freighter.
inline constexpr int kTaggedRooms = 8;

// The pieces of a room's tag; a number outside 0-7 has none.
std::vector<TagPiece> const& RoomTagPieces(int room);
