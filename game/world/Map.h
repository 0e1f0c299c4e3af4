// Earth: 24 sectors in 4 rows of 6, numbered 1-24 row by row.
#pragma once

#include <ostream>

#include "game/world/Sector.h"

class Map {
public:
    static constexpr int kSectors = 24;
    static constexpr int kColumns = 6;
    static constexpr int kRows = 4;

    // Builds the sectors and lays out their land and people from the map table.
    Map();
    Map(Map const&) = delete;
    Map& operator=(Map const&) = delete;

    // b < 0: the sector numbered a (1-24); b >= 0: the sector at row a (0-3), column b (0-5).
    // Null when there is no such sector.
    Sector* GetSector(int a, int b = -1);
    // The first sector with that letter; sector 1 when none has it.
    Sector* FindSector(char letter);

    // Population + military over the mapped squares, or over all.
    double GetPopulation(bool all);
    // Earth is taken when no square has population or military above 0. A plain sum is not
    // enough: counts can be driven below 0 and cancel out enemies elsewhere.
    bool IsConquered();

private:
    Sector sectors[kSectors];
};

// The population of all squares, then each sector.
std::ostream& operator<<(std::ostream& out, Map& map);
