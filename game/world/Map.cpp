#include "game/world/Map.h"

namespace {

constexpr char kLetters[] = "ILVOUCMATBHPQJWRNFEXDGSK";

struct SectorRow {
    double population;
    int types[Sector::kSquares];
};

// Each sector's people and its land types, square [0][0] first, row by row.
constexpr SectorRow kEarth[Map::kSectors] = {
    {6000000, {2, 3, 3, 4, 0, 1, 0, 4, 0, 1, 3, 4, 2, 2, 0, 1}},
    {1000000, {4, 2, 0, 0, 0, 3, 2, 2, 4, 0, 0, 0, 1, 0, 4, 0}},
    {1000000, {4, 2, 3, 2, 3, 4, 3, 0, 0, 4, 1, 0, 0, 2, 3, 1}},
    {5000000, {4, 3, 4, 4, 1, 4, 4, 2, 3, 0, 2, 4, 4, 1, 0, 4}},
    {5000000, {4, 0, 4, 4, 3, 1, 4, 1, 1, 4, 2, 2, 1, 1, 3, 0}},
    {2000000, {2, 4, 3, 3, 0, 3, 2, 4, 0, 3, 3, 4, 1, 3, 1, 1}},
    {3000000, {2, 1, 3, 0, 2, 1, 0, 0, 4, 0, 2, 0, 2, 3, 0, 1}},
    {1500000, {3, 3, 0, 0, 3, 1, 0, 0, 3, 2, 0, 0, 3, 3, 1, 4}},
    {1000000, {2, 3, 2, 4, 3, 2, 4, 4, 3, 2, 4, 4, 2, 3, 1, 4}},
    {2000000, {4, 3, 4, 4, 2, 4, 0, 4, 2, 4, 0, 1, 4, 1, 2, 0}},
    {10000000, {2, 1, 2, 3, 1, 1, 4, 1, 0, 3, 3, 2, 0, 1, 3, 0}},
    {35000000, {0, 2, 0, 1, 2, 1, 3, 1, 1, 1, 3, 1, 2, 3, 1, 1}},
    {19000000, {1, 3, 1, 2, 2, 0, 0, 2, 1, 3, 0, 1, 0, 1, 1, 4}},
    {4000000, {2, 4, 4, 2, 2, 2, 1, 4, 2, 2, 2, 4, 7, 2, 4, 1}},
    {4000000, {3, 3, 4, 4, 2, 2, 1, 2, 3, 2, 1, 0, 2, 3, 4, 2}},
    {3000000, {2, 0, 3, 0, 4, 4, 3, 1, 4, 1, 1, 2, 4, 4, 0, 0}},
    {12000000, {0, 4, 0, 3, 4, 0, 3, 2, 1, 2, 3, 1, 4, 1, 3, 2}},
    {20000000, {1, 2, 1, 2, 0, 3, 2, 1, 2, 0, 1, 1, 2, 3, 2, 1}},
    {10000000, {2, 1, 3, 0, 4, 2, 0, 1, 2, 1, 1, 0, 4, 1, 2, 1}},
    {5000000, {2, 3, 4, 0, 0, 1, 2, 4, 1, 3, 4, 2, 3, 2, 4, 0}},
    {2000000, {2, 1, 2, 0, 2, 0, 3, 0, 4, 4, 1, 4, 4, 1, 4, 4}},
    {8000000, {3, 1, 0, 4, 2, 3, 1, 2, 4, 4, 1, 4, 4, 2, 4, 4}},
    {10000000, {1, 0, 2, 3, 2, 1, 1, 3, 0, 0, 3, 2, 1, 2, 0, 3}},
    {15000000, {4, 3, 2, 2, 1, 0, 1, 0, 3, 1, 1, 2, 0, 3, 1, 2}},
};

}  // namespace

Map::Map() {
    for (int i = 0; i < kSectors; ++i) {
        sectors[i].Init(i + 1, kLetters[i], 0, kEarth[i].population, kEarth[i].types);
    }
}

Sector* Map::GetSector(int a, int b) {
    if (b < 0) {
        if (a < 1 || a > kSectors) {
            return nullptr;
        }
        return &sectors[a - 1];
    }
    if (a < 0 || a >= kRows || b >= kColumns) {
        return nullptr;
    }
    return &sectors[a * kColumns + b];
}

Sector* Map::FindSector(char letter) {
    for (Sector& sector : sectors) {
        if (sector.GetLetter() == letter) {
            return &sector;
        }
    }
    return &sectors[0];
}

double Map::GetPopulation(bool all) {
    // Every count is a whole number, so summing sector by sector gives the same total.
    double total = 0.0;
    for (Sector& sector : sectors) {
        total += sector.GetPopulation(all);
    }
    return total;
}

bool Map::IsConquered() {
    for (Sector& sector : sectors) {
        for (int k = 0; k < Sector::kSquares; ++k) {
            SubSector* square = sector.GetSubSector(k);
            if (square->GetPopulation() > 0.0 || square->GetMilitary() > 0.0) {
                return false;
            }
        }
    }
    return true;
}

std::ostream& operator<<(std::ostream& out, Map& map) {
    out << map.GetPopulation(true) << ' ';
    for (int number = 1; number <= Map::kSectors; ++number) {
        out << *map.GetSector(number);
    }
    return out;
}
