// The player's ship: its stocks, its five lists, its place over Earth, morale and shields.
#pragma once

#include <ostream>

#include "game/world/AirQueue.h"
#include "game/world/BombQueue.h"
#include "game/world/CrewQueue.h"
#include "game/world/HiveQueue.h"
#include "game/world/LeaderQueue.h"

class Mothership {
public:
    static constexpr int kMaxCrew = 250;
    static constexpr int kCargoSpace = 2000000;
    static constexpr int kDockSpace = 6000000;
    static constexpr int kCapsuleDock = 40000;
    static constexpr int kMaxEngineLevel = 5;

    Mothership();
    Mothership(Mothership const&) = delete;
    Mothership& operator=(Mothership const&) = delete;

    // Stocks back to their start values; the work rate and the lists stay as they are.
    void Reset();

    // The day's rules, in the order the end of the day runs them.
    void BurnFood();
    void UpdateMorale();
    // One day's flight toward the destination; true when the ship was not there yet.
    bool Travel();
    void UpgradeEngine();

    // Food and fuel never go below 0 and never wrap: spending stops at 0, adding stops at the top.
    int GetFood() const { return food; }
    int SetFood(int value);
    int ChangeFood(int amount);
    int GetFuel() const { return fuel; }
    int SetFuel(int value);
    int ChangeFuel(int amount);
    // Signed amounts; callers keep these at 0 or above.
    int GetMaterials() const { return materials; }
    int SetMaterials(int value);
    int ChangeMaterials(int amount);
    int GetArtifacts() const { return artifacts; }
    int ChangeArtifacts(int amount);
    int GetCapsules() const { return capsules; }
    int ChangeCapsules(int amount);

    // Recomputed on every call.
    int GetCargo();
    int GetDock();

    AirQueue* GetAirQueue() { return &aircraft; }
    CrewQueue* GetCrewQueue() { return &crew; }
    LeaderQueue* GetLeaderQueue() { return &advisors; }
    HiveQueue* GetHiveQueue() { return &hives; }
    BombQueue* GetBombQueue() { return &bombs; }

    int GetLocation() const { return location; }
    int GetDestination() const { return destination; }
    int SetDestination(int value);
    int GetMorale() const { return static_cast<int>(morale); }
    int GetEngineLevel() const { return engineLevel; }
    bool GetShields() const { return shields; }
    void ToggleShields() { shields = !shields; }
    int GetWorkRate() const { return workRate; }
    int SetWorkRate(int value);

private:
    void CalcCargo();
    void CalcDock();
    void SpendFuel(int amount);

    int food;
    int fuel;
    int materials;
    int artifacts;
    int capsules;
    int cargo;
    int dock;
    AirQueue aircraft;
    CrewQueue crew;
    LeaderQueue advisors;
    HiveQueue hives;
    BombQueue bombs;
    int location;
    int destination;
    int furtherCount;
    float morale;
    int engineLevel;
    bool shields;
    int workRate;
};

std::ostream& operator<<(std::ostream& out, Mothership& ship);
