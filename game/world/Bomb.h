// The kinds of bomb. A bomb has no state beyond its kind; each one takes
// 2000 units of its holder's cargo room.
#pragma once

enum Bomb : int {
    BOMB_FLACK = 0,
    BOMB_PLASMA_FUSION = 1,
    BOMB_LIQUIFERNO_NAPALM = 2,
    BOMB_NEURONUTRALIZER_GAS = 3,
};

inline constexpr int kBombKinds = 4;
inline constexpr int kBombCargo = 2000;

// The name the cargo hold lists a bomb under; "BAD" for a value outside the
// table.
char const* BombName(Bomb bomb);
