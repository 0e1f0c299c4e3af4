// Helpers for the docking bay's tests: running its screens, naming crew so
// each can be told apart, and a census of every member, craft and stock.
#pragma once

#include <gtest/gtest.h>
#include <map>
#include <string>
#include <vector>

#include "tests/support/ScreenHarness.h"
#include "tests/support/WorldHelpers.h"

#include "game/screens/DockLists.h"
#include "game/world/Globals.h"
#include "platform/VirtualConsole.h"

namespace dock_test {

using testing_support::BunkerOf;
using testing_support::Dock;
using testing_support::Docked;
using testing_support::Ship;

inline con::Handle Out() { return con::GetStdHandle(con::STD_OUTPUT_HANDLE); }
inline con::Handle In() { return con::GetStdHandle(con::STD_INPUT_HANDLE); }

// Runs a screen until it returns (true) or its key script is used up (false).
template <class Screen>
bool Play(Screen&& screen) {
    return testing_support::RunScreen(std::forward<Screen>(screen));
}

inline std::string NameOf(Crew const& member) {
    char name[Crew::kNameSize];
    member.GetName(name);
    return name;
}

// The names of a list, head first.
inline std::vector<std::string> Names(CrewQueue& crew) {
    std::vector<std::string> names;
    for (int i = 0; i < crew.GetTotal(); ++i) {
        names.push_back(NameOf(crew.GetCrewNode(i)->crew));
    }
    return names;
}

// Adds a member with that name at the tail.
inline void AddNamed(CrewQueue& crew, std::string const& name) {
    ASSERT_TRUE(crew.enqueue(RACE_POVOLNIAN, false));
    crew.GetCrewNode(crew.GetTotal() - 1)->crew.NameCrew(name.c_str());
}

// Every crew list of the world: each place's, then each of its craft's.
inline std::vector<CrewQueue*> EveryCrewList() {
    std::vector<CrewQueue*> lists;
    for (int place = 0; place < Globals::kPlaces; ++place) {
        lists.push_back(Globals::GetPlaceCrewQueue(place));
        AirQueue& craft = *Globals::GetPlaceAirQueue(place);
        for (int i = 0; i < craft.GetTotal(); ++i) {
            lists.push_back(craft.GetNode(i)->aircraft.GetCrewQueue());
        }
    }
    return lists;
}

// Gives every member of the world a name of its own.
inline void NameEveryone() {
    int next = 0;
    for (CrewQueue* crew : EveryCrewList()) {
        for (int i = 0; i < crew->GetTotal(); ++i) {
            crew->GetCrewNode(i)->crew.NameCrew(("M" + std::to_string(next++)).c_str());
        }
    }
}

// Where everything is: how often each member's name occurs anywhere, each
// place's craft (by identity, in order), and the stocks summed over the ship
// and the bunkers.
struct Census {
    std::map<std::string, int> crew;
    std::vector<std::vector<Aircraft const*>> craft;
    long long food = 0;
    long long materials = 0;

    bool operator==(Census const&) const = default;
};

inline Census TakeCensus() {
    Census census;
    for (CrewQueue* crew : EveryCrewList()) {
        for (std::string const& name : Names(*crew)) {
            ++census.crew[name];
        }
    }
    census.food = Ship().GetFood();
    census.materials = Ship().GetMaterials();
    for (int place = 0; place < Globals::kPlaces; ++place) {
        AirQueue& craft = *Globals::GetPlaceAirQueue(place);
        census.craft.emplace_back();
        for (int i = 0; i < craft.GetTotal(); ++i) {
            census.craft.back().push_back(&craft.GetNode(i)->aircraft);
        }
        if (place > 0) {
            census.food += BunkerOf(place).GetFood();
            census.materials += BunkerOf(place).GetMaterials();
        }
    }
    return census;
}

// A built bunker in the sector.
inline Bunker& BuildBunker(int sector) {
    BunkerOf(sector).SetVisible(true);
    return BunkerOf(sector);
}

// Maps a square of a sector and gives it a land type.
inline void MapSquare(int sector, int index, int landType) {
    SubSector& square = *Globals::GetMap()->GetSector(sector, -1)->GetSubSector(index, -1);
    square.SetType(landType);
    square.SetVisible();
}

}  // namespace dock_test
