// The end of the day on a world at its fullest: 250 crew on the ship, a built
// bunker with 50 crew in each of the 24 sectors, a craft of every type on every
// mission (each with a pilot and a gunner, the bombers with bombs), and a
// message queue of 250 messages waiting. Each timed day starts from that
// world, rebuilt untimed.
#include <benchmark/benchmark.h>
#include <cstdlib>

#include "game/screens/EndDay.h"
#include "game/world/Globals.h"
#include "platform/VirtualConsole.h"

namespace {

constexpr int kQueuedMessages = 250;

void BuildFullWorld() {
    Globals::ResetGame();
    Globals::GetMessages()->KillAllMessages();
    std::srand(1);
    Mothership& ship = *Globals::GetMothership();
    ship.GetAirQueue()->KillAllCraft();
    CrewQueue& crew = *ship.GetCrewQueue();
    while (!crew.isfull()) {
        crew.enqueue(RACE_POVOLNIAN, crew.GetTotal() % 2 == 0);
    }
    ship.SetFood(1000000);
    ship.SetFuel(1000000);

    for (int sector = 1; sector <= Map::kSectors; ++sector) {
        Bunker& bunker = *Globals::GetMap()->GetSector(sector)->GetBunker();
        bunker.SetSubSector(sector % Sector::kSquares);
        bunker.SetVisible(true);
        bunker.ChangeFood(100000);
        bunker.ChangeMaterials(100000);
        CrewQueue& garrison = *bunker.GetCrewQueue();
        while (!garrison.isfull()) {
            garrison.enqueue(static_cast<CrewType>(1 + garrison.GetTotal() % 13), false);
        }
    }

    int place = 0;
    for (int type = 0; type < kAircraftTypes; ++type) {
        for (int mission = 0; mission < kMissions; ++mission) {
            AirQueue& dock = *ship.GetAirQueue();
            dock.enqueue(static_cast<AircraftType>(type), Mothership::kDockSpace - ship.GetDock(), 0);
            Aircraft& craft = dock.GetNode(dock.GetTotal() - 1)->aircraft;
            craft.GetCrewQueue()->enqueue(RACE_POVOLNIAN, false);
            craft.GetCrewQueue()->enqueue(RACE_MUDUDU, true);
            craft.SetMission(static_cast<Mission>(mission));
            craft.SetDestination(1 + place++ % Map::kSectors);
        }
    }

    char text[Message::kTextSize];
    for (int i = 0; i < kQueuedMessages; ++i) {
        std::snprintf(text, sizeof text, "Waiting message number %d, one of a full queue.", i);
        Globals::GetMessages()->enqueue(text, 1 + i % 6);
    }
}

void EndOfDayOnAFullWorld(benchmark::State& state) {
    con::ScopedVirtualConsole vc;
    // Any screen the day shows is answered at once.
    for (int i = 0; i < 100000; ++i) {
        vc->Enter();
    }
    con::Handle const hIn = con::GetStdHandle(con::STD_INPUT_HANDLE);
    con::Handle const hOut = con::GetStdHandle(con::STD_OUTPUT_HANDLE);
    long crewBefore = 0;
    for (auto _ : state) {
        state.PauseTiming();
        BuildFullWorld();
        for (int place = 0; place < Globals::kPlaces; ++place) {
            crewBefore += Globals::GetPlaceCrewQueue(place)->GetTotal();
        }
        state.ResumeTiming();
        EndDay(hIn, hOut);
    }
    state.counters["crew"] =
        benchmark::Counter(static_cast<double>(crewBefore), benchmark::Counter::kAvgIterations);
    state.counters["craft"] = kAircraftTypes * kMissions;
    state.counters["messages_after"] = Globals::GetMessages()->GetTotal();
}
BENCHMARK(EndOfDayOnAFullWorld)->Unit(benchmark::kMicrosecond)->Iterations(300);

}  // namespace
