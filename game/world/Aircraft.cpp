#include "game/world/Aircraft.h"

#include "game/world/SillyString.h"

namespace {

struct TypeRow {
    char const* name;
    int maxCrew;
    int capacity;
    int size;
};

constexpr TypeRow kTypes[kAircraftTypes + 1] = {
    {"Saucer Transport", 10, 10000, 40000},
    {"Stealth Fighter", 2, 3000, 30000},
    {"Hulk Bomber", 3, 10000, 100000},
    {"Cargo Barge", 3, 75000, 100000},
    {"BAD!", 0, 0, 0},
};

TypeRow const& RowOf(AircraftType type) {
    return kTypes[type >= 0 && type < kAircraftTypes ? type : kAircraftTypes];
}

}  // namespace

Aircraft::Aircraft(int maxCrew)
    : fuel(0),
      food(0),
      materials(0),
      artifacts(0),
      maxCrew(maxCrew),
      cargo(0),
      capacity(0),
      size(0),
      crew(maxCrew),
      bombs(),
      name{},
      home(0),
      destination(0),
      mission(MISSION_INACTIVE),
      type(SAUCER_TRANSPORT) {
    StringCopy(name, "BAD!");
}

Aircraft& Aircraft::operator=(Aircraft const& other) {
    fuel = other.fuel;
    food = other.food;
    materials = other.materials;
    artifacts = other.artifacts;
    maxCrew = other.maxCrew;
    cargo = other.cargo;
    capacity = other.capacity;
    size = other.size;
    crew = other.crew;
    StringCopy(name, other.name);
    home = other.home;
    destination = other.destination;
    mission = other.mission;
    type = other.type;
    return *this;
}

void Aircraft::SetType(AircraftType const& newType, int const& location) {
    fuel = 0;
    food = 0;
    materials = 0;
    artifacts = 0;
    type = newType;
    TypeRow const& row = RowOf(newType);
    StringCopy(name, row.name);
    maxCrew = row.maxCrew;
    capacity = row.capacity;
    size = row.size;
    if (newType == HULK_BOMBER) {
        bombs.enqueue(BOMB_FLACK, kBomberBombRoom);
    }
    destination = location;
    home = destination;
    crew.SetMaxCrew(maxCrew);
    CalcCargo();
}

int Aircraft::SizeOf(AircraftType const& type) { return RowOf(type).size; }

void Aircraft::CalcCargo() { cargo = fuel + food + materials + artifacts + kBombCargo * bombs.GetTotal(); }

int Aircraft::GetCargo() {
    CalcCargo();
    return cargo;
}

void Aircraft::GetName(char* const buffer) const { StringCopy(buffer, kNameSize, name); }

std::ostream& operator<<(std::ostream& out, Aircraft& craft) {
    char name[Aircraft::kNameSize];
    craft.GetName(name);
    CrewQueue& crew = *craft.GetCrewQueue();
    out << name << ' ' << craft.GetSize() << ' ' << static_cast<int>(craft.GetMission()) << ' '
        << craft.GetHome() << ' ' << craft.GetFood() << ' ' << craft.GetFuel() << ' ' << craft.GetMaterials()
        << ' ' << craft.GetDestination() << ' ' << craft.GetCargo() << ' ' << craft.GetArtifacts() << ' '
        << crew.GetTotal() << ' ';
    for (int i = 0; i < crew.GetTotal(); ++i) {
        out << crew.GetCrewNode(i)->crew << ' ';
    }
    return out;
}
