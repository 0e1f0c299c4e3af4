// One square of a sector's 4 x 4 grid: land type, enemy counts and whether it is mapped.
#pragma once

#include <ostream>

class SubSector {
public:
    // Land types as the map tables and the ion cannon use them.
    static constexpr int kFarmLand = 0;
    static constexpr int kCity = 1;
    static constexpr int kMilitaryBase = 2;
    static constexpr int kMountains = 3;
    static constexpr int kDesert = 4;
    static constexpr int kFarmLand2 = 5;
    static constexpr int kRubble = 6;
    static constexpr int kWasteland = 7;

    // The first square ever built seeds the random generator from the clock.
    SubSector();

    int GetType() const { return type; }
    void SetType(int newType) { type = newType; }
    bool GetVisible() const { return mapped; }
    void SetVisible() { mapped = true; }

    double GetPopulation() const { return population; }
    double GetMilitary() const { return military; }
    double GetAirDefense() const { return airDefense; }
    double GetExtra() const { return extra; }
    double GetStructures() const { return structures; }

    // Signed changes; nothing stops a count from going below 0.
    void AddPopulation(int amount) { population += amount; }
    void AddMilitary(int amount) { military += amount; }
    void AddAirDefense(int amount) { airDefense += amount; }
    void AddExtra(int amount) { extra += amount; }
    void AddStructures(int amount) { structures += amount; }

private:
    int type;
    double population;
    double military;
    double airDefense;
    double extra;
    double structures;
    bool mapped;
};

// Mapped flag, land type, military, population, air defences, extra; each followed by a blank.
std::ostream& operator<<(std::ostream& out, SubSector& square);
