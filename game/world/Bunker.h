// The player's ground base in one sector: its own crew, craft and bombs, stocks and construction.
#pragma once

#include <ostream>

#include "game/world/AirQueue.h"
#include "game/world/BombQueue.h"
#include "game/world/CrewQueue.h"

class Bunker {
public:
    static constexpr int kMaxCrew = 50;
    // The estimate given when the crew cannot build at all, and the most ever given.
    static constexpr int kNeverDays = 99999;

    Bunker();
    Bunker(Bunker const&) = delete;
    Bunker& operator=(Bunker const&) = delete;

    // The crew eats one each; food stops at 0.
    void BurnFood();
    // One day of construction; the days still needed, 0 once built.
    int BuildBunker();

    void SetLetter(char value) { letter = value; }
    char GetLetter() const { return letter; }
    void SetSubSector(int index) { subSector = index; }
    int GetSubSector() const { return subSector; }
    void SetVisible(bool isBuilt) { built = isBuilt; }
    bool GetVisible() const { return built; }
    double GetProgress() const { return progress; }
    void ClearStock();
    void SeedBunker(int subSectorIndex);

    int GetFood() const { return food; }
    int GetFuel() const { return fuel; }
    int GetMaterials() const { return materials; }
    int GetArtifacts() const { return artifacts; }
    // Signed amounts; callers keep the stocks at 0 or above.
    int ChangeFood(int amount);
    int ChangeMaterials(int amount);

    int GetCargo();
    int GetDock();
    CrewQueue* GetCrewQueue() { return &crew; }
    AirQueue* GetAirQueue() { return &aircraft; }
    BombQueue* GetBombQueue() { return &bombs; }

private:
    void CalcCargo();
    void CalcDock();

    int food;
    int fuel;
    int materials;
    int artifacts;
    int cargo;
    int dock;
    AirQueue aircraft;
    CrewQueue crew;
    BombQueue bombs;
    bool built;
    int subSector;
    double progress;
    char letter;
    // Part of a bunker's record though no rule of the day reads them yet.
    [[maybe_unused]] int furtherCount;
    [[maybe_unused]] bool furtherFlag;
};

std::ostream& operator<<(std::ostream& out, Bunker& bunker);
