#include "game/world/AirQueue.h"

#include <new>

#include "game/world/ListLinks.h"

AirQueue::AirQueue() : head(nullptr), tail(nullptr), count(0) {}

AirQueue::~AirQueue() { KillAllCraft(); }

bool AirQueue::enqueue(AircraftType const& type, int const& room, int const& home) {
    if (Aircraft::SizeOf(type) > room) {
        return false;
    }
    AircraftNode* node = new (std::nothrow) AircraftNode;
    if (node == nullptr) {
        return false;
    }
    node->aircraft.SetType(type, home);
    links::Append(head, tail, node);
    ++count;
    return true;
}

bool AirQueue::enqueue(Aircraft& craft) {
    AircraftNode* node = new (std::nothrow) AircraftNode;
    if (node == nullptr) {
        return false;
    }
    node->aircraft = craft;
    // The copy leaves the bombs out; hand them over, so a craft that moves
    // neither loses its bombs nor leaves copies behind.
    node->aircraft.GetBombQueue()->TakeBombs(*craft.GetBombQueue());
    links::Push(head, tail, node);
    ++count;
    return true;
}

bool AirQueue::dequeue(Aircraft& craft) {
    AircraftNode* node =
        links::Unlink(head, tail, [&craft](AircraftNode const& n) { return &n.aircraft == &craft; });
    if (node == nullptr) {
        return false;  // not in this list: nothing changes
    }
    delete node;
    --count;
    return count != 0;
}

AircraftNode* AirQueue::GetNode(int index) { return links::At(head, count, index); }

void AirQueue::KillAllCraft() {
    links::FreeAll(head, tail);
    count = 0;
}
