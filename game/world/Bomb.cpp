#include "game/world/Bomb.h"

char const* BombName(Bomb bomb) {
    static char const* const kNames[kBombKinds] = {"FLACK", "Plasma Fusion Bomb", "Liquiferno Napalm Bomb",
                                                   "Neuronutralizer Gas"};
    return bomb >= 0 && bomb < kBombKinds ? kNames[bomb] : "BAD";
}
