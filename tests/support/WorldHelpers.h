// Small helpers for tests of the world: its places, crew by name, the queued
// messages and crew aboard craft.
#pragma once

#include <gtest/gtest.h>
#include <initializer_list>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "game/world/Globals.h"

namespace testing_support {

// ---- Linked lists -------------------------------------------------------------------

// What `value` reads from each node of a linked list, head first, the nodes
// found by index as `nodeAt` finds them; checks on the way that the count,
// the indices and the links agree: every node there, the last one ending the
// chain and none past it.
template <class NodeAt, class Value>
auto ChainValues(int total, NodeAt nodeAt, Value value) {
    std::vector<std::decay_t<decltype(value(*nodeAt(0)))>> values;
    for (int i = 0; i < total; ++i) {
        auto const* node = nodeAt(i);
        EXPECT_NE(node, nullptr) << "node " << i << " of " << total;
        if (node == nullptr) {
            return values;
        }
        values.push_back(value(*node));
        if (i == total - 1) {
            EXPECT_EQ(node->next, nullptr) << "the last node ends the chain";
        }
    }
    EXPECT_EQ(nodeAt(total), nullptr) << "no node past the last";
    return values;
}

// Texts joined into one, `between` between each two.
inline std::string Joined(std::vector<std::string> const& texts, std::string const& between) {
    std::string out;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        out += (i > 0 ? between : "") + texts[i];
    }
    return out;
}

// ---- Names ------------------------------------------------------------------------

// The name of a crew member, a craft, a hive or an advisor.
template <class Named>
std::string NameOf(Named const& thing) {
    char name[Named::kNameSize];
    thing.GetName(name);
    return name;
}

// The names of a crew list, head first.
inline std::vector<std::string> Names(CrewQueue& crew) {
    std::vector<std::string> names;
    for (int i = 0; i < crew.GetTotal(); ++i) {
        names.push_back(NameOf(crew.GetCrewNode(i)->crew));
    }
    return names;
}

// Adds a member (male, a Povolnian unless told otherwise) with that name at
// the tail.
inline void AddNamed(CrewQueue& crew, std::string const& name, CrewType race = RACE_POVOLNIAN) {
    ASSERT_TRUE(crew.enqueue(race, false));
    crew.GetCrewNode(crew.GetTotal() - 1)->crew.NameCrew(name.c_str());
}

// ---- Messages -----------------------------------------------------------------------

// The morning's messages as (type, text), in queue order.
using Posted = std::vector<std::pair<int, std::string>>;

inline Posted PostedMessages() {
    Posted posted;
    MessageQueue& queue = *Globals::GetMessages();
    for (int i = 0; i < queue.GetTotal(); ++i) {
        Message const& message = queue.GetNode(i)->message;
        posted.emplace_back(message.GetType(), message.GetText());
    }
    return posted;
}

inline void ForgetMessages() { Globals::GetMessages()->KillAllMessages(); }

// ---- Crew ---------------------------------------------------------------------------

// Puts new crew members of these races (male) aboard, in order.
inline void Board(Aircraft& craft, std::initializer_list<CrewType> races) {
    for (CrewType race : races) {
        ASSERT_TRUE(craft.GetCrewQueue()->enqueue(race, false));
    }
}

// Fills a crew list to its maximum with Povolnians.
inline void FillCrew(CrewQueue& crew) {
    while (!crew.isfull()) {
        ASSERT_TRUE(crew.enqueue(RACE_POVOLNIAN, false));
    }
}

// Sends `count` new crew members of a race (male) to a bunker.
inline void Man(Bunker& bunker, CrewType race, int count) {
    for (int i = 0; i < count; ++i) {
        ASSERT_TRUE(bunker.GetCrewQueue()->enqueue(race, false));
    }
}

// ---- The ship and its craft -----------------------------------------------------------

inline Mothership& Ship() { return *Globals::GetMothership(); }
inline AirQueue& Dock() { return *Ship().GetAirQueue(); }
// The starting dock holds a Saucer Transport, a Cargo Barge, a Stealth Fighter and a Hulk Bomber.
inline Aircraft& Docked(int index) { return Dock().GetNode(index)->aircraft; }

// The ship's crew member at that place in its list, and the member's name.
inline Crew& ShipMember(int index) { return Ship().GetCrewQueue()->GetCrewNode(index)->crew; }
inline std::string ShipMemberName(int index) { return NameOf(ShipMember(index)); }

// Sends a craft on a mission to a place.
inline void Order(Aircraft& craft, Mission mission, int destination) {
    craft.SetMission(mission);
    craft.SetDestination(destination);
}

// Flies the ship over a sector at once.
inline void PlaceShipAbove(int sector) {
    Ship().SetDestination(sector);
    Ship().Travel();
    ASSERT_EQ(Ship().GetLocation(), sector);
}

// ---- Earth ----------------------------------------------------------------------------

inline Sector& SectorOf(int number) { return *Globals::GetMap()->GetSector(number, -1); }
inline SubSector& SquareOf(int sector, int index) { return *SectorOf(sector).GetSubSector(index, -1); }
inline Bunker& BunkerOf(int sector) { return *SectorOf(sector).GetBunker(); }

// A built bunker in the sector.
inline Bunker& BuildBunker(int sector) {
    BunkerOf(sector).SetVisible(true);
    return BunkerOf(sector);
}

// Maps a square of a sector and gives it a land type.
inline void MapSquare(int sector, int index, int landType) {
    SubSector& square = SquareOf(sector, index);
    square.SetType(landType);
    square.SetVisible();
}

// Empties every square of Earth of its people and soldiers.
inline void ClearEarth(Map& earth = *Globals::GetMap()) {
    for (int number = 1; number <= Map::kSectors; ++number) {
        for (int k = 0; k < Sector::kSquares; ++k) {
            SubSector* square = earth.GetSector(number)->GetSubSector(k);
            square->AddPopulation(-static_cast<int>(square->GetPopulation()));
            square->AddMilitary(-static_cast<int>(square->GetMilitary()));
        }
    }
}

}  // namespace testing_support
