#include "game/world/AirQueue.h"

bool AirQueue::enqueue(AircraftType const& type, int const& room, int const& home) {
    AircraftNode* node = Aircraft::SizeOf(type) > room ? nullptr : chain.NewAtTail();
    if (node == nullptr) {
        return false;
    }
    node->aircraft.SetType(type, home);
    return true;
}

bool AirQueue::enqueue(Aircraft& craft) {
    AircraftNode* node = chain.NewAtHead();
    if (node == nullptr) {
        return false;
    }
    node->aircraft = craft;
    // The copy leaves the bombs out; hand them over, so a craft that moves
    // neither loses its bombs nor leaves copies behind.
    node->aircraft.GetBombQueue()->TakeBombs(*craft.GetBombQueue());
    return true;
}

bool AirQueue::dequeue(Aircraft& craft) {
    return chain.RemoveIf([&craft](AircraftNode const& node) { return &node.aircraft == &craft; });
}
