// The advisors aboard the mothership, a singly linked list that appends at its tail.
#pragma once

#include "game/world/Leader.h"
#include "game/world/NodeChain.h"

struct LeaderNode {
    Leader leader;
    LeaderNode* next = nullptr;
};

class LeaderQueue {
public:
    static constexpr int kCapacity = 100;

    LeaderQueue() = default;
    LeaderQueue(LeaderQueue const&) = delete;
    LeaderQueue& operator=(LeaderQueue const&) = delete;

    bool isfull() const { return chain.Count() > capacity - 1; }
    // Appends a new advisor of that type; false when the list is full.
    bool enqueue(int const& type);
    // Copies out and removes the first advisor; true while advisors remain.
    bool dequeue(Leader& out);
    // The node n links from the head, null when n is outside the list.
    LeaderNode* GetNode(int n) { return chain.At(n); }
    int GetTotal() const { return chain.Count(); }
    void KillAllLeaders() { chain.Clear(); }

private:
    int capacity = kCapacity;
    NodeChain<LeaderNode> chain;  // head, tail and count; owns the nodes
};
