#include "game/world/HiveQueue.h"

#include <memory>

bool HiveQueue::enqueue(CrewType const& race, int const& room) {
    HiveNode* node = room < kHiveSize ? nullptr : chain.NewAtTail();
    if (node == nullptr) {
        return false;
    }
    node->hive.SetType(race);
    return true;
}

bool HiveQueue::dequeue(Hive& out) {
    std::unique_ptr<HiveNode> const node = chain.TakeHead();
    if (node == nullptr) {
        return false;
    }
    out = node->hive;
    return true;
}

HiveQueue& HiveQueue::operator=(HiveQueue const& other) {
    chain = other.chain;
    return *this;
}
