#include "game/world/LeaderQueue.h"

#include <memory>

bool LeaderQueue::enqueue(int const& type) {
    if (isfull()) {
        return false;
    }
    auto node = std::make_unique<LeaderNode>();
    node->leader.SetType(type);
    chain.Append(node.release());
    return true;
}

bool LeaderQueue::dequeue(Leader& out) {
    std::unique_ptr<LeaderNode> node(chain.TakeHead());
    if (!node) {
        return false;
    }
    out = node->leader;
    return chain.Count() != 0;
}
