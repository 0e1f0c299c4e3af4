#include "game/world/AirQueue.h"

#include <new>

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
    node->next = nullptr;
    if (tail == nullptr) {
        head = node;
    } else {
        tail->next = node;
    }
    tail = node;
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
    node->next = head;
    head = node;
    if (tail == nullptr) {
        tail = node;
    }
    ++count;
    return true;
}

bool AirQueue::dequeue(Aircraft& craft) {
    AircraftNode* before = nullptr;
    AircraftNode* node = head;
    while (node != nullptr && &node->aircraft != &craft) {
        before = node;
        node = node->next;
    }
    if (node == nullptr) {
        return false;  // not in this list: nothing changes
    }
    if (before == nullptr) {
        head = node->next;
    } else {
        before->next = node->next;
    }
    if (node == tail) {
        tail = before;
    }
    delete node;
    --count;
    return count != 0;
}

AircraftNode* AirQueue::GetNode(int index) {
    if (index < 0 || index >= count) {
        return nullptr;
    }
    AircraftNode* node = head;
    for (int i = 0; i < index; ++i) {
        node = node->next;
    }
    return node;
}

void AirQueue::KillAllCraft() {
    while (head != nullptr) {
        AircraftNode* next = head->next;
        delete head;
        head = next;
    }
    tail = nullptr;
    count = 0;
}
