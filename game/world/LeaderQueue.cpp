#include "game/world/LeaderQueue.h"

LeaderQueue::LeaderQueue() : capacity(100), head(nullptr), tail(nullptr), count(0) {}

LeaderQueue::~LeaderQueue() { KillAllLeaders(); }

bool LeaderQueue::isfull() const { return count > capacity - 1; }

bool LeaderQueue::enqueue(int const& type) {
    if (isfull()) {
        return false;
    }
    LeaderNode* node = new LeaderNode;
    node->leader.SetType(type);
    if (head == nullptr) {
        head = node;
    } else {
        tail->next = node;
    }
    tail = node;
    ++count;
    return true;
}

bool LeaderQueue::dequeue(Leader& out) {
    if (head == nullptr) {
        return false;
    }
    LeaderNode* node = head;
    out = node->leader;
    head = node->next;
    if (head == nullptr) {
        tail = nullptr;
    }
    delete node;
    --count;
    return count != 0;
}

LeaderNode* LeaderQueue::GetNode(int n) {
    if (n < 0 || n >= count) {
        return nullptr;
    }
    LeaderNode* node = head;
    for (int i = 0; i < n; ++i) {
        node = node->next;
    }
    return node;
}

void LeaderQueue::KillAllLeaders() {
    while (head != nullptr) {
        LeaderNode* next = head->next;
        delete head;
        head = next;
    }
    tail = nullptr;
    count = 0;
}
