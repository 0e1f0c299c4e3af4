// Helpers for the docking bay's tests: the lit column title, naming every
// member so each can be told apart, and a census of every member, craft and
// stock.
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

using testing_support::AddNamed;
using testing_support::BuildBunker;
using testing_support::BunkerOf;
using testing_support::Dock;
using testing_support::Docked;
using testing_support::In;
using testing_support::MapSquare;
using testing_support::NameOf;
using testing_support::Names;
using testing_support::Out;
using testing_support::RunScreen;
using testing_support::Ship;

// The column titles of the room's screens stand on row 2; the one that has
// the keys is lit (blue on yellow). Which of the titles at these columns is
// lit, -1 for none; more than one lit fails the test.
template <std::size_t N>
int LitTitle(con::VirtualConsole const& vc, int const (&columns)[N]) {
    int lit = -1;
    for (std::size_t i = 0; i < N; ++i) {
        if (vc.AttrAt(columns[i], 2) == 225) {
            EXPECT_EQ(lit, -1) << "one title lit";
            lit = static_cast<int>(i);
        }
    }
    return lit;
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
            // Appended rather than "M" + ...: GCC 12 at -O2 takes that for an overlapping copy.
            std::string const name = std::string("M").append(std::to_string(next++));
            crew->GetCrewNode(i)->crew.NameCrew(name.c_str());
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

}  // namespace dock_test
