// Small helpers for tests of the world's daily rules: the queued messages and crew aboard craft.
#pragma once

#include <gtest/gtest.h>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "game/world/Globals.h"

namespace testing_support {

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

inline Mothership& Ship() { return *Globals::GetMothership(); }
inline AirQueue& Dock() { return *Ship().GetAirQueue(); }
// The starting dock holds a Saucer Transport, a Cargo Barge, a Stealth Fighter and a Hulk Bomber.
inline Aircraft& Docked(int index) { return Dock().GetNode(index)->aircraft; }

inline Bunker& BunkerOf(int sector) { return *Globals::GetMap()->GetSector(sector, -1)->GetBunker(); }

// Sends a craft on a mission to a place.
inline void Order(Aircraft& craft, Mission mission, int destination) {
    craft.SetMission(mission);
    craft.SetDestination(destination);
}

}  // namespace testing_support
