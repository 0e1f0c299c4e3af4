// The eight rooms of the ship, in the main deck's order.
#pragma once

enum class DeckRoom : int {
    Navigation = 0,  // the bridge
    Library = 1,
    Research = 2,
    Engineering = 3,
    Living = 4,
    Cargo = 5,
    Docking = 6,
    SuperFreighter = 7,
};

inline constexpr int kDeckRooms = 8;
