// The egg hives in the mothership's cargo hold, a singly linked list that appends at its tail.
#pragma once

#include "game/world/Hive.h"
#include "game/world/NodeChain.h"

struct HiveNode {
    Hive hive;
    HiveNode* next = nullptr;
};

class HiveQueue {
public:
    // Cargo units one hive takes.
    static constexpr int kHiveSize = 20;

    HiveQueue() = default;
    HiveQueue(HiveQueue const&) = delete;
    // Replaces the hives with copies of the other list's: no two lists share a node. Safe on itself.
    HiveQueue& operator=(HiveQueue const& other);

    // Appends a hive of that race when the free cargo room holds one.
    bool enqueue(CrewType const& race, int const& room);
    // Copies out and removes the first hive; false when there is none.
    bool dequeue(Hive& out);
    // The node n links from the head, null when n is outside the list.
    HiveNode* GetNode(int n) { return chain.At(n); }
    int GetTotal() const { return chain.Count(); }
    void KillAllHives() { chain.Clear(); }

private:
    NodeChain<HiveNode> chain;  // head, tail and count; owns the nodes
};
