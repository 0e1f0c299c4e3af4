#include "game/world/HiveQueue.h"

#include <memory>

bool HiveQueue::enqueue(CrewType const& race, int const& room) {
    if (room < kHiveSize) {
        return false;
    }
    auto node = std::make_unique<HiveNode>();
    node->hive.SetType(race);
    chain.Append(node.release());
    return true;
}

bool HiveQueue::dequeue(Hive& out) {
    std::unique_ptr<HiveNode> node(chain.TakeHead());
    if (!node) {
        return false;
    }
    out = node->hive;
    return true;
}
