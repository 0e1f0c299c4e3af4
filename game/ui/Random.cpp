#include "game/ui/Random.h"

#include "game/world/GameRandom.h"

int Random(int n) {
    int const draw = GameRand();
    if (n < 1) {
        return 1;
    }
    // A scripted draw may be negative; keep the result within 1..n all the same.
    int const r = draw % n;
    return (r < 0 ? r + n : r) + 1;
}
