// The advisors aboard the mothership, a singly linked list that appends at its tail.
#pragma once

#include "game/world/Leader.h"

struct LeaderNode {
    Leader leader;
    LeaderNode* next = nullptr;
};

class LeaderQueue {
public:
    LeaderQueue();
    ~LeaderQueue();
    LeaderQueue(LeaderQueue const&) = delete;
    LeaderQueue& operator=(LeaderQueue const&) = delete;

    bool isfull() const;
    // Appends a new advisor of that type; false when the list is full.
    bool enqueue(int const& type);
    // Copies out and removes the first advisor; true while advisors remain.
    bool dequeue(Leader& out);
    // The node n links from the head, null when n is outside the list.
    LeaderNode* GetNode(int n);
    int GetTotal() const { return count; }
    void KillAllLeaders();

private:
    int capacity;
    LeaderNode* head;
    LeaderNode* tail;
    int count;
};
