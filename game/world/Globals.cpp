#include "game/world/Globals.h"

#include <initializer_list>

#include "game/world/GameRandom.h"

// The world is built before the program starts, in the order of these definitions: the ship,
// Earth (whose first square seeds the random generator), the research tree, the starting
// loadout, then the empty message queue. Keeping them all in this one file fixes that order.
Mothership Globals::Mother;
Map Globals::Earth;
Alltechs Globals::Techs;
namespace {
Globals const startingLoadout;
}  // namespace
MessageQueue Globals::Messages;

int Globals::Day = Globals::kStartDay;
int Globals::Credits = Globals::kStartCredits;
int Globals::FreighterCountdown = Globals::kFreighterDays;
bool Globals::GameOver = false;

namespace {

constexpr AircraftType kStartingCraft[] = {SAUCER_TRANSPORT, CARGO_BARGE, STEALTH_FIGHTER, HULK_BOMBER};

void AddStartingCraft(Mothership& ship) {
    for (AircraftType type : kStartingCraft) {
        ship.GetAirQueue()->enqueue(type, Mothership::kDockSpace - ship.GetDock(), 0);
    }
}

void AddCrew(Mothership& ship, CrewType race, std::initializer_list<bool> sexes) {
    for (bool female : sexes) {
        ship.GetCrewQueue()->enqueue(race, female);
    }
}

void AddAdvisors(Mothership& ship) {
    for (int type = 0; type < Leader::kTypes; ++type) {
        ship.GetLeaderQueue()->enqueue(type);
    }
}

}  // namespace

Globals::Globals() { StartingLoadout(Mother); }

void Globals::StartingLoadout(Mothership& ship) {
    AddStartingCraft(ship);
    // Twenty Povolnians, each of a sex drawn just before it is named.
    for (int i = 0; i < 20; ++i) {
        bool const female = GameRand() % 2 != 0;
        AddCrew(ship, RACE_POVOLNIAN, {female});
    }
    AddCrew(ship, RACE_MUDUDU, {false, true, false, true, false});
    AddCrew(ship, RACE_UBERFLECK, {true, false, true, false, true});
    AddCrew(ship, RACE_MAKO, {true, false, true});
    AddAdvisors(ship);
}

void Globals::TickSuperFreighter() {
    --FreighterCountdown;
    if (FreighterCountdown < kFreighterLastOrbitDay) {
        FreighterCountdown = kFreighterDays;
    }
}

void Globals::ResetGame() {
    for (int number = 1; number <= Map::kSectors; ++number) {
        Sector* sector = Earth.GetSector(number, -1);
        Bunker* bunker = sector->GetBunker();
        bunker->GetAirQueue()->KillAllCraft();
        bunker->GetCrewQueue()->KillAllCrew();
        bunker->GetBombQueue()->KillAllBombs();
        sector->ChangeCounter(100);
        bunker->SetVisible(false);
        bunker->ClearStock();
    }

    Mother.GetAirQueue()->KillAllCraft();
    Mother.GetCrewQueue()->KillAllCrew();
    Mother.GetLeaderQueue()->KillAllLeaders();
    Mother.GetHiveQueue()->KillAllHives();
    Mother.GetBombQueue()->KillAllBombs();
    Mother.Reset();

    AddStartingCraft(Mother);
    AddCrew(Mother, RACE_POVOLNIAN, {true, true, true, true, true, true, true, true, true, true, true});
    AddCrew(Mother, RACE_POVOLNIAN, {false, false, false, false, false, false, false, false, false});
    AddCrew(Mother, RACE_MUDUDU, {false, true, false, true, false});
    AddCrew(Mother, RACE_UBERFLECK, {false, false, true, false, false});
    AddAdvisors(Mother);

    Day = kStartDay;
    Credits = kStartCredits;
    GameOver = false;
    FreighterCountdown = kFreighterDays;
}
