// The bombs a holder carries (the mothership's hold, a craft, a bunker): a
// list that appends at its tail and gives out from its head. No two lists
// share a node: copies are deep.
#pragma once

#include "game/world/Bomb.h"
#include "game/world/NodeChain.h"

struct BombNode {
    Bomb bomb = BOMB_FLACK;
    BombNode* next = nullptr;
};

class BombQueue {
public:
    BombQueue() = default;
    BombQueue(BombQueue const& other) = default;
    BombQueue& operator=(BombQueue const& other) = default;

    // Appends the bomb when the free cargo room is at least 2000; false otherwise.
    bool enqueue(Bomb const& bomb, int const& room);
    // Takes the first bomb out into `bomb`; false on an empty list.
    bool dequeue(Bomb& bomb);
    // The node at that index from the head; null outside the list.
    BombNode* GetNode(int index) { return chain.At(index); }
    int GetTotal() const { return chain.Count(); }
    void KillAllBombs() { chain.Clear(); }
    // Moves every bomb of `other` to the end of this list, leaving `other`
    // empty (a craft that moves takes its bombs along).
    void TakeBombs(BombQueue& other) { chain.TakeAll(other.chain); }

private:
    NodeChain<BombNode> chain;
};
