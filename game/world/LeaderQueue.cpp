#include "game/world/LeaderQueue.h"

#include <memory>

bool LeaderQueue::enqueue(int const& type) {
    LeaderNode* node = isfull() ? nullptr : chain.NewAtTail();
    if (node == nullptr) {
        return false;
    }
    node->leader.SetType(type);
    return true;
}

bool LeaderQueue::dequeue(Leader& out) {
    std::unique_ptr<LeaderNode> const node = chain.TakeHead();
    if (node == nullptr) {
        return false;
    }
    out = node->leader;
    return chain.Count() != 0;
}
