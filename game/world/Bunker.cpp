#include "game/world/Bunker.h"

#include "game/world/Globals.h"
#include "game/world/PlaceLists.h"
#include "game/world/Saturate.h"
#include "game/world/SillyString.h"

namespace {

// Progress that reaches 100 but for rounding still counts as done.
constexpr double kDoneEpsilon = 1e-9;

}  // namespace

Bunker::Bunker()
    : food(0),
      fuel(0),
      materials(0),
      artifacts(0),
      cargo(0),
      dock(0),
      crew(kMaxCrew),
      built(false),
      subSector(-1),
      progress(0.0),
      letter('?'),
      furtherCount(2),
      furtherFlag(false) {}

void Bunker::BurnFood() {
    food = SaturatingAdd(food, -crew.GetTotal());
    if (food < 0) {
        food = 0;
    }
}

int Bunker::BuildBunker() {
    double rate = 0.0;
    int const members = crew.GetTotal();
    for (int i = 0; i < members; ++i) {
        Crew const& member = crew.GetCrewNode(i)->crew;
        rate += member.GetMaintenance() * member.GetPerformance();
    }
    rate /= 250.0;

    materials = ClampToInt(materials - rate * 50.0);
    if (materials < 0) {
        rate /= 2.0;
        materials = 0;
    }
    progress += rate;
    if (progress >= 100.0 - kDoneEpsilon) {
        built = true;
        return 0;
    }

    // A crew that cannot work (only Humans) builds nothing and uses nothing: it would never
    // finish, so the estimate is the longest one given rather than a division by zero.
    double const estimate = rate > 0.0 ? (100.0 - progress) / rate : kNeverDays;
    int const days = estimate >= kNeverDays ? kNeverDays : static_cast<int>(estimate);
    if (materials == 0 && days >= 2) {
        char text[150];
        char const sector[2] = {letter, '\0'};
        StringSlam(text, "Bunker in sector ", sector);
        StringAppend(text, " is low on materials. Send more so the crew can build faster.");
        Globals::GetMessages()->enqueue(text, 4);
    }
    return days;
}

void Bunker::ClearStock() {
    food = 0;
    fuel = 0;
    materials = 0;
    artifacts = 0;
}

void Bunker::SeedBunker(int /*subSectorIndex*/) {}

int Bunker::ChangeFood(int amount) {
    food = SaturatingAdd(food, amount);
    return food;
}

int Bunker::ChangeMaterials(int amount) {
    materials = SaturatingAdd(materials, amount);
    return materials;
}

void Bunker::CalcCargo() {
    long long const sum =
        static_cast<long long>(food) + fuel + materials + artifacts + 2000LL * bombs.GetTotal();
    cargo = ClampToInt(sum);
}

void Bunker::CalcDock() { dock = ClampToInt(SumCraftSizes(aircraft)); }

int Bunker::GetCargo() {
    CalcCargo();
    return cargo;
}

int Bunker::GetDock() {
    CalcDock();
    return dock;
}

std::ostream& operator<<(std::ostream& out, Bunker& bunker) {
    out << (bunker.GetVisible() ? 1 : 0) << ' ' << bunker.GetCargo() << ' ' << bunker.GetFood() << ' '
        << bunker.GetFuel() << ' ' << bunker.GetMaterials() << ' ' << bunker.GetDock() << ' '
        << bunker.GetArtifacts() << ' ';
    DumpCraftList(out, *bunker.GetAirQueue());
    DumpCrewList(out, *bunker.GetCrewQueue());
    BombQueue& bombs = *bunker.GetBombQueue();
    out << bombs.GetTotal() << ' ';
    for (int i = 0; i < bombs.GetTotal(); ++i) {
        out << static_cast<int>(bombs.GetNode(i)->bomb) << ' ';
    }
    return out;
}
