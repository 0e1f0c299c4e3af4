// One of Earth's 24 sectors: a 4 x 4 grid of squares and the player's bunker site.
#pragma once

#include <ostream>

#include "game/world/Bunker.h"
#include "game/world/SubSector.h"

class Sector {
public:
    static constexpr int kSide = 4;
    static constexpr int kSquares = kSide * kSide;

    // Builds the 16 squares in index order, then the bunker.
    Sector();

    // Number, letter, counter, the population to place and the 16 land types in index order.
    void Init(int number, char letter, int counter, double population, int const* types);

    // b >= 0: the square at row a, column b; b < 0: a is the index row x 4 + column.
    // Null when outside the grid.
    SubSector* GetSubSector(int a, int b = -1);

    // Population + military over the mapped squares, or over all 16.
    double GetPopulation(bool all);
    int CountType(int type, bool all);
    double SumPopulation(bool all);
    double SumMilitary(bool all);
    double SumAirDefense(bool all);
    double SumStructures(bool all);

    int GetNumber() const { return number; }
    char GetLetter() const { return letter; }
    int GetRow() const { return (number - 1) / 6; }
    int GetColumn() const { return (number - 1) % 6; }
    Bunker* GetBunker() { return &bunker; }
    int GetCounter() const { return counter; }
    void ChangeCounter(int change) { counter += change; }

private:
    template <class Count>
    double Sum(bool all, Count count);

    int number;
    char letter;
    SubSector squares[kSide][kSide];
    int counter;
    Bunker bunker;
};

// Letter, population of all squares, counter, the bunker, then the 16 squares.
std::ostream& operator<<(std::ostream& out, Sector& sector);
