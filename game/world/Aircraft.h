// One craft of the fleet, with its own crew and bombs, the place whose dock
// holds it (home: 0 the mothership, 1-24 that sector's bunker), a destination
// and a mission.
#pragma once

#include <cstddef>
#include <ostream>

#include "game/world/AircraftType.h"
#include "game/world/BombQueue.h"
#include "game/world/CrewQueue.h"
#include "game/world/Mission.h"

class Aircraft {
public:
    static constexpr std::size_t kNameSize = 20;
    // Bombs a new Hulk Bomber is offered with this much room.
    static constexpr int kBomberBombRoom = 10000;

    // An untyped craft named "BAD!" whose crew list holds `maxCrew`; every
    // number 0, no bombs, mission inactive, type 0.
    explicit Aircraft(int maxCrew);
    Aircraft(Aircraft const&) = delete;
    // Copies every field and the crew (deep), but not the bombs: the target
    // keeps its own.
    Aircraft& operator=(Aircraft const& other);

    // Gives the craft its type's name, crew room, capacity and size (a value
    // outside the table gives "BAD!" and zeros), a Hulk Bomber its FLACK bomb,
    // and home and destination `location`. The stocks start at 0.
    void SetType(AircraftType const& newType, int const& location);
    // The dock space a craft of that type takes (0 outside the table).
    static int SizeOf(AircraftType const& type);

    // Recomputed: the stocks plus 2000 for each bomb aboard.
    int GetCargo();
    void GetName(char* const buffer) const;  // buffer of at least kNameSize chars

    int GetFuel() const { return fuel; }
    int GetFood() const { return food; }
    int GetMaterials() const { return materials; }
    int GetArtifacts() const { return artifacts; }
    int GetMaxCrew() const { return maxCrew; }
    int GetCapacity() const { return capacity; }
    int GetSize() const { return size; }
    int GetHome() const { return home; }
    int GetDestination() const { return destination; }
    Mission GetMission() const { return mission; }
    AircraftType GetType() const { return type; }
    CrewQueue* GetCrewQueue() { return &crew; }
    BombQueue* GetBombQueue() { return &bombs; }

    void SetMission(Mission newMission) { mission = newMission; }
    void SetDestination(int const& newDestination) { destination = newDestination; }
    void SetHome(int const& newHome) { home = newHome; }

private:
    void CalcCargo();

    int fuel;
    int food;
    int materials;
    int artifacts;
    int maxCrew;
    int cargo;
    int capacity;
    int size;
    CrewQueue crew;
    BombQueue bombs;  // declared after the crew, so destroyed before it
    char name[kNameSize];
    int home;
    int destination;
    Mission mission;
    AircraftType type;
};

// The name and a blank, then size, mission, home, food, fuel, materials,
// destination, cargo, artifacts and crew count, each followed by a blank, then
// each crew member's dump followed by a blank.
std::ostream& operator<<(std::ostream& out, Aircraft& craft);
