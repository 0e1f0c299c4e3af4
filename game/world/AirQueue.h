// The craft standing in one dock (the mothership's or a bunker's). New craft
// join at the tail; a craft moving in from elsewhere arrives at the head.
#pragma once

#include "game/world/Aircraft.h"
#include "game/world/NodeChain.h"

struct AircraftNode {
    AircraftNode() : aircraft(15) {}

    Aircraft aircraft;
    AircraftNode* next = nullptr;
};

class AirQueue {
public:
    AirQueue() = default;
    AirQueue(AirQueue const&) = delete;
    AirQueue& operator=(AirQueue const&) = delete;

    // Appends a new craft of that type based at `home` when its size fits the
    // free dock space `room`; false otherwise.
    bool enqueue(AircraftType const& type, int const& room, int const& home);
    // Puts a copy of a craft from another dock at the head, with no space
    // test: its crew is copied and its bombs come along (the given craft is
    // left with none). The caller then removes the given craft from its old
    // list with dequeue.
    bool enqueue(Aircraft& craft);
    // Removes and frees the node holding that very craft (found by address),
    // with its crew and bombs. Returns whether craft remain; a craft not in
    // this list changes nothing and gives false.
    bool dequeue(Aircraft& craft);
    // The node at that index from the head; null outside the list.
    AircraftNode* GetNode(int index) { return chain.At(index); }
    int GetTotal() const { return chain.Count(); }
    void KillAllCraft() { chain.Clear(); }

private:
    NodeChain<AircraftNode> chain;
};
