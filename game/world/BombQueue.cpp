#include "game/world/BombQueue.h"

#include <memory>

bool BombQueue::enqueue(Bomb const& bomb, int const& room) {
    BombNode* node = room < kBombCargo ? nullptr : chain.NewAtTail();
    if (node == nullptr) {
        return false;
    }
    node->bomb = bomb;
    return true;
}

bool BombQueue::dequeue(Bomb& bomb) {
    std::unique_ptr<BombNode> const node = chain.TakeHead();
    if (node == nullptr) {
        return false;
    }
    bomb = node->bomb;
    return true;
}
