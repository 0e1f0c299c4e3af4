#include "game/world/Mothership.h"

#include <algorithm>

#include "game/world/Globals.h"
#include "game/world/Map.h"
#include "game/world/PlaceLists.h"
#include "game/world/Saturate.h"

namespace {

constexpr int kStartFood = 1000;
constexpr int kStartFuel = 150000;
constexpr int kStartMaterials = 10000;
constexpr int kStartCapsules = 2;
constexpr float kStartMorale = 100.0f;

// Fuel a day's flight costs: hovering over a sector, the shields, climbing or descending,
// and each square of flight.
constexpr int kHoverFuel = 100;
constexpr int kShieldFuel = 200;
constexpr int kOrbitFuel = 10000;
constexpr int kSquareFuel = 1000;

// A dump lists at most this many entries of each list.
constexpr int kDumpEntries = 24;

}  // namespace

Mothership::Mothership()
    : food(kStartFood),
      fuel(kStartFuel),
      materials(kStartMaterials),
      artifacts(0),
      capsules(kStartCapsules),
      cargo(0),
      dock(0),
      crew(kMaxCrew),
      location(0),
      destination(0),
      furtherCount(100),
      morale(kStartMorale),
      engineLevel(0),
      shields(false),
      workRate(2) {
    CalcCargo();
    CalcDock();
}

void Mothership::Reset() {
    food = kStartFood;
    fuel = kStartFuel;
    materials = kStartMaterials;
    capsules = kStartCapsules;
    artifacts = 0;
    location = 0;
    destination = 0;
    furtherCount = 100;
    morale = kStartMorale;
    engineLevel = 0;
    shields = false;
    CalcCargo();
    CalcDock();
}

void Mothership::BurnFood() {
    int const eaters = crew.GetTotal() + advisors.GetTotal() + 1;
    food = food > eaters ? food - eaters : 0;
}

void Mothership::UpdateMorale() {
    double value = morale;
    if (food == 0) {
        value -= 15.0;
    } else {
        switch (workRate) {
            case 0: value += 5.0; break;   // All Ship Party Mode
            case 1: value += 1.0; break;   // Slacker Mode
            case 3: value -= 3.0; break;   // All Work and No Play
            case 4: value -= 15.0; break;  // Nazi Regime
            default: break;                // Plan 925, or no schedule
        }
    }
    if (value >= 100.0) {
        value = 100.0;
    }
    if (value <= 0.0) {
        value = 0.0;
    }
    morale = static_cast<float>(value);
}

void Mothership::SpendFuel(int amount) { fuel = fuel > amount ? fuel - amount : 0; }

bool Mothership::Travel() {
    if (shields) {
        SpendFuel(kShieldFuel);
    }
    if (location == destination) {
        if (location != 0) {
            SpendFuel(kHoverFuel);
        }
        return false;
    }
    if (location == 0) {
        location = destination;
        SpendFuel(kOrbitFuel);
        return true;
    }
    if (destination == 0) {
        location = 0;
        SpendFuel(kOrbitFuel);
        return true;
    }

    Map* earth = Globals::GetMap();
    Sector* here = earth->GetSector(location, -1);
    Sector* target = earth->GetSector(destination, -1);
    if (here == nullptr || target == nullptr) {
        return false;
    }
    // Each axis moves toward the target by at most the distance left, so the ship never
    // overshoots and never leaves the grid.
    int const step = engineLevel + 1;
    int const column = here->GetColumn() + std::clamp(target->GetColumn() - here->GetColumn(), -step, step);
    int const row = here->GetRow() + std::clamp(target->GetRow() - here->GetRow(), -step, step);
    location = earth->GetSector(row, column)->GetNumber();
    SpendFuel(step * kSquareFuel);
    return true;
}

void Mothership::UpgradeEngine() {
    if (engineLevel < kMaxEngineLevel) {
        ++engineLevel;
    }
}

int Mothership::SetFood(int value) {
    food = std::max(value, 0);
    return food;
}

int Mothership::ChangeFood(int amount) {
    food = AddToStock(food, amount);
    return food;
}

int Mothership::SetFuel(int value) {
    fuel = std::max(value, 0);
    return fuel;
}

int Mothership::ChangeFuel(int amount) {
    fuel = AddToStock(fuel, amount);
    return fuel;
}

int Mothership::SetMaterials(int value) {
    materials = value;
    return materials;
}

int Mothership::ChangeMaterials(int amount) {
    materials = SaturatingAdd(materials, amount);
    return materials;
}

int Mothership::ChangeArtifacts(int amount) {
    artifacts = SaturatingAdd(artifacts, amount);
    return artifacts;
}

int Mothership::ChangeCapsules(int amount) {
    capsules = SaturatingAdd(capsules, amount);
    return capsules;
}

int Mothership::SetDestination(int value) {
    // Only orbit (0) and the sectors 1-24 are places the ship can go.
    if (value >= 0 && value <= Map::kSectors) {
        destination = value;
    }
    return destination;
}

int Mothership::SetWorkRate(int value) {
    workRate = value;
    return workRate;
}

void Mothership::CalcCargo() {
    long long const sum = static_cast<long long>(food) + fuel + materials + artifacts +
                          static_cast<long long>(kBombCargo) * bombs.GetTotal() +
                          static_cast<long long>(HiveQueue::kHiveSize) * hives.GetTotal();
    cargo = ClampToInt(sum);
}

void Mothership::CalcDock() {
    long long const sum = static_cast<long long>(kCapsuleDock) * capsules;
    dock = ClampToInt(sum + SumCraftSizes(aircraft));
}

int Mothership::GetCargo() {
    CalcCargo();
    return cargo;
}

int Mothership::GetDock() {
    CalcDock();
    return dock;
}

std::ostream& operator<<(std::ostream& out, Mothership& ship) {
    out << ship.GetLocation() << ' ' << ship.GetEngineLevel() << ' ' << ship.GetWorkRate() << ' '
        << (ship.GetShields() ? 1 : 0) << ' ' << ship.GetMorale() << ' ' << ship.GetFood() << ' '
        << ship.GetFuel() << ' ' << ship.GetMaterials() << ' ' << ship.GetDock() << ' ' << ship.GetCargo()
        << ' ' << ship.GetArtifacts() << ' ';
    HiveQueue& hives = *ship.GetHiveQueue();
    out << hives.GetTotal() << ' ';
    for (int i = 0; i < std::min(hives.GetTotal(), kDumpEntries); ++i) {
        out << hives.GetNode(i)->hive << ' ';
    }
    DumpCrewList(out, *ship.GetCrewQueue(), kDumpEntries);
    DumpCraftList(out, *ship.GetAirQueue(), kDumpEntries);
    return out;
}
