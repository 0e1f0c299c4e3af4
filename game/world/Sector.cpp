#include "game/world/Sector.h"

namespace {

// Of a sector's population, the share each land type 0-4 holds, spread over its squares.
constexpr double kShares[5] = {0.08, 0.75, 0.1, 0.05, 0.02};
constexpr double kSpread = 1.564692867;

}  // namespace

Sector::Sector() : number(0), letter('?'), counter(0) {}

void Sector::Init(int sectorNumber, char sectorLetter, int startCounter, double population,
                  int const* types) {
    number = sectorNumber;
    letter = sectorLetter;
    bunker.SetLetter(sectorLetter);
    counter = startCounter;

    int counts[5] = {};
    for (int k = 0; k < kSquares; ++k) {
        GetSubSector(k)->SetType(types[k]);
        if (types[k] >= 0 && types[k] < 5) {
            ++counts[types[k]];
        }
    }
    for (int k = 0; k < kSquares; ++k) {
        SubSector& square = *GetSubSector(k);
        int const type = square.GetType();
        double factor = 1.0;
        if (type >= 0 && type < 5) {
            square.AddPopulation(static_cast<int>(kShares[type] * population * kSpread / counts[type]));
            if (type == SubSector::kCity) {
                factor = 3.0;
            } else if (type == SubSector::kMilitaryBase) {
                square.AddMilitary(10000);
                square.AddAirDefense(100);
            }
        }
        square.AddStructures(
            static_cast<int>((square.GetPopulation() + square.GetMilitary()) / 3.6 * factor));
    }
}

SubSector* Sector::GetSubSector(int a, int b) {
    if (b < 0) {
        if (a < 0 || a >= kSquares) {
            return nullptr;
        }
        return &squares[a / kSide][a % kSide];
    }
    if (a < 0 || a >= kSide || b >= kSide) {
        return nullptr;
    }
    return &squares[a][b];
}

template <class Count>
double Sector::Sum(bool all, Count count) {
    double total = 0.0;
    for (auto& row : squares) {
        for (SubSector& square : row) {
            if (all || square.GetVisible()) {
                total += count(square);
            }
        }
    }
    return total;
}

double Sector::GetPopulation(bool all) {
    return Sum(all, [](SubSector& s) { return s.GetPopulation() + s.GetMilitary(); });
}

int Sector::CountType(int type, bool all) {
    return static_cast<int>(Sum(all, [type](SubSector& s) { return s.GetType() == type ? 1.0 : 0.0; }));
}

double Sector::SumPopulation(bool all) {
    return Sum(all, [](SubSector& s) { return s.GetPopulation(); });
}

double Sector::SumMilitary(bool all) {
    return Sum(all, [](SubSector& s) { return s.GetMilitary(); });
}

double Sector::SumAirDefense(bool all) {
    return Sum(all, [](SubSector& s) { return s.GetAirDefense(); });
}

double Sector::SumStructures(bool all) {
    return Sum(all, [](SubSector& s) { return s.GetStructures(); });
}

std::ostream& operator<<(std::ostream& out, Sector& sector) {
    out << sector.GetLetter() << ' ' << sector.GetPopulation(true) << ' ' << sector.GetCounter() << ' '
        << *sector.GetBunker();
    for (int k = 0; k < Sector::kSquares; ++k) {
        out << *sector.GetSubSector(k);
    }
    return out;
}
