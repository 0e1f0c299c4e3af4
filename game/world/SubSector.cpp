#include "game/world/SubSector.h"

#include "game/world/GameRandom.h"

SubSector::SubSector()
    : type(kWasteland),
      population(0.0),
      military(100.0),
      airDefense(0.0),
      extra(0.0),
      structures(0.0),
      mapped(false) {
    SeedGameRandOnce();
}

std::ostream& operator<<(std::ostream& out, SubSector& square) {
    out << (square.GetVisible() ? 1 : 0) << ' ' << square.GetType() << ' ' << square.GetMilitary() << ' '
        << square.GetPopulation() << ' ' << square.GetAirDefense() << ' ' << square.GetExtra() << ' ';
    return out;
}
